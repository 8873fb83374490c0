#pragma once
#include <QString>
#include <QStringList>

class QWidget;

namespace pelmora::ui {

/// Gives every control under `root` that has no accessible name yet the name
/// the operator sees: the text of the label whose buddy it is, else its own
/// caption (button text, group title); a progress bar takes the title of the
/// frame around it. Call at the end of a window's constructor.
void NameControls(QWidget* root);

/// The object names (or class names) of focusable controls and progress bars
/// under `root` that still have no accessible name; empty when all do.
QStringList UnnamedControls(const QWidget* root);

/// One answer to a question as a screen reader names it: "Beep for roll paper end: On".
QString ChoiceName(const QString& question, const QString& choice);

/// "&Exit" -> "Exit", "端口(&P)：" -> "端口", "Port:" -> "Port": a caption as a
/// screen reader says it.
QString SpokenText(QString caption);

}  // namespace pelmora::ui
