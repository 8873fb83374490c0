#pragma once
// A window's make-up as text: each control with what a user meets of it (text,
// name for screen readers, choices, state, limits) in the order its layouts
// place it. Kept in a file beside the tests, so a dropped control, a lost name,
// a stretch gone or a row moved shows up as a changed line.
// Taken with one style and one font, pinned by name (PELMORA_SNAPSHOT_MAIN),
// and holding only what the code decides: margins and spacing the style
// gives, and sizes the text decides, are left out.
// PELMORA_UPDATE_SNAPSHOTS=1 (or "all") writes every file instead of
// comparing; a list of names ("main-tcp,step2") writes only those.
#include <QtTest/QtTest>
#include <QtWidgets>

#include "ui/support/Controls.h"

namespace pelmora::ui::test {

/// The look every snapshot is taken with, chosen by name so that no
/// machine's default style or font decides it.
inline constexpr const char* kSnapshotStyle = "Fusion";
inline constexpr const char* kSnapshotFont = "DejaVu Sans";
inline constexpr int kSnapshotFontPoints = 9;

inline void PinSnapshotLook() {
    QApplication::setStyle(QStyleFactory::create(QLatin1String(kSnapshotStyle)));
    QApplication::setFont(QFont(QLatin1String(kSnapshotFont), kSnapshotFontPoints));
}

inline bool LookPinned() {
    return QApplication::style()->name().compare(QLatin1String(kSnapshotStyle), Qt::CaseInsensitive) == 0 &&
           QApplication::font().family() == QLatin1String(kSnapshotFont);
}

namespace snapshot_detail {

inline QString Quoted(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

inline QString Size(const QSize& size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); }

inline QStringList ItemTexts(const QWidget* widget) {
    QStringList items;
    if (auto* list = qobject_cast<const QComboBox*>(widget)) items << Items(list);
    if (auto* list = qobject_cast<const QListWidget*>(widget)) items << Items(list);
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
    QString line = QStringLiteral(" rows=%1 columns=[%2]%3")
                       .arg(table->rowCount())
                       .arg(header.join(QLatin1Char('|')))
                       .arg(table->verticalHeader()->isHidden() ? " unnumbered" : "");
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
        line += QStringLiteral(" [%1]").arg(cells.join(QLatin1Char('|')));
    }
    return line;
}

/// One limit: a number the code chose or, on a control sized by its one line
/// of text, "text" when it is at least what that text needs (made from the
/// font). A wrapping label has no such need: its limits are the code's.
inline QString Limit(const QWidget* widget, int value, int hint) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    const bool showsText = (label && !label->wordWrap()) || qobject_cast<const QAbstractButton*>(widget);
    return showsText && hint > 0 && value >= hint ? QStringLiteral("text") : QString::number(value);
}

/// The size limits the code sets. A window whose layout sizes it has its
/// limits from the fonts and the style: only that rule is shown.
inline QString Limits(const QWidget* widget) {
    if (widget->isWindow() && widget->layout() && widget->layout()->sizeConstraint() != QLayout::SetDefaultConstraint)
        return widget->layout()->sizeConstraint() == QLayout::SetFixedSize ? QStringLiteral(" sized-by-layout=fixed")
                                                                          : QStringLiteral(" sized-by-layout=minimum");
    QString line;
    QSize hint = widget->sizeHint(), min = widget->minimumSize(), max = widget->maximumSize();
    // A window's layout raises its minimum to what the controls need.
    if (widget->isWindow() && widget->layout()) {
        const QSize needed = widget->layout()->totalMinimumSize();
        if (min.width() == needed.width()) min.setWidth(0);
        if (min.height() == needed.height()) min.setHeight(0);
    }
    if (min.width() > 0) line += QLatin1String(" minWidth=") + Limit(widget, min.width(), hint.width());
    if (min.height() > 0) line += QLatin1String(" minHeight=") + Limit(widget, min.height(), hint.height());
    if (max.width() != QWIDGETSIZE_MAX) line += QStringLiteral(" maxWidth=%1").arg(max.width());
    if (max.height() != QWIDGETSIZE_MAX) line += QStringLiteral(" maxHeight=%1").arg(max.height());
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
    return line + Limits(widget);
}

