#pragma once
// Reaching a window's controls by object name; a missing one stops the test
// at once instead of crashing on a null pointer.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>

namespace pelmora::ui::test {

template <typename T = QWidget> T* Find(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found) qFatal("no control %s", name);
    return found;
}

inline void Click(const QObject& window, const char* button) { Find<QAbstractButton>(window, button)->click(); }
inline void Choose(const QObject& window, const char* list, int index) { Find<QComboBox>(window, list)->setCurrentIndex(index); }
inline void Type(const QObject& window, const char* box, const QString& text) { Find<QLineEdit>(window, box)->setText(text); }

inline QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}
inline QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

}  // namespace pelmora::ui::test
