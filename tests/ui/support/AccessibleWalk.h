#pragma once
// What a screen reader meets in a window: every control named, no two with
// one name, and each toggle action doing what a click on it does.
#include <functional>
#include <memory>

#include <QtTest>
#include <QtWidgets>

namespace pelmora::ui::test {

namespace walk {

inline bool IsControl(QAccessible::Role role) {
    return QList{QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
                 QAccessible::EditableText, QAccessible::List, QAccessible::Table, QAccessible::ProgressBar,
                 QAccessible::Slider}.contains(role);
}

inline void Collect(QAccessibleInterface* node, QList<QAccessibleInterface*>& controls) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible) continue;
        if (IsControl(child->role())) controls << child;
        // A list's rows and a combo box's parts are the control's own business.
        if (child->role() != QAccessible::List && child->role() != QAccessible::Table && child->role() != QAccessible::ComboBox)
            Collect(child, controls);
    }
}

/// Everything the operator can see change: enabled, shown, checked, texts, selections.
inline QString Fingerprint(const QWidget& window) {
    QStringList parts;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        QString part = QString("%1/%2/%3").arg(w->objectName()).arg(w->isEnabled()).arg(w->isVisibleTo(&window));
        if (const auto* b = qobject_cast<const QAbstractButton*>(w)) part += QString("/%1/%2").arg(b->isChecked()).arg(b->text());
        if (const auto* e = qobject_cast<const QLineEdit*>(w)) part += "/" + e->text();
        if (const auto* l = qobject_cast<const QLabel*>(w)) part += "/" + l->text();
        if (const auto* v = qobject_cast<const QAbstractItemView*>(w); v && v->selectionModel())
            part += QString("/%1").arg(v->selectionModel()->selectedRows().size());
        parts << part;
    }
    return parts.join('|');
}

inline QList<QAbstractButton*> Checkables(const QWidget& window) {
    QList<QAbstractButton*> found;
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
        if (b->isCheckable() && b->isVisibleTo(&window) && b->isEnabled()) found << b;
    return found;
}

}  // namespace walk

/// The faults a screen reader would meet in the windows `make` builds. Each
/// toggle is tried on a fresh window and compared with a click on another.
inline QStringList AccessibilityFaults(const std::function<std::unique_ptr<QWidget>()>& make) {
    QStringList faults;
    const std::unique_ptr<QWidget> window = make();
    window->show();
    QList<QAccessibleInterface*> controls;
    walk::Collect(QAccessible::queryAccessibleInterface(window.get()), controls);
    QMap<QString, int> names;
    for (QAccessibleInterface* control : controls) {
        const QString name = control->text(QAccessible::Name);
        const QString what = control->object() ? control->object()->objectName() : QString::number(control->role());
        if (name.isEmpty()) faults << what + " has no name";
        else if (++names[name] == 2) faults << "two controls are named \"" + name + "\"";
    }
    for (int i = 0; i < walk::Checkables(*window).size(); ++i) {
        const auto acted = make();
        acted->show();
        QAbstractButton* target = walk::Checkables(*acted)[i];
        const bool wasChecked = target->isChecked();
        const QString before = walk::Fingerprint(*acted);
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(target);
        QAccessibleActionInterface* actions = control ? control->actionInterface() : nullptr;
        if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::toggleAction())) {
            faults << target->objectName() + " offers no toggle action";
            continue;
        }
        actions->doAction(QAccessibleActionInterface::toggleAction());
        const QString afterAction = walk::Fingerprint(*acted);
        if (!wasChecked && afterAction == before) faults << target->objectName() + ": the toggle action changes nothing";

        const auto clicked = make();
        clicked->show();
        QAbstractButton* twin = walk::Checkables(*clicked)[i];
        twin->click();  // pressed, released, clicked and toggled, as under the mouse
        if (walk::Fingerprint(*clicked) != afterAction)
            faults << target->objectName() + ": the toggle action does not do what a click does";
    }
    return faults;
}

}  // namespace pelmora::ui::test

/// Fails the test with every fault of the list named.
#define EXPECT_NO_FAULTS(faults)                                 \
    do {                                                         \
        const QStringList found = (faults);                      \
        QVERIFY2(found.isEmpty(), qPrintable(found.join("; "))); \
    } while (false)