/// One hunk from the first changed line to the last, so a failed snapshot
/// shows every change at once; empty when equal. Lines changed in place are
/// shown each against its own, others as a block of "-" then "+".
inline QString Diff(const QStringList& want, const QStringList& got) {
    qsizetype head = 0, tail = 0;
    while (head < want.size() && head < got.size() && want[head] == got[head]) ++head;
    while (tail < want.size() - head && tail < got.size() - head && want[want.size() - 1 - tail] == got[got.size() - 1 - tail])
        ++tail;
    const qsizetype wantEnd = want.size() - tail, gotEnd = got.size() - tail;
    if (head == wantEnd && head == gotEnd) return {};
    QString out = QStringLiteral("@@ -%1,%2 +%1,%3 @@\n").arg(head + 1).arg(wantEnd - head).arg(gotEnd - head);
    if (wantEnd == gotEnd) {
        for (qsizetype i = head; i < wantEnd; ++i)
            out += want[i] == got[i] ? QLatin1Char(' ') + want[i] + QLatin1Char('\n')
                                     : QLatin1Char('-') + want[i] + QLatin1String("\n+") + got[i] + QLatin1Char('\n');
        return out;
    }
    for (qsizetype i = head; i < wantEnd; ++i) out += QLatin1Char('-') + want[i] + QLatin1Char('\n');
    for (qsizetype i = head; i < gotEnd; ++i) out += QLatin1Char('+') + got[i] + QLatin1Char('\n');
    return out;
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

    // Margins and spacing only where the code set them apart from what the
    // style gives a layout in that place.
    static QString Spacing(const QLayout* layout) {
        const QWidget* owner = layout->parentWidget();
        const bool onWidget = owner && owner->layout() == layout;
        const QStyle* style = owner ? owner->style() : QApplication::style();
        const QMargins given = onWidget ? QMargins(style->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, owner),
                                                   style->pixelMetric(QStyle::PM_LayoutTopMargin, nullptr, owner),
                                                   style->pixelMetric(QStyle::PM_LayoutRightMargin, nullptr, owner),
                                                   style->pixelMetric(QStyle::PM_LayoutBottomMargin, nullptr, owner))
                                        : QMargins();
        const auto* outer = qobject_cast<const QLayout*>(layout->parent());
        const int givenSpacing = outer ? outer->spacing() : style->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, owner);
        QString line;
        const QMargins m = layout->contentsMargins();
        if (m != given) line += QStringLiteral(" margins=%1,%2,%3,%4").arg(m.left()).arg(m.top()).arg(m.right()).arg(m.bottom());
        if (layout->spacing() != givenSpacing) line += QStringLiteral(" spacing=%1").arg(layout->spacing());
        return line;
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
        lines << QString(depth * 2, QLatin1Char(' ')) + position +
                     QString::fromLatin1(layout->metaObject()->className()) + Spacing(layout);
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

inline bool UpdatesSnapshot(const QString& name) {
    if (!qEnvironmentVariableIsSet("PELMORA_UPDATE_SNAPSHOTS")) return false;
    const QString wanted = qEnvironmentVariable("PELMORA_UPDATE_SNAPSHOTS");
    if (wanted == QLatin1String("1") || wanted == QLatin1String("all")) return true;
    for (QString one : wanted.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        one = one.trimmed();
        if (one.endsWith(QLatin1String(".txt"))) one.chop(4);
        if (one == name || one.endsWith(QLatin1Char('/') + name)) return true;
    }
    return false;
}

/// Whether `window` is made up as tests/<folder>/snapshots/<name>.txt says;
/// every difference goes to the test log as a unified diff.
inline bool MatchesSnapshot(const QWidget& window, const QString& name) {
    if (!LookPinned()) {
        qWarning("snapshot %s: the style and font are not pinned (PELMORA_SNAPSHOT_MAIN)", qPrintable(name));
        return false;
    }
    const QString text = DescribeWindow(window);
    QFile file(QStringLiteral(PELMORA_SNAPSHOT_DIR "/") + name + QStringLiteral(".txt"));
    if (UpdatesSnapshot(name))
        return QDir().mkpath(QStringLiteral(PELMORA_SNAPSHOT_DIR)) && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(text.toUtf8()) == text.toUtf8().size();
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("no snapshot %s: run the test with PELMORA_UPDATE_SNAPSHOTS=%s", qPrintable(file.fileName()),
                 qPrintable(name));
        return false;
    }
    const QString diff =
        snapshot_detail::Diff(QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')), text.split(QLatin1Char('\n')));
    if (diff.isEmpty()) return true;
    qWarning("--- %s\n+++ this window\n%s(PELMORA_UPDATE_SNAPSHOTS=%s takes it after an intended change)",
             qPrintable(file.fileName()), qPrintable(diff), qPrintable(name));
    return false;
}

}  // namespace pelmora::ui::test

/// QTEST_MAIN for tests that compare snapshots: the look is pinned before
/// any window is built.
#define PELMORA_SNAPSHOT_MAIN(TestObject)               \
    int main(int argc, char** argv) {                   \
        QApplication app(argc, argv);                   \
        app.setAttribute(Qt::AA_Use96Dpi, true);        \
        pelmora::ui::test::PinSnapshotLook();           \
        TestObject tc;                                  \
        QTEST_SET_MAIN_SOURCE_PATH                      \
        return QTest::qExec(&tc, argc, argv);           \
    }
