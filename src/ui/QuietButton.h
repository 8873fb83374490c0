#pragma once
class QPushButton;
class QString;
class QWidget;

namespace pelmora::ui {

/// A push button Enter does not press: in these windows Enter must not start
/// a printer job or close the window by accident. `name` is its object name.
QPushButton* QuietButton(const QString& text, const char* name, QWidget* parent = nullptr);

}  // namespace pelmora::ui
