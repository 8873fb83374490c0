#pragma once
// A window's make-up as text: each control with what a user meets of it (text,
// name for screen readers, choices, state, limits) in the order its layouts
// place it. Kept in a file beside the tests, so a dropped control, a lost name,
// a stretch gone or a row moved shows up as a changed line.
// PELMORA_UPDATE_SNAPSHOTS=1 writes the files instead of comparing.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>
#include <QtGlobal>

namespace pelmora::ui::test {

namespace snapshot_detail {

inline QString Quoted(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

inline QString Size(const QSize& size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); }

inline QStringList ItemTexts(const QWidget* widget) {
    QStringList items;
    if (auto* list = qobject_cast<const QComboBox*>(widget))
        for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    if (auto* list = qobject_cast<const QListWidget*>(widget))
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    if (auto* tabs = qobject_cast<const QTabWidget*>(widget))
        for (int i = 0; i < tabs->count(); ++i) items << tabs->tabText(i);
    if (auto* box = qobject_cast<const QDialogButtonBox*>(widget))
        for (QAbstractButton* button : box->buttons()) items << button->text() + QLatin1String(" #") + button->objectName();
    return items;
}

inline QString Validator(const QLineEdit* box) {
    if (auto* range = qobject_cast<const QIntValidator*>(box->validator()))
        return QStringLiteral(" accepts=%1..%2").arg(range->bottom()).arg(range->top());
    if (auto* pattern = qobject_cast<const QRegularExpressionValidator*>(box->validator()))
        return QStringLiteral(" accepts=/%1/").arg(pattern->regularExpression().pattern());
    return {};
}

inline QString Table(const QTableWidget* table) {
    QStringList header;
    for (int c = 0; c < table->columnCount(); ++c)
        header << (table->horizontalHeaderItem(c) ? table->horizontalHeaderItem(c)->text() : QString());
    QString line = QStringLiteral(" rows=%1 columns=[%2] rowHeight=%3%4")
                       .arg(table->rowCount())
                       .arg(header.join(QLatin1Char('|')))
                       .arg(table->verticalHeader()->defaultSectionSize())
                       .arg(table->verticalHeader()->isHidden() ? " unnumbered" : "");
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
        line += QStringLiteral(" [%1]").arg(cells.join(QLatin1Char('|')));
    }
    return line;
}

/// What a user meets of one control, on one line.
inline QString Describe(const QWidget* widget, const QWidget* window) {
    QString line = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty()) line += QLatin1String(" #") + widget->objectName();
    if (!widget->isVisibleTo(window) && widget != window) line += QLatin1String(" hidden");
    if (!widget->isEnabled()) line += QLatin1String(" disabled");
    if (widget->isWindow()) line += QLatin1String(" title=") + Quoted(widget->windowTitle());
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        line += QLatin1String(" text=") + Quoted(label->text());
        if (label->buddy()) line += QLatin1String(" for=#") + label->buddy()->objectName();
        if (label->textInteractionFlags() & Qt::TextSelectableByKeyboard) line += QLatin1String(" selectable");
        if (label->wordWrap()) line += QLatin1String(" wraps");
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        line += QLatin1String(" text=") + Quoted(button->text());
        if (button->isCheckable()) line += button->isChecked() ? QLatin1String(" checked") : QLatin1String(" unchecked");
    }
    if (auto* push = qobject_cast<const QPushButton*>(widget); push && push->isDefault()) line += QLatin1String(" default");
    if (auto* box = qobject_cast<const QLineEdit*>(widget)) {
        line += QLatin1String(" text=") + Quoted(box->text());
        if (box->maxLength() != 32767) line += QStringLiteral(" max=%1").arg(box->maxLength());
        if (box->isReadOnly()) line += QLatin1String(" readonly");
        if (box->echoMode() != QLineEdit::Normal) line += QLatin1String(" masked");
        line += Validator(box);
    }
    if (auto* group = qobject_cast<const QGroupBox*>(widget)) {
        line += QLatin1String(" title=") + Quoted(group->title());
        if (group->isCheckable()) line += group->isChecked() ? QLatin1String(" checked") : QLatin1String(" unchecked");
    }
    if (auto* list = qobject_cast<const QComboBox*>(widget)) {
        line += QStringLiteral(" current=%1").arg(list->currentIndex());
        if (!list->view()->accessibleName().isEmpty()) line += QLatin1String(" popup=") + Quoted(list->view()->accessibleName());
    }
    if (auto* list = qobject_cast<const QListWidget*>(widget)) line += QStringLiteral(" current=%1").arg(list->currentRow());
    if (auto* tabs = qobject_cast<const QTabWidget*>(widget)) line += QStringLiteral(" current=%1").arg(tabs->currentIndex());
    if (auto* slider = qobject_cast<const QSlider*>(widget))
        line += QStringLiteral(" range=%1..%2 value=%3").arg(slider->minimum()).arg(slider->maximum()).arg(slider->value());
    if (auto* bar = qobject_cast<const QProgressBar*>(widget))
        line += QStringLiteral(" range=%1..%2 value=%3").arg(bar->minimum()).arg(bar->maximum()).arg(bar->value());
    if (auto* table = qobject_cast<const QTableWidget*>(widget)) line += Table(table);
    const QStringList items = ItemTexts(widget);
    if (!items.isEmpty()) line += QLatin1String(" items=[") + items.join(QLatin1Char('|')) + QLatin1Char(']');
    const QString text = line;
    if (!widget->accessibleName().isEmpty() && !text.contains(Quoted(widget->accessibleName())))
        line += QLatin1String(" name=") + Quoted(widget->accessibleName());
    if (!widget->toolTip().isEmpty()) line += QLatin1String(" tip=") + Quoted(widget->toolTip());
    if (widget->minimumSize() != QSize(0, 0)) line += QLatin1String(" min=") + Size(widget->minimumSize());
    if (widget->maximumSize() != QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)) line += QLatin1String(" max=") + Size(widget->maximumSize());
    return line;
}

