#include "windows/nv_images/NvImageManager.h"

#include <algorithm>
#include <initializer_list>

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QVBoxLayout>

#include "context/ResultCode.h"
#include "nv/NvEngine.h"
#include "nv/ImageLoader.h"
#include "nv/NvCatalogue.h"
#include "nv/NvPreviewRules.h"
#include "ui/AccessKeys.h"
#include "ui/Accessibility.h"
#include "windows/nv_images/NvAddressWindow.h"
#include "ui/CoreTexts.h"
#include "ui/JobWindowHost.h"
#include "windows/nv_images/NvPreview.h"
#include "ui/Prompts.h"
#include "ui/QuietButton.h"

namespace pelmora::ui {

namespace {

// The folder of the last chosen bitmap, for the rest of the program's run.
QString& LastFolder() {
    static QString folder;
    return folder;
}

QString Shown(const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); }

}  // namespace

const nv::NvJobVariant& NvImageManager::JobVariant(context::Layout layout) {
    return layout == context::Layout::Desktop ? nv::DesktopNvJob() : nv::HandheldNvJob();
}

NvImageManager::NvImageManager(context::Layout layout, nv::NvEngine& nv, nv::NvManager& manager, JobWindowHost& host,
                               Prompts& prompts, QWidget* parent)
    : QDialog(parent), layout_(layout), nv_(nv), manager_(manager), prompts_(prompts), timer_(this) {
    setObjectName("nvManager");
    setWindowTitle(tr("NV Image Manager"));
    if (layout_ == context::Layout::Desktop) {
        BuildDesktop();
        timer_.setObjectName("brightnessTick");
        timer_.setInterval(kSliderPollMs);
        connect(&timer_, &QTimer::timeout, this, &NvImageManager::Tick);
        timer_.start();
        // The tick edits the image list, which a download's phases read on the worker.
        host.dialog().PauseDuringJobs(timer_);
    } else {
        BuildHandheld();
    }
    ApplyDialect();
    NameControls(this);
    if (layout_ == context::Layout::Desktop) AssignAccessKeys(this);
    LoadCatalogue();
    FillAddresses();
    FillImages();
    UpdateStatus();
}

NvImageManager::~NvImageManager() { SaveOnce(); }

void NvImageManager::FollowSelection() {
    // The current row when it is selected, else the first selected one (a screen reader's choice).
    const QModelIndex current = images_->currentIndex();
    const QModelIndexList rows = images_->selectionModel()->selectedRows();
    if (current.isValid() && images_->selectionModel()->isRowSelected(current.row())) return SelectRow(current.row());
    if (!rows.isEmpty()) SelectRow(rows.front().row());
}

void NvImageManager::ApplyDialect() {
    // Numbered images cannot be listed by code or deleted one by one.
    const bool legacy = nv_.UsesLegacyDialect();
    autoAddressing_->setEnabled(!legacy);
    refresh_->setEnabled(!legacy);
    removeStored_->setEnabled(!legacy);
}

void NvImageManager::LoadCatalogue() {
    const std::size_t dropped = nv::LoadCatalogue(nv_).size();
    for (std::size_t i = 0; i < dropped; ++i) Say(BoxTitle(), CoreText(JobVariant(layout_).areaTooSmall));
}

QString NvImageManager::BoxTitle() const {
    return layout_ == context::Layout::Desktop ? tr("NV Image Manager") : tr("NV Manager Utility");
}

QString NvImageManager::DefaultTitle() const { return tr("Pelmora"); }

void NvImageManager::Say(const QString& title, const QString& text, bool exclamation) {
    prompts_.Message(this, title, text, exclamation ? PromptIcon::Warning : PromptIcon::None);
}

void NvImageManager::ShowFailure(const nv::NvOutcome& outcome) {
    if (!outcome.ok) Say(BoxTitle(), CoreText(outcome.message));
}

void NvImageManager::Tick() {
    if (!slider_) return;
    const int position = slider_->value();
    if (position == lastSliderPosition_) return;
    lastSliderPosition_ = position;
    if (currentNumber_ > 0)
        if (nv::NvImageItem* item = nv_.editImageList().Find(static_cast<std::uint8_t>(currentNumber_))) item->brightness = position;
    preview_->SetBrightness(position);
}

