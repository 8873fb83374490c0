#pragma once
// The operator's Cancel while a phase waits: a printer hook on the worker
// thread presses the progress window's button on the UI thread and goes on
// once the press has been handled, as a person's press lands mid-wait.
#include <QApplication>
#include <QMetaObject>

#include <future>
#include <memory>

#include "ui/JobProgressDialog.h"
#include "ui/support/Controls.h"

namespace pelmora::ui::test {

// The worker waits on a promise rather than Qt's blocking connection: the
// thread checker sees the hand-over then (Qt's own semaphore is hidden from it).
inline void PressCancelFromWorker() {
    auto pressed = std::make_shared<std::promise<void>>();
    std::future<void> handled = pressed->get_future();
    QMetaObject::invokeMethod(qApp, [pressed] {
        auto* dialog = qobject_cast<JobProgressDialog*>(QApplication::activeModalWidget());
        if (!dialog) qFatal("no progress window is up");
        Click(*dialog, "cancelButton");
        pressed->set_value();
    }, Qt::QueuedConnection);
    handled.wait();
}

}  // namespace pelmora::ui::test
