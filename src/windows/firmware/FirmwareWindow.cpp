#include "windows/firmware/FirmwareWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/AccessKeys.h"
#include "ui/Accessibility.h"
#include "ui/CoreTexts.h"
#include "ui/Prompts.h"

namespace pelmora::ui {

/// Reports from the worker thread, shown on the UI thread.
class FirmwareWindow::QueuedProgress final : public firmware::FirmwareProgress {
public:
    explicit QueuedProgress(FirmwareWindow& dialog) : dialog_(dialog) {}
    void SetStatus(const std::string& status) override {
        dialog_.queue_.Post([d = &dialog_, status] { d->SetStatus(status); });
    }
    void SetProgress(int percent) override {
        dialog_.queue_.Post([d = &dialog_, percent] { d->bar_->setValue(percent); });
    }
    bool Cancelled() const override { return dialog_.stop_; }

private:
    FirmwareWindow& dialog_;
};

FirmwareWindow::FirmwareWindow(link::Platform& platform, const link::CommSettings& settings, Prompts& prompts,
                               QWidget* parent)
    : QDialog(parent), link_(platform), prompts_(prompts) {
    link_.Configure(settings);
    setObjectName("firmwareDownload");
    setWindowTitle(tr("Firmware Download Manager"));

    auto* group = new QGroupBox(tr("Download progress"));
    group->setObjectName("progressGroup");
    auto* statusCaption = new QLabel(tr("Status : "));
    status_ = new QLabel(tr("Select Firmware File(*.fls). "));
    status_->setObjectName("status");
    // Long statuses (and their translations) wrap rather than being cut.
    status_->setWordWrap(true);
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(statusCaption);
    statusRow->addWidget(status_, 1);
    start_ = new QPushButton(tr("Start Download"));
    start_->setObjectName("startDownload");
    start_->setAutoDefault(false);
    bar_ = new QProgressBar;
    bar_->setObjectName("bar");
    bar_->setRange(0, 100);
    bar_->setValue(0);
    auto* inner = new QVBoxLayout(group);
    inner->addLayout(statusRow);
    inner->addWidget(start_, 0, Qt::AlignLeft);
    inner->addWidget(bar_);

    exit_ = new QPushButton(tr("Exit"));
    exit_->setObjectName("exit");
    exit_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(start_, &QPushButton::clicked, this, &FirmwareWindow::StartDownload);
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);
    NameControls(this);
    AssignAccessKeys(this);
}

FirmwareWindow::~FirmwareWindow() {
    stop_ = true;
    link_.stopRequest().Request();  // a piece on a held line ends within one write slice
    worker_.Join();
}

void FirmwareWindow::SetStatus(const std::string& status) { status_->setText(CoreText(status)); }

void FirmwareWindow::StartDownload() {
    if (sending_) return;
    const QStringList chosen =
        prompts_.ChooseFiles(this, {tr("Open"), tr("Firmware File(*.fls)"), lastPath_, false});
    if (chosen.isEmpty()) return;
    const QString path = chosen.front();
    lastPath_ = path;
    SetStatus(firmware::text::Ready);

    // The worker owns the link and the file until it reports back.
    sending_ = true;
    start_->setEnabled(false);
    exit_->setEnabled(false);
    worker_.Run([this, path] {
        QueuedProgress progress(*this);
        const firmware::FirmwareOutcome outcome =
            firmware::DownloadFirmware(std::filesystem::path(path.toStdString()), link_, progress);
        queue_.Post([this, outcome, path] { Finished(outcome, path); });
    });
}

QString FirmwareWindow::RefusalText(firmware::FileProblem problem, const QString& path) const {
    switch (problem) {
    case firmware::FileProblem::CannotOpen: return tr("%1 cannot be opened for reading and writing.").arg(path);
    case firmware::FileProblem::ReadOnly: return tr("%1 is read-only.").arg(path);
    case firmware::FileProblem::Directory: return tr("%1 is a folder.").arg(path);
    case firmware::FileProblem::TooLarge:
        return tr("%1 is larger than %2 MiB.").arg(path).arg(firmware::kMaxFirmwareBytes >> 20);
    case firmware::FileProblem::Unreadable: return tr("%1 could not be read.").arg(path);
    case firmware::FileProblem::None: break;
    }
    return {};
}

void FirmwareWindow::Finished(const firmware::FirmwareOutcome& outcome, const QString& path) {
    worker_.Join();
    if (!outcome.message.empty()) {
        QString text = CoreText(outcome.message);
        const QString why = RefusalText(outcome.problem, path);
        if (!why.isEmpty()) text += QLatin1Char('\n') + why;
        const bool ok = outcome.result == firmware::FirmwareResult::Success;
        prompts_.Message(this, CoreText(outcome.title), text, ok ? PromptIcon::Information : PromptIcon::Warning);
    }
    SetStatus(outcome.status);
    sending_ = false;
    start_->setEnabled(true);
    exit_->setEnabled(true);
    emit downloadFinished(static_cast<int>(outcome.result));
}

void FirmwareWindow::reject() {
    if (!sending_) QDialog::reject();
}

}  // namespace pelmora::ui