void NvImageManager::SetPreviewPath(const QString& path) {
    if (preview_) preview_->SetPath(path);
}

void NvImageManager::SelectRow(int row) {
    // A slider move not yet taken belongs to the image that was current.
    Tick();
    const int number = table_ ? table_->item(row, ColumnNumber)->text().toInt() : row + 1;
    nv::NvImageItem* item = number > 0 ? nv_.editImageList().Find(static_cast<std::uint8_t>(number)) : nullptr;
    if (!item || number == currentNumber_) return;
    currentNumber_ = number;
    SetPreviewPath(Shown(item->path));
    if (slider_) slider_->setValue(item->brightness);
}

QList<int> NvImageManager::SelectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : images_->selectionModel()->selectedRows()) rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void NvImageManager::FillImages() {
    const QSignalBlocker quiet(images_);
    if (table_) {
        table_->setRowCount(0);
        for (const nv::NvImageItem& item : nv_.imageList().items()) {
            const int row = table_->rowCount();
            table_->insertRow(row);
            const QString cells[] = {QString::number(item.number), Shown(item.name), tr("%1 Bytes").arg(item.size)};
            for (int column = 0; column < 3; ++column) {
                auto* cell = new QTableWidgetItem(cells[column]);
                cell->setTextAlignment(Qt::AlignCenter);
                table_->setItem(row, column, cell);
            }
        }
    } else {
        fileList_->clear();
        for (const nv::NvImageItem& item : nv_.imageList().items()) fileList_->addItem(Shown(item.name));
    }
}

void NvImageManager::FillAddresses() {
    shownCodes_ = nv_.addressList();
    addresses_->clear();
    // Key codes are bytes; Latin-1 shows each as one character.
    for (const std::string& code : shownCodes_) addresses_->addItem(QString::fromLatin1(code.data(), static_cast<int>(code.size())));
}

void NvImageManager::UpdateStatus() {
    if (!status_) return;
    status_->setText(tr("<Images: %1/%2 - Memory: %3/%4 (Byte)>")
                         .arg(nv_.imageList().size())
                         .arg(nv_.addressList().size())
                         .arg(nv_.imageList().TotalImageSize())
                         .arg(nv::NvMemoryLimit));
}

void NvImageManager::AddImage() {
    Tick();
    const bool desktop = layout_ == context::Layout::Desktop;
    QStringList patterns;
    for (const std::string& pattern : nv::ImageFilePatterns()) patterns << QString::fromStdString(pattern);
    const QString filter = tr("Image Files(*.bmp)") + QStringLiteral(";;") +
                           tr("All Image Files(%1)").arg(patterns.join(QLatin1Char(' ')));
    const QStringList files = prompts_.ChooseFiles(this, {tr("Open"), filter, LastFolder(), desktop});
    for (const QString& file : files) {
        LastFolder() = QFileInfo(file).absolutePath();
        const std::int32_t brightness = desktop ? lastSliderPosition_ : 0;
        const auto item = nv_.LoadImageItem(nv_.imageList().NextNumber(), QFile::encodeName(file).toStdString(), brightness);
        if (!item) {
            Say(desktop ? BoxTitle() : DefaultTitle(), CoreText(nv::kImageLoadFailed));
            continue;
        }
        if (nv_.editImageList().AddImageItem(*item) == rc::OverLimit) Say(BoxTitle(), CoreText(JobVariant(layout_).areaTooSmall));
    }
    FillImages();
    UpdateStatus();
}

void NvImageManager::RemoveImages() {
    const bool desktop = layout_ == context::Layout::Desktop;
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty()) {
        Say(desktop ? BoxTitle() : DefaultTitle(),
            desktop ? CoreText(JobVariant(layout_).noImagesSelected) : tr("Without a bmpfile being selected."), true);
        return;
    }
    const QString question = tr("Do you want to remove all of selection?");
    const bool yes = desktop ? prompts_.Ask(nullptr, BoxTitle(), question) : prompts_.Ask(this, DefaultTitle(), question);
    if (!yes) return;
    Tick();
    std::vector<std::int32_t> removed;
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        nv_.editImageList().RemoveImageItem(static_cast<std::uint8_t>(*row + 1));
        removed.push_back(*row + 1);
    }
    // The current image keeps the slider only while it is still on the list.
    currentNumber_ = nv::NumberAfterRemoval(currentNumber_, removed);
    if (currentNumber_ < 0) SetPreviewPath({});
    FillImages();
    UpdateStatus();
}

