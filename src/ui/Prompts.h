#pragma once
#include <QString>
#include <QStringList>

class QWidget;

namespace pelmora::ui {

enum class PromptIcon { None, Information, Warning, Critical, Question };

/// A file-open choice. `filter` uses Qt's form, e.g. "Firmware File(*.fls)".
struct FileChoice {
    QString title;
    QString filter;
    QString initialPath;  ///< a file (preselected) or a folder
    bool multiple = false;
};

/// Every message box and file choice of the windows goes through here, so
/// tests answer them without a modal window. Texts with "\r\n" show as line
/// breaks.
class Prompts {
public:
    virtual ~Prompts() = default;
    /// A box with an OK button.
    virtual void Message(QWidget* parent, const QString& title, const QString& text,
                         PromptIcon icon = PromptIcon::None) = 0;
    /// A Yes/No question; true for Yes.
    virtual bool Ask(QWidget* parent, const QString& title, const QString& text,
                     PromptIcon icon = PromptIcon::Question) = 0;
    /// The chosen files; empty when the operator cancelled.
    virtual QStringList ChooseFiles(QWidget* parent, const FileChoice& choice) = 0;
};

/// The real boxes: QMessageBox and QFileDialog.
Prompts& SystemPrompts();

/// "\r\n" (as the core's texts carry them) to the "\n" Qt shows as a break.
QString BoxText(const QString& text);

}  // namespace pelmora::ui
