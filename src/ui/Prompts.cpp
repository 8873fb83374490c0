#include "ui/Prompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace pelmora::ui {

namespace {

QMessageBox::Icon BoxIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Warning: return QMessageBox::Warning;
    case PromptIcon::Critical: return QMessageBox::Critical;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

class QtPrompts final : public Prompts {
public:
    void Message(QWidget* parent, const QString& title, const QString& text, PromptIcon icon) override {
        QMessageBox box(BoxIcon(icon), title, BoxText(text), QMessageBox::Ok, parent);
        box.exec();
    }

    bool Ask(QWidget* parent, const QString& title, const QString& text, PromptIcon icon) override {
        QMessageBox box(BoxIcon(icon), title, BoxText(text), QMessageBox::Yes | QMessageBox::No, parent);
        return box.exec() == QMessageBox::Yes;
    }

    QStringList ChooseFiles(QWidget* parent, const FileChoice& choice) override {
        if (choice.multiple)
            return QFileDialog::getOpenFileNames(parent, choice.title, choice.initialPath, choice.filter);
        const QString file = QFileDialog::getOpenFileName(parent, choice.title, choice.initialPath, choice.filter);
        return file.isEmpty() ? QStringList{} : QStringList{file};
    }
};

}  // namespace

Prompts& SystemPrompts() {
    static QtPrompts prompts;
    return prompts;
}

QString BoxText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

}  // namespace pelmora::ui