void NvImageManager::Reset() {
    const QSignalBlocker quiet(images_);
    if (table_) table_->setRowCount(0);
    if (fileList_) fileList_->clear();
    SetPreviewPath({});
    currentNumber_ = -1;
    nv_.editImageList().ClearImageList();
    UpdateStatus();
}

std::optional<std::string> NvImageManager::AskCode(const std::vector<std::string>& stored) {
    NvAddressWindow address(layout_, stored, prompts_, this);
    if (address.exec() != QDialog::Accepted) return std::nullopt;
    return address.Code();
}

void NvImageManager::Download() {
    Tick();
    using Stage = nv::NvDownloadOutcome::Stage;
    const nv::NvDownloadOutcome outcome =
        manager_.Download(autoAddressing_->isChecked(), [this](const std::vector<std::string>& stored) {
            return AskCode(stored);
        });
    switch (outcome.stage) {
    case Stage::NoImages:
        Say(layout_ == context::Layout::Desktop ? BoxTitle() : DefaultTitle(), CoreText(outcome.message), true);
        return;
    case Stage::Stopped: {
        QString text = CoreText(outcome.message);
        if (outcome.message != nv::kCodeQuestionCancelled && !outcome.path.empty())
            text += QLatin1Char('\n') + Shown(outcome.path);
        Say(BoxTitle(), text, true);
        return;
    }
    case Stage::JobFailed: Say(BoxTitle(), CoreText(outcome.message)); break;
    case Stage::Done: break;
    }
    if (outcome.refresh.ok) FillAddresses();
    ShowFailure(outcome.refresh);
    UpdateStatus();
}

void NvImageManager::Refresh() {
    const nv::NvOutcome outcome = manager_.Refresh();
    if (outcome.ok) FillAddresses();
    ShowFailure(outcome);
}

bool NvImageManager::SelectedCode(int& index, std::string& code) {
    // The selection, not the current row: a screen reader selects without moving the current row.
    const QModelIndexList selected = addresses_->selectionModel()->selectedRows();
    const int row = selected.isEmpty() ? -1 : selected.front().row();
    if (row < 0 || row >= static_cast<int>(shownCodes_.size())) {
        Say(BoxTitle(), tr("Please select address!"));
        return false;
    }
    index = row;
    code = shownCodes_[static_cast<std::size_t>(row)];
    return true;
}

void NvImageManager::Print() {
    int index = 0;
    std::string code;
    if (!SelectedCode(index, code)) return;
    ShowFailure(manager_.Print(index, code));
}

void NvImageManager::RemoveStored() {
    int index = 0;
    std::string code;
    if (!SelectedCode(index, code)) return;
    const nv::NvOutcome outcome = manager_.Delete(index, code);
    if (outcome.ok) FillAddresses();
    ShowFailure(outcome);
}

void NvImageManager::RemoveAll() {
    const nv::NvOutcome outcome = manager_.DeleteAll();
    if (outcome.ok) FillAddresses();
    ShowFailure(outcome);
}

void NvImageManager::PrintAll() {
    ShowFailure(manager_.PrintAll());
}

std::string NvImageManager::SaveOnce() {
    if (saved_) return {};
    saved_ = true;
    timer_.stop();
    Tick();
    return nv::SaveCatalogue(nv_);
}

void NvImageManager::done(int result) {
    // Said as the main window says its own: the list would be gone at the next opening.
    if (const std::string failure = SaveOnce(); !failure.empty())
        Say(BoxTitle(), tr("The image list could not be stored.\n%1").arg(QString::fromStdString(failure)), true);
    QDialog::done(result);
}

}  // namespace pelmora::ui
