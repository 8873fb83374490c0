#pragma once
#include <QObject>

class QDialog;

namespace pelmora::desktop {

/// Closes `window` once it has been shown and painted, printing the resident
/// memory then; for the start-up benchmark.
class StartupProbe final : public QObject {
    Q_OBJECT
public:
    explicit StartupProbe(QDialog& window);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDialog& window_;
    bool fired_ = false;
};

/// Resident set size of this process in KiB, 0 when unknown.
long ResidentKiB();

}  // namespace pelmora::desktop
