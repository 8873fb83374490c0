#include "ui/JobProgressDialog.h"

#include <utility>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/AccessKeys.h"
#include "ui/Accessibility.h"
#include "ui/CoreTexts.h"
#include "ui/PhaseTimer.h"
#include "ui/QuietButton.h"

namespace pelmora::ui {

/// Runs on whichever thread the runner reports from; everything it shows is
/// queued to the UI thread.
class JobProgressDialog::QueuedView final : public context::ProgressView {
public:
    explicit QueuedView(JobProgressDialog& dialog) : dialog_(dialog) {}
    void SetTitle(const std::string& title) override {
        dialog_.queue_.Post([d = &dialog_, title] { d->Show(title, true); });
    }
    void SetLabel(const std::string& label) override {
        dialog_.queue_.Post([d = &dialog_, label] { d->Show(label, false); });
    }
    void SetPosition(int position) override {
        dialog_.queue_.Post([d = &dialog_, position] { d->SetPosition(position); });
    }

private:
    JobProgressDialog& dialog_;
};

JobProgressDialog::JobProgressDialog(context::Layout layout, QWidget* parent, PhaseTimer* timer)
    : QDialog(parent), layout_(layout), view_(std::make_unique<QueuedView>(*this)) {
    if (!timer) ownTimer_ = std::make_unique<QtPhaseTimer>();
    timer_ = timer ? timer : ownTimer_.get();
    setModal(true);
    setObjectName("jobProgress");

    bar_ = new QProgressBar;
    bar_->setObjectName("bar");
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);  // the text line already gives the percentage
    // The caption changes with every step; the name stays, the description follows it.
    bar_->setAccessibleName(QCoreApplication::translate("Accessibility", "Progress"));
    cancel_ = QuietButton(tr("Cancel"), "cancelButton", this);
    cancel_->hide();
    connect(cancel_, &QPushButton::clicked, this, &JobProgressDialog::reject);
    auto* layoutBox = new QVBoxLayout(this);
    if (layout_ == context::Layout::Desktop) {
        frame_ = new QGroupBox(tr("Progressing..."));
        frame_->setObjectName("frame");
        auto* inner = new QVBoxLayout(frame_);
        inner->addWidget(bar_);
        layoutBox->addWidget(frame_);
        layoutBox->addWidget(cancel_, 0, Qt::AlignRight);
        setMinimumWidth(320);
    } else {
        line_ = new QLabel(tr("Processing..."));
        line_->setObjectName("line");
        line_->setWordWrap(true);
        layoutBox->addWidget(line_);
        layoutBox->addWidget(bar_);
        layoutBox->addWidget(cancel_);
        setMinimumWidth(220);
    }
    NameControls(this);
    if (layout_ == context::Layout::Desktop) AssignAccessKeys(this);
}

JobProgressDialog::~JobProgressDialog() = default;

context::ProgressView& JobProgressDialog::view() { return *view_; }

void JobProgressDialog::SetCancelButton(bool shown) { cancel_->setVisible(shown); }

void JobProgressDialog::Show(const std::string& text, bool title) {
    if (title) return setWindowTitle(CoreText(text));
    if (cancelRequested_) return;  // "Cancelling..." stays until the window ends
    SetLine(CoreText(text));
}

void JobProgressDialog::SetLine(const QString& text) {
    if (frame_) frame_->setTitle(Fitted(text));
    else line_->setText(Fitted(text));
    bar_->setAccessibleDescription(text);  // a screen reader reads it whole
}

QString JobProgressDialog::Fitted(const QString& text) const {
    // A word wider than the window (a long image file name) is cut in its
    // middle, so that its start and its extension still show; the window
    // neither grows to it nor clips it.
    const QWidget* shownIn = frame_ ? static_cast<QWidget*>(frame_) : line_;
    const QFontMetrics metrics(shownIn->font());
    const QMargins margins = layout()->contentsMargins();
    const int room = std::max(minimumWidth(), isVisible() ? width() : 0) - margins.left() - margins.right() -
                     2 * style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    QStringList words = text.split(QLatin1Char(' '));
    for (QString& word : words)
        if (metrics.horizontalAdvance(word) > room) word = metrics.elidedText(word, Qt::ElideMiddle, room);
    return words.join(QLatin1Char(' '));
}

