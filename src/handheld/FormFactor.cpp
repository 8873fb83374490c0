#include "handheld/FormFactor.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

namespace pelmora::handheld {

void MakeFingerSized(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control) ||
            qobject_cast<QLineEdit*>(control))
            control->setMinimumHeight(kFingerHeight);
    }
}

bool IsHandheldScreen(QSize available) {
    // A tablet or phone held either way; 800 leaves room over 640 for bars.
    constexpr int kLongSide = 800;
    return std::max(available.width(), available.height()) <= kLongSide;
}

void PlaceOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen && IsHandheldScreen(screen->availableSize())) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
        return;
    }
    window.resize(kScreenSize);
}

}  // namespace pelmora::handheld
