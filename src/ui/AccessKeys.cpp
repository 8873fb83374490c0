#include "ui/AccessKeys.h"

#include <functional>
#include <map>
#include <set>
#include <vector>

#include <QAbstractButton>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>

namespace pelmora::ui {

namespace {

// A caption and the way to write it back.
struct Caption {
    QWidget* owner;  ///< the control whose object name hints a Latin key
    QWidget* page;   ///< the tab page it shows on, or null for the whole window
    QString text;
    std::function<void(const QString&)> write;
};

// Scripts typed through an input method: their texts take a Latin key as "(&X)".
bool Ideographic(QChar c) {
    switch (c.script()) {
    case QChar::Script_Han:
    case QChar::Script_Hangul:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana: return true;
    default: return false;
    }
}

bool HasIdeographs(const QString& text) {
    for (const QChar c : text)
        if (Ideographic(c)) return true;
    return false;
}

QString WithoutKey(QString text) {
    static const QRegularExpression suffix(QStringLiteral("\\(&[^&]\\)"));
    text.remove(suffix);
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) plain += text[i];
        else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) plain += QStringLiteral("&&"), ++i;
    }
    return plain;
}

// Where a key may go in `text`: the first letters of words, other letters, then digits.
std::vector<qsizetype> Candidates(const QString& text) {
    std::vector<qsizetype> tiers[3];
    bool wordStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;  // "&&" shows one '&'
        const QChar c = text[i];
        if (c.isLetter() && !Ideographic(c)) tiers[wordStart ? 0 : 1].push_back(i);
        else if (c.isDigit()) tiers[2].push_back(i);
        wordStart = !c.isLetterOrNumber();
    }
    for (int t = 1; t < 3; ++t) tiers[0].insert(tiers[0].end(), tiers[t].begin(), tiers[t].end());
    return tiers[0];
}

// "exitButton" -> "EXITBUTTON": the letters a Latin key is best taken from.
QString Hint(const QWidget* owner) {
    return owner->objectName().toUpper() + QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
}

// Marks a free letter of `text`; a text in an ideographic script takes "(&X)".
// A Latin caption whose letters are all taken goes without a key: a "(X)" after
// a word looks like a fault to a reader of a Latin script.
QString Mark(const QString& text, const QString& hint, std::set<QChar>& taken) {
    if (!HasIdeographs(text)) {
        for (const qsizetype at : Candidates(text))
            if (taken.insert(text[at].toUpper()).second) return QString(text).insert(at, QLatin1Char('&'));
        return text;
    }
    for (const QChar c : hint) {
        const bool latin = c.unicode() < 0x80 && c.isLetterOrNumber();
        if (!latin || !taken.insert(c).second) continue;
        // The key goes before a trailing colon or ellipsis: "端口(&P)：".
        static const QRegularExpression tail(QStringLiteral("[\\s:：.…]*$"));
        const qsizetype end = text.indexOf(tail);
        return text.left(end) + QStringLiteral("(&") + c + QLatin1Char(')') + text.mid(end);
    }
    return text;
}

// Keys already marked stay where they are free; the rest are chosen after them.
void Settle(const std::vector<Caption*>& group, std::set<QChar>& taken) {
    std::vector<Caption*> open;
    for (Caption* c : group) {
        const QChar key = AccessKey(c->text);
        if (!key.isNull() && taken.insert(key).second) continue;
        if (!key.isNull()) c->text = WithoutKey(c->text);
        open.push_back(c);
    }
    for (Caption* c : open) c->text = Mark(c->text, Hint(c->owner), taken);
}

QWidget* PageOf(QWidget* widget, const QWidget* root) {
    for (QWidget* up = widget; up && up != root; up = up->parentWidget()) {
        const QWidget* stack = up->parentWidget();  // a page lies in the tab widget's stack
        const auto* tabs = qobject_cast<const QTabWidget*>(stack ? stack->parentWidget() : nullptr);
        if (tabs && tabs->indexOf(up) >= 0) return up;
    }
    return nullptr;
}

std::vector<Caption> Captions(QWidget* root) {
    std::vector<Caption> captions;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->window() != root) continue;  // a dialog of its own
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty())
            captions.push_back({button, PageOf(button, root), button->text(),
                                [button](const QString& text) { button->setText(text); }});
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy() && !label->text().isEmpty())
            captions.push_back({label->buddy(), PageOf(label, root), label->text(),
                                [label](const QString& text) { label->setText(text); }});
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                captions.push_back({tabs->widget(i), PageOf(tabs, root), tabs->tabText(i),
                                    [tabs, i](const QString& text) { tabs->setTabText(i, text); }});
    }
    return captions;
}

}  // namespace

QChar AccessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toUpper();
        ++i;
    }
    return {};
}

void AssignAccessKeys(QWidget* root) {
    std::vector<Caption> captions = Captions(root);
    std::vector<Caption*> shared;
    std::map<QWidget*, std::vector<Caption*>> pages;
    for (Caption& c : captions) (c.page ? pages[c.page] : shared).push_back(&c);
    std::set<QChar> taken;
    Settle(shared, taken);
    for (auto& [page, group] : pages) {
        std::set<QChar> pageTaken = taken;
        Settle(group, pageTaken);
    }
    for (const Caption& c : captions) c.write(c.text);
}

}  // namespace pelmora::ui
