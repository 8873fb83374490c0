#pragma once
#include <functional>

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace pelmora::ui::test {

/// Acts on a modal window from inside its own event loop: each time a widget
/// named `name` is shown, `act` is queued to it, so it runs once exec() waits.
class WhenShown final : public QObject {
public:
    WhenShown(const char* name, std::function<void(QWidget*)> act) : name_(QLatin1String(name)), act_(std::move(act)) {
        qApp->installEventFilter(this);
    }
    ~WhenShown() override { qApp->removeEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() && watched->objectName() == name_) {
            ++shown;
            auto* widget = static_cast<QWidget*>(watched);
            QMetaObject::invokeMethod(widget, [this, widget] { act_(widget); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QString name_;
    std::function<void(QWidget*)> act_;
};

}  // namespace pelmora::ui::test