void JobProgressDialog::ShowCancelling() {
    SetLine(tr("Cancelling..."));
    cancel_->setEnabled(false);
}

void JobProgressDialog::SetPosition(int position) { bar_->setValue(std::clamp(position, 0, 100)); }

void JobProgressDialog::PauseDuringJobs(QTimer& timer) {
    std::erase_if(paused_, [](const QPointer<QTimer>& gone) { return gone.isNull(); });
    paused_.emplace_back(&timer);
}

context::JobEnd JobProgressDialog::Run(context::JobRunner& runner) {
    if (jobRunning_) return context::JobEnd::Cancel;
    jobRunning_ = true;
    // The window's own ticks would reach the engine the phases use on the worker.
    std::vector<std::pair<QPointer<QTimer>, bool>> held;
    for (const QPointer<QTimer>& timer : paused_) {
        if (!timer) continue;
        held.emplace_back(timer, timer->isActive());
        timer->stop();
        timer->blockSignals(true);
    }
    const context::JobEnd end = RunOpened(runner);
    for (const auto& [timer, wasActive] : held) {
        if (!timer) continue;
        timer->blockSignals(false);
        if (wasActive) timer->start();
    }
    jobRunning_ = false;
    return end;
}

context::JobEnd JobProgressDialog::RunOpened(context::JobRunner& runner) {
    runner_ = &runner;
    cancelRequested_ = false;
    // A request left from an earlier window must not stop this job.
    if (link::StopRequest* stop = runner.stopRequest()) stop->Clear();
    phaseRunning_ = false;
    setWindowTitle(QString());  // a reused window must not show the last job's title
    SetLine(frame_ ? tr("Progressing...") : tr("Processing..."));
    cancel_->setEnabled(true);
    bar_->setValue(0);

    const std::optional<context::NextPhase> first = runner.Open();
    if (first) {
        Arm(first);
        exec();
    }
    timer_->Stop();
    // The window may have been ended by something else than the job (hidden,
    // accepted): the running phase ends first, then the job is cancelled, and
    // what that phase reported is dropped so it cannot reach a later job.
    worker_.Join();
    queue_.Discard();
    phaseRunning_ = false;
    runner_ = nullptr;
    if (runner.End() == context::JobEnd::Running) runner.Cancel();
    if (link::StopRequest* stop = runner.stopRequest()) stop->Clear();
    return runner.End();
}

void JobProgressDialog::Arm(const std::optional<context::NextPhase>& next) {
    if (!next) return Finish();
    timer_->Arm(next->delayMs, [this, phase = next->phase] { StartPhase(phase); });
}

void JobProgressDialog::StartPhase(int phase) {
    if (!runner_) return;
    if (cancelRequested_) {
        return CancelAndFinish();
    }
    phaseRunning_ = true;
    emit phaseStarted(phase);
    worker_.Run([this, runner = runner_, phase] {
        const std::optional<context::NextPhase> next = runner->RunPhase(phase);
        queue_.Post([this, next] { PhaseDone(next); });
    });
}

void JobProgressDialog::PhaseDone(const std::optional<context::NextPhase>& next) {
    phaseRunning_ = false;
    if (!runner_) return;
    if (next && cancelRequested_) {
        return CancelAndFinish();
    }
    Arm(next);
}

// A cancelled job may still send the printer one command (the end of setting
// mode): that goes out on the worker, never on the UI thread; RunOpened joins it.
void JobProgressDialog::CancelAndFinish() {
    worker_.Run([runner = runner_] { runner->Cancel(); });
    timer_->Stop();
    done(QDialog::Rejected);
}

void JobProgressDialog::Finish() {
    timer_->Stop();
    done(runner_ && runner_->End() == context::JobEnd::Ok ? QDialog::Accepted : QDialog::Rejected);
}

void JobProgressDialog::reject() {
    if (!runner_) return QDialog::reject();
    if (cancelRequested_) return;
    cancelRequested_ = true;
    if (phaseRunning_) {
        // The phase's waits end on this; the rest is handed over when it returns.
        if (link::StopRequest* stop = runner_->stopRequest()) stop->Request();
        return ShowCancelling();
    }
    CancelAndFinish();
}

void JobProgressDialog::keyPressEvent(QKeyEvent* event) {
    // Only Esc may end a job early.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return event->accept();
    QDialog::keyPressEvent(event);
}

}  // namespace pelmora::ui
