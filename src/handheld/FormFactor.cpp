#include "handheld/FormFactor.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableView>

#include "ui/Accessibility.h"

namespace pelmora::handheld {

namespace {

/// Rows as tall as a finger, in lists and in the lists that combo boxes open.
class FingerRows final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index).expandedTo({0, kFingerHeight});
    }
};

/// A check box or radio button takes a press anywhere on its row, not only
/// on its mark and text: the style's hit area is 18 px of a 48 px row.
class WholeRowTouch final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        const auto type = event->type();
        if (!button || (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
                         type != QEvent::MouseButtonRelease))
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        const bool inside = button->rect().contains(mouse->position().toPoint());
        if (type != QEvent::MouseButtonRelease) {
            if (inside) button->setDown(true);
            return true;
        }
        const bool pressed = button->isDown();
        button->setDown(false);
        if (pressed && inside) button->click();
        return true;
    }
};

void MakeRowTakeTouch(QAbstractButton* button) {
    if (button->findChild<WholeRowTouch*>(QString(), Qt::FindDirectChildrenOnly)) return;
    button->installEventFilter(new WholeRowTouch(button));
    button->setMinimumWidth(std::max(button->minimumWidth(), kFingerHeight));
}

void MakeRowsFingerSized(QAbstractItemView* view) {
    if (auto* table = qobject_cast<QTableView*>(view)) {
        table->verticalHeader()->setMinimumSectionSize(kFingerHeight);
        table->verticalHeader()->setDefaultSectionSize(kFingerHeight);
        return;
    }
    if (dynamic_cast<FingerRows*>(view->itemDelegate())) return;
    view->setItemDelegate(new FingerRows(view));
}

}  // namespace

void MakeFingerSized(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control) ||
            qobject_cast<QLineEdit*>(control))
            control->setMinimumHeight(std::max(control->minimumHeight(), kFingerHeight));
        if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control))
            MakeRowTakeTouch(static_cast<QAbstractButton*>(control));
        if (auto* combo = qobject_cast<QComboBox*>(control)) {
            MakeRowsFingerSized(combo->view());
            if (combo->view()->accessibleName().isEmpty()) combo->view()->setAccessibleName(combo->accessibleName());
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(control)) MakeRowsFingerSized(view);
    }
}

bool IsHandheldScreen(QSize available) {
    // A tablet or phone held either way; 800 leaves room over 640 for bars.
    constexpr int kLongSide = 800;
    return std::max(available.width(), available.height()) <= kLongSide;
}

void FitToScreen(QWidget& window) {
    // Message boxes fix their own size; the screen decides here.
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QScreen* screen = window.screen();
    if (screen && IsHandheldScreen(screen->availableSize())) {
        // The geometry for a kiosk session without a window manager, the state for one with.
        window.setMinimumSize(0, 0);
        window.setGeometry(screen->geometry());
        window.setWindowState(window.windowState() | Qt::WindowFullScreen);
        return;
    }
    QRect phone({}, kScreenSize);
    phone.moveCenter(window.geometry().center());
    if (screen) {  // not above or left of the screen, where no one can move it back
        const QRect available = screen->availableGeometry();
        phone.moveTopLeft({std::max(phone.left(), available.left()), std::max(phone.top(), available.top())});
    }
    window.setMinimumSize(0, 0);
    window.setGeometry(phone);
}

bool HandheldWindows::eventFilter(QObject* watched, QEvent* event) {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !dialog->isWindow()) return false;
    // A message box fixes its size again on each layout pass (the finger-sized
    // buttons cause one after showing); the screen's size must win each time.
    if (event->type() == QEvent::LayoutRequest && dialog->isVisible() && qobject_cast<QMessageBox*>(dialog)) {
        static_cast<QObject*>(dialog)->event(event);
        FitToScreen(*dialog);
        return true;
    }
    if (event->type() != QEvent::Show) return false;
    MakeFingerSized(dialog);
    ui::NameControls(dialog);  // message boxes and file choices have no names of their own
    // The window's own show handling (a message box fixes its size there), then the screen's.
    static_cast<QObject*>(dialog)->event(event);
    FitToScreen(*dialog);
    return true;
}

}  // namespace pelmora::handheld
