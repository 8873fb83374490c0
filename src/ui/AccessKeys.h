#pragma once
#include <QString>

class QWidget;

namespace pelmora::ui {

/// Gives every button, buddy label and tab of the window `root` an access key
/// from its text in the operator's language, none twice among what is shown
/// together: the window's own controls, and each tab page with them. A key a
/// text already marks is kept when free. Where a text has no letter to mark
/// (Chinese, Japanese, Korean), a Latin one is added as "(&X)", taken first
/// from the control's object name; a Latin text whose letters are all taken
/// keeps none. Call again after a caption changes.
void AssignAccessKeys(QWidget* root);

/// The access key `text` marks, upper case, or a null character.
QChar AccessKey(const QString& text);

}  // namespace pelmora::ui
