#include "desktop/StartupProbe.h"

#include <cstdio>
#include <fstream>

#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <unistd.h>

namespace pelmora::desktop {

StartupProbe::StartupProbe(QDialog& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event) {
    // Queued behind the first paint, so the figure covers a drawn window.
    if (watched == &window_ && event->type() == QEvent::Show && !fired_) {
        fired_ = true;
        QTimer::singleShot(0, &window_, [this] {
            std::printf("shown rss_kb=%ld\n", ResidentKiB());
            std::fflush(stdout);
            window_.reject();
        });
    }
    return false;
}

long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    if (!(statm >> size >> resident)) return 0;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace pelmora::desktop