/// Controls Qt builds out of parts of its own: their parts are not the window's.
inline bool IsLeaf(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QAbstractSlider*>(widget) ||
           qobject_cast<const QProgressBar*>(widget) || qobject_cast<const QDialogButtonBox*>(widget);
}

struct Writer {
    const QWidget* window;
    QStringList lines;
    QList<const QWidget*> placed;

    void Widget(const QWidget* widget, int depth, const QString& position = {}) {
        placed << widget;
        lines << QString(depth * 2, QLatin1Char(' ')) + position + Describe(widget, window);
        if (IsLeaf(widget)) return;
        if (auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) Widget(tabs->widget(i), depth + 1);
            return;
        }
        if (widget->layout()) Layout(widget->layout(), depth + 1);
        for (QObject* child : widget->children()) {
            auto* w = qobject_cast<const QWidget*>(child);
            if (w && !placed.contains(w) && !w->objectName().startsWith(QLatin1String("qt_")) && !w->isWindow()) {
                lines << QString((depth + 1) * 2, QLatin1Char(' ')) + QLatin1String("(outside the layout)");
                Widget(w, depth + 2);
            }
        }
    }

    QString Position(const QLayout* layout, int index) {
        if (auto* grid = qobject_cast<const QGridLayout*>(layout)) {
            int row, column, rows, columns;
            grid->getItemPosition(index, &row, &column, &rows, &columns);
            return QStringLiteral("(%1,%2 span %3x%4) ").arg(row).arg(column).arg(rows).arg(columns);
        }
        if (auto* form = qobject_cast<const QFormLayout*>(layout)) {
            int row;
            QFormLayout::ItemRole role;
            form->getItemPosition(index, &row, &role);
            return QStringLiteral("(row %1 %2) ").arg(row).arg(role == QFormLayout::LabelRole ? "label" : "field");
        }
        if (auto* box = qobject_cast<const QBoxLayout*>(layout); box && box->stretch(index) != 0)
            return QStringLiteral("(stretch %1) ").arg(box->stretch(index));
        return {};
    }

    void Layout(const QLayout* layout, int depth, const QString& position = {}) {
        const QMargins m = layout->contentsMargins();
        lines << QString(depth * 2, QLatin1Char(' ')) + position +
                     QStringLiteral("%1 margins=%2,%3,%4,%5 spacing=%6")
                         .arg(QString::fromLatin1(layout->metaObject()->className()))
                         .arg(m.left()).arg(m.top()).arg(m.right()).arg(m.bottom())
                         .arg(layout->spacing());
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem* item = layout->itemAt(i);
            QString place = Position(layout, i);
            if (item->alignment()) place += QStringLiteral("(aligned %1) ").arg(int(item->alignment()));
            if (item->widget()) {
                Widget(item->widget(), depth + 1, place);
            } else if (item->layout()) {
                Layout(item->layout(), depth + 1, place);
            } else if (item->spacerItem()) {
                lines << QString((depth + 1) * 2, QLatin1Char(' ')) + place +
                             QStringLiteral("space %1").arg(Size(item->spacerItem()->sizeHint()));
            }
        }
    }
};

}  // namespace snapshot_detail

inline QString DescribeWindow(const QWidget& window) {
    snapshot_detail::Writer writer{&window, {}, {}};
    writer.Widget(&window, 0);
    return writer.lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

/// Whether `window` is made up as tests/<folder>/snapshots/<name>.txt says;
/// the first differing line goes to the test log.
inline bool MatchesSnapshot(const QWidget& window, const QString& name) {
    const QString text = DescribeWindow(window);
    QFile file(QStringLiteral(PELMORA_SNAPSHOT_DIR "/") + name + QStringLiteral(".txt"));
    if (qEnvironmentVariableIsSet("PELMORA_UPDATE_SNAPSHOTS"))
        return QDir().mkpath(QStringLiteral(PELMORA_SNAPSHOT_DIR)) && file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) == text.toUtf8().size();
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("no snapshot %s: run the test with PELMORA_UPDATE_SNAPSHOTS=1", qPrintable(file.fileName()));
        return false;
    }
    const QStringList want = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const QStringList got = text.split(QLatin1Char('\n'));
    for (int i = 0; i < qMax(want.size(), got.size()); ++i) {
        const QString w = want.value(i), g = got.value(i);
        if (w != g) {
            qWarning("%s line %d\n  expected: %s\n  actual:   %s", qPrintable(name), i + 1, qPrintable(w), qPrintable(g));
            return false;
        }
    }
    return true;
}

}  // namespace pelmora::ui::test
