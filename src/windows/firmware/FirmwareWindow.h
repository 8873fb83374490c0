#pragma once
#include <atomic>

#include <QDialog>
#include <QString>

#include "firmware/FirmwareDownload.h"
#include "link/PrinterLink.h"
#include "link/CommSettings.h"
#include "ui/UiThreadQueue.h"
#include "ui/WorkerThread.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace pelmora::ui {

class Prompts;

/// The firmware window: sends a chosen .fls file to the printer over a link
/// of its own, configured from the settings handed over. The send runs on a
/// worker thread; while it runs the worker alone uses the window's link, and
/// the window accepts no input but repaints and shows the bar. The operator
/// cannot close it then (a printer left half-written does not start); a
/// window destroyed anyway stops the send after the piece on the wire.
class FirmwareWindow final : public QDialog {
    Q_OBJECT
public:
    FirmwareWindow(link::Platform& platform, const link::CommSettings& settings, Prompts& prompts,
                   QWidget* parent = nullptr);
    ~FirmwareWindow() override;

    bool Sending() const { return sending_; }
    /// Whether the send was told to stop; any thread.
    bool Stopping() const { return stop_; }

signals:
    /// A download ended (after its box was answered).
    void downloadFinished(int result);

public slots:
    /// "Start Download": choose a file and send it.
    void StartDownload();
    /// Esc and the close box; refused while sending.
    void reject() override;

private:
    class QueuedProgress;
    void SetStatus(const std::string& status);
    void Finished(const firmware::FirmwareOutcome& outcome, const QString& path);
    QString RefusalText(firmware::FileProblem problem, const QString& path) const;

    link::PrinterLink link_;
    Prompts& prompts_;
    QString lastPath_;
    bool sending_ = false;
    std::atomic<bool> stop_ = false;
    QLabel* status_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* exit_ = nullptr;
    // Declared so that the worker is joined before the queue and the link go.
    UiThreadQueue queue_;
    WorkerThread worker_;
};

}  // namespace pelmora::ui
