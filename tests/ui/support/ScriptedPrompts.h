#pragma once
#include <deque>
#include <vector>

#include <QString>
#include <QStringList>

#include "ui/Prompts.h"

namespace pelmora::ui::test {

/// Records every box and answers it from a script, so no test blocks on a
/// modal window. Unscripted questions answer No, unscripted file choices
/// cancel.
class ScriptedPrompts final : public Prompts {
public:
    struct Shown {
        enum Kind { Message, Question, Files } kind;
        QString title;
        QString text;  ///< for Files: the filter
        PromptIcon icon = PromptIcon::None;
        FileChoice choice;
    };

    std::vector<Shown> shown;
    std::deque<bool> answers;
    std::deque<QStringList> files;

    void Message(QWidget*, const QString& title, const QString& text, PromptIcon icon) override {
        shown.push_back({Shown::Message, title, text, icon, {}});
    }
    bool Ask(QWidget*, const QString& title, const QString& text, PromptIcon icon) override {
        shown.push_back({Shown::Question, title, text, icon, {}});
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList ChooseFiles(QWidget*, const FileChoice& choice) override {
        shown.push_back({Shown::Files, choice.title, choice.filter, PromptIcon::None, choice});
        if (files.empty()) return {};
        QStringList chosen = files.front();
        files.pop_front();
        return chosen;
    }

    /// Texts of the message boxes shown so far, in order.
    QStringList Messages() const {
        QStringList texts;
        for (const Shown& s : shown) if (s.kind == Shown::Message) texts << s.text;
        return texts;
    }
};

}  // namespace pelmora::ui::test
