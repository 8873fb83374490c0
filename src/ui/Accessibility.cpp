#include "ui/Accessibility.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>

namespace pelmora::ui {

namespace {

bool NeedsName(const QWidget* widget) {
    return widget->focusPolicy() != Qt::NoFocus || qobject_cast<const QProgressBar*>(widget);
}

QString OwnCaption(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) return group->title();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();  // a selectable text
    if (qobject_cast<const QProgressBar*>(widget)) {
        for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
            if (const auto* group = qobject_cast<const QGroupBox*>(up)) return group->title();
        return QCoreApplication::translate("Accessibility", "Progress");
    }
    return {};
}

void Name(QWidget* widget, const QString& caption) {
    const QString spoken = SpokenText(caption);
    if (widget->accessibleName().isEmpty() && !spoken.isEmpty()) widget->setAccessibleName(spoken);
}

}  // namespace

QString SpokenText(QString caption) {
    // A key added as "(&X)" is not part of the name.
    static const QRegularExpression addedKey(QStringLiteral("\\(&[^&]\\)"));
    caption.remove(addedKey);
    // "&&" is a literal ampersand; a single one marks the mnemonic.
    caption.replace(QLatin1String("&&"), QString(QChar(0xE000)));
    caption.remove(QLatin1Char('&'));
    caption.replace(QChar(0xE000), QLatin1Char('&'));
    caption = caption.trimmed();
    while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QChar(0xFF1A)))  // full-width colon too
        caption = caption.chopped(1).trimmed();
    return caption;
}

QString ChoiceName(const QString& question, const QString& choice) {
    return QCoreApplication::translate("Accessibility", "%1: %2").arg(SpokenText(question), SpokenText(choice));
}

void NameControls(QWidget* root) {
    // Labels first: a buddy label names its control better than anything else.
    for (QLabel* label : root->findChildren<QLabel*>())
        if (QWidget* buddy = label->buddy()) Name(buddy, label->text());
    for (QWidget* widget : root->findChildren<QWidget*>())
        if (NeedsName(widget)) Name(widget, OwnCaption(widget));
}

QStringList UnnamedControls(const QWidget* root) {
    QStringList unnamed;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (!NeedsName(widget) || !widget->accessibleName().isEmpty()) continue;
        unnamed << (widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                   : widget->objectName());
    }
    return unnamed;
}

}  // namespace pelmora::ui
