#pragma once
#include "context/Layout.h"
#include <memory>
#include <optional>
#include <vector>

#include <QDialog>
#include <QPointer>

#include "context/JobRunner.h"
#include "ui/UiThreadQueue.h"
#include "ui/WorkerThread.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace pelmora::ui {

class PhaseTimer;

/// The modal window that drives any context::JobRunner: each phase runs on a
/// worker thread, the runner's progress reaches the widgets on the UI thread,
/// and the next phase is armed with a one-shot timer on the UI thread after
/// the runner's delay. Esc, the close box and the optional "Cancel" button
/// cancel between phases: from the request until the running phase returns,
/// the text line says "Cancelling..." and the button is greyed. Enter does
/// nothing.
///
/// Ownership while a job runs: the phase on the worker thread is the only
/// user of the runner, its engine, the printer context and the link. Nothing
/// else touches them until Run() returns, and the window keeps it so: it is
/// modal over every window under it, holds the timers registered with
/// PauseDuringJobs, refuses a second Run, and hands the runner Open, Cancel,
/// End and Message only between phases.
class JobProgressDialog final : public QDialog {
    Q_OBJECT
public:
    /// `timer`: the phase timer (null: real time); it must outlive the window.
    explicit JobProgressDialog(context::Layout layout, QWidget* parent = nullptr, PhaseTimer* timer = nullptr);
    ~JobProgressDialog() override;

    /// The view to build runners with: thread-safe, it shows on this window.
    context::ProgressView& view();

    /// Runs the job modally to its end; OK, or Cancel with the runner's Message().
    /// Never returns Running: when the window is ended by anything else than
    /// the job, the running phase is waited for and the job cancelled. A Run
    /// while a job runs is refused with Cancel and leaves `runner` untouched.
    context::JobEnd Run(context::JobRunner& runner);

    /// A timer of the window that starts jobs here: stopped (and its ticks
    /// held) while a job runs, started again after if it was running.
    void PauseDuringJobs(QTimer& timer);

    /// Shows the "Cancel" button under the bar (memory-switch jobs have one).
    void SetCancelButton(bool shown);

    /// Whether a phase is running on the worker thread now.
    bool PhaseRunning() const { return phaseRunning_; }

signals:
    /// A phase was handed to the worker thread.
    void phaseStarted(int phase);

protected:
    void keyPressEvent(QKeyEvent* event) override;

public slots:
    /// Esc and the close box: the cancel waits for a running phase to end.
    void reject() override;

private:
    class QueuedView;
    void Show(const std::string& text, bool title);
    void SetPosition(int position);
    void Arm(const std::optional<context::NextPhase>& next);
    void StartPhase(int phase);
    void PhaseDone(const std::optional<context::NextPhase>& next);
    void CancelAndFinish();
    void Finish();
    void ShowCancelling();
    void SetLine(const QString& text);
    QString Fitted(const QString& text) const;
    context::JobEnd RunOpened(context::JobRunner& runner);

    context::Layout layout_;
    QGroupBox* frame_ = nullptr;
    QLabel* line_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::unique_ptr<PhaseTimer> ownTimer_;
    PhaseTimer* timer_ = nullptr;
    context::JobRunner* runner_ = nullptr;
    bool phaseRunning_ = false;
    bool jobRunning_ = false;
    std::vector<QPointer<QTimer>> paused_;
    bool cancelRequested_ = false;
    // Declared so that the worker is joined before the queue it posts to goes.
    UiThreadQueue queue_;
    std::unique_ptr<QueuedView> view_;
    WorkerThread worker_;
};

}  // namespace pelmora::ui
