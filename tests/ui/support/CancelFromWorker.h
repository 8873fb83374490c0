#pragma once
// The operator's Cancel while a phase waits: a printer hook on the worker
// thread presses the progress window's button on the UI thread and goes on
// once the press has been handled, as a person's press lands mid-wait.
#include <QApplication>
#include <QMetaObject>

#include "ui/JobProgressDialog.h"
#include "ui/support/Controls.h"

namespace pelmora::ui::test {

inline void PressCancelFromWorker() {
    QMetaObject::invokeMethod(
        qApp,
        [] {
            auto* dialog = qobject_cast<JobProgressDialog*>(QApplication::activeModalWidget());
            if (!dialog) qFatal("no progress window is up");
            Click(*dialog, "cancelButton");
        },
        Qt::BlockingQueuedConnection);
}

}  // namespace pelmora::ui::test
