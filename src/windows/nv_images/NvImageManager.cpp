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
#include "nv/CCommonNv.h"
#include "nv/ImageLoader.h"
#include "nv/NvCatalogue.h"
#include "nv/NvPreviewRules.h"
#include "ui/AccessKeys.h"
#include "ui/Accessibility.h"
#include "windows/nv_images/NvAddressWindow.h"
#include "ui/CoreTexts.h"
#include "windows/nv_images/NvPreview.h"
#include "ui/Prompts.h"
#include "ui/QuietButton.h"

namespace pelmora::ui {

namespace {

enum Column { ColumnNumber, ColumnName, ColumnSize };

// The folder of the last chosen bitmap, for the rest of the program's run.
QString& LastFolder() {
    static QString folder;
    return folder;
}

QString Shown(const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); }

// Tab goes through the controls as the eye reads them, not as they were made.
void ChainTabs(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace

/// Holds the slider timer while a job runs: the job's phases use the engine
/// on a worker thread, and the tick must not touch the engine meanwhile.
class NvImageManager::JobPause {
public:
    explicit JobPause(QTimer& timer) : timer_(timer), wasActive_(timer.isActive()) { timer_.stop(); }
    ~JobPause() {
        if (wasActive_) timer_.start();
    }
    JobPause(const JobPause&) = delete;
    JobPause& operator=(const JobPause&) = delete;

private:
    QTimer& timer_;
    bool wasActive_;
};

const nv::NvJobVariant& NvImageManager::JobVariant(context::Layout layout) {
    return layout == context::Layout::Desktop ? nv::DesktopNvJob() : nv::HandheldNvJob();
}

NvImageManager::NvImageManager(context::Layout layout, nv::CCommonNv& nv, nv::NvManager& manager, Prompts& prompts, QWidget* parent)
    : QDialog(parent), layout_(layout), nv_(nv), manager_(manager), prompts_(prompts), timer_(this) {
    setObjectName("nvManager");
    setWindowTitle(tr("NV Image Manager"));
    if (layout_ == context::Layout::Desktop) {
        BuildDesktop();
        timer_.setInterval(kSliderPollMs);
        connect(&timer_, &QTimer::timeout, this, &NvImageManager::Tick);
        timer_.start();
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

QPushButton* NvImageManager::Button(const QString& text, const char* name) { return QuietButton(text, name); }

NvImageManager::Buttons NvImageManager::MakeButtons(const QString& autoAddressingText) {
    Buttons b{Button(tr("Add Image"), "addImage"), Button(tr("Remove"), "removeImage"), Button(tr("Reset"), "reset"),
              Button(tr("Download"), "download"),  Button(tr("Print All"), "printAll"), Button(tr("Print"), "print"),
              Button(tr("Remove All"), "removeAll"), Button(tr("Exit"), "exit")};
    b.remove->setAccessibleDescription(tr("Takes the selected bitmaps off the list"));
    autoAddressing_ = new QCheckBox(autoAddressingText);
    autoAddressing_->setObjectName("autoAddressing");
    refresh_ = Button(tr("Refresh"), "refresh");
    removeStored_ = Button(tr("Remove"), "removeStored");
    removeStored_->setAccessibleDescription(tr("Deletes the selected image from the printer"));

    connect(b.add, &QPushButton::clicked, this, &NvImageManager::AddImage);
    connect(b.remove, &QPushButton::clicked, this, &NvImageManager::RemoveImages);
    connect(b.reset, &QPushButton::clicked, this, &NvImageManager::Reset);
    connect(b.download, &QPushButton::clicked, this, &NvImageManager::Download);
    connect(refresh_, &QPushButton::clicked, this, &NvImageManager::Refresh);
    connect(b.printAll, &QPushButton::clicked, this, &NvImageManager::PrintAll);
    connect(b.print, &QPushButton::clicked, this, &NvImageManager::Print);
    connect(removeStored_, &QPushButton::clicked, this, &NvImageManager::RemoveStored);
    connect(b.removeAll, &QPushButton::clicked, this, &NvImageManager::RemoveAll);
    connect(b.exit, &QPushButton::clicked, this, &QDialog::accept);
    return b;
}

void NvImageManager::NameRemoveButtons(const Buttons& b, const QString& files, const QString& stored) {
    // Two buttons read "Remove": each is named with the list it works on.
    b.remove->setAccessibleName(ChoiceName(files, b.remove->text()));
    removeStored_->setAccessibleName(ChoiceName(stored, removeStored_->text()));
}

void NvImageManager::BuildDesktop() {
    preview_ = new NvPreview;
    preview_->setAccessibleName(tr("Preview"));
    auto* frame = new QFrame;
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* frameBox = new QVBoxLayout(frame);
    frameBox->setContentsMargins(1, 1, 1, 1);
    frameBox->addWidget(preview_);

    slider_ = new QSlider(Qt::Horizontal);
    slider_->setObjectName("brightness");
    slider_->setRange(0, 100);
    slider_->setValue(0);
    auto* brightnessLabel = new QLabel(tr("Brightness "));
    brightnessLabel->setBuddy(slider_);
    asPrinted_ = new QCheckBox(tr("As printed"));
    asPrinted_->setObjectName("asPrinted");
    asPrinted_->setToolTip(tr("Shows the dots the printer will store for this image"));
    auto* range = new QGroupBox(tr("Change Color Range"));
    auto* rangeBox = new QGridLayout(range);
    rangeBox->addWidget(brightnessLabel, 0, 0);
    rangeBox->addWidget(new QLabel(QStringLiteral("0")), 0, 1);
    rangeBox->addWidget(slider_, 0, 2);
    rangeBox->addWidget(new QLabel(QStringLiteral("100")), 0, 3);
    rangeBox->addWidget(asPrinted_, 1, 0, 1, 4);
    connect(slider_, &QSlider::valueChanged, preview_, &NvPreview::SetBrightness);
    connect(asPrinted_, &QCheckBox::toggled, preview_, &NvPreview::SetAsPrinted);

    auto* left = new QVBoxLayout;
    left->addWidget(frame, 1);
    left->addWidget(range);

    status_ = new QLabel;
    status_->setObjectName("status");
    table_ = new QTableWidget(0, 3);
    table_->setObjectName("imageList");
    table_->setHorizontalHeaderLabels({tr("No."), tr("Name"), tr("Size")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setShowGrid(true);
    table_->verticalHeader()->hide();
    table_->setColumnWidth(ColumnNumber, 42);
    // The name takes what the number and the size leave: long names, short sizes.
    table_->horizontalHeader()->setSectionResizeMode(ColumnName, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(ColumnSize, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    images_ = table_;
    auto* listLabel = new QLabel(tr("Image List"));
    listLabel->setBuddy(table_);

    const Buttons b = MakeButtons(tr("Auto Addressing"));
    auto* function = new QGroupBox(tr("Function"));
    auto* functionBox = new QHBoxLayout(function);
    for (QWidget* w : {static_cast<QWidget*>(b.add), static_cast<QWidget*>(b.remove), static_cast<QWidget*>(b.reset),
                       static_cast<QWidget*>(autoAddressing_), static_cast<QWidget*>(b.download)})
        functionBox->addWidget(w);

    addresses_ = new QListWidget;
    addresses_->setObjectName("addressList");
    addresses_->setAccessibleName(tr("NV Image List"));
    auto* stored = new QGroupBox(tr("NV Image List"));
    NameRemoveButtons(b, listLabel->text(), stored->title());
    auto* storedBox = new QHBoxLayout(stored);
    auto* storedButtons = new QVBoxLayout;
    for (QPushButton* button : {refresh_, b.printAll, b.print, removeStored_, b.removeAll}) storedButtons->addWidget(button);
    storedButtons->addStretch();
    storedBox->addWidget(addresses_, 1);
    storedBox->addLayout(storedButtons);

    auto* exitRow = new QHBoxLayout;
    exitRow->addStretch();
    exitRow->addWidget(b.exit);

    auto* right = new QVBoxLayout;
    right->addWidget(status_);
    right->addWidget(listLabel);
    right->addWidget(table_, 1);
    right->addWidget(function);
    right->addWidget(stored);
    right->addLayout(exitRow);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    ChainTabs({slider_, asPrinted_, table_, b.add, b.remove, b.reset, autoAddressing_, b.download, addresses_, refresh_,
               b.printAll, b.print, removeStored_, b.removeAll, b.exit});
    connect(table_, &QTableWidget::itemSelectionChanged, this, &NvImageManager::FollowSelection);
}

void NvImageManager::BuildHandheld() {
    fileList_ = new QListWidget;
    fileList_->setObjectName("imageList");
    images_ = fileList_;
    auto* filesLabel = new QLabel(tr("Image File List"));
    filesLabel->setBuddy(fileList_);
    addresses_ = new QListWidget;
    addresses_->setObjectName("addressList");
    auto* addressLabel = new QLabel(tr("Address"));
    addressLabel->setBuddy(addresses_);

    const Buttons b = MakeButtons(tr("Auto addressing"));
    NameRemoveButtons(b, filesLabel->text(), addressLabel->text());

    auto* fileButtons = new QGridLayout;
    fileButtons->addWidget(b.add, 0, 0);
    fileButtons->addWidget(b.remove, 0, 1);
    fileButtons->addWidget(b.reset, 0, 2);
    fileButtons->addWidget(autoAddressing_, 1, 0, 1, 2);
    fileButtons->addWidget(b.download, 1, 2);
    auto* storedButtons = new QGridLayout;
    storedButtons->addWidget(refresh_, 0, 0);
    storedButtons->addWidget(b.printAll, 0, 1);
    storedButtons->addWidget(b.print, 0, 2);
    storedButtons->addWidget(removeStored_, 1, 0);
    storedButtons->addWidget(b.removeAll, 1, 1);
    storedButtons->addWidget(b.exit, 1, 2);

    auto* column = new QVBoxLayout(this);
    column->addWidget(filesLabel);
    column->addWidget(fileList_, 1);
    column->addLayout(fileButtons);
    column->addWidget(addressLabel);
    column->addWidget(addresses_, 1);
    column->addLayout(storedButtons);

    ChainTabs({fileList_, b.add, b.remove, b.reset, autoAddressing_, b.download, addresses_, refresh_, b.printAll, b.print,
               removeStored_, b.removeAll, b.exit});
    connect(fileList_, &QListWidget::itemSelectionChanged, this, &NvImageManager::FollowSelection);
}

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
        if (nv::NvImageItem* item = nv_.ImageList.Find(static_cast<std::uint8_t>(currentNumber_))) item->brightness = position;
    preview_->SetBrightness(position);
}

void NvImageManager::SetPreviewPath(const QString& path) {
    if (preview_) preview_->SetPath(path);
}

void NvImageManager::SelectRow(int row) {
    // A slider move not yet taken belongs to the image that was current.
    Tick();
    const int number = table_ ? table_->item(row, ColumnNumber)->text().toInt() : row + 1;
    nv::NvImageItem* item = number > 0 ? nv_.ImageList.Find(static_cast<std::uint8_t>(number)) : nullptr;
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
        for (const nv::NvImageItem& item : nv_.ImageList.items()) {
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
        for (const nv::NvImageItem& item : nv_.ImageList.items()) fileList_->addItem(Shown(item.name));
    }
}

void NvImageManager::FillAddresses() {
    shownCodes_ = nv_.AddressList;
    addresses_->clear();
    // Key codes are bytes; Latin-1 shows each as one character.
    for (const std::string& code : shownCodes_) addresses_->addItem(QString::fromLatin1(code.data(), static_cast<int>(code.size())));
}

void NvImageManager::UpdateStatus() {
    if (!status_) return;
    status_->setText(tr("<Images: %1/%2 - Memory: %3/%4 (Byte)>")
                         .arg(nv_.ImageList.size())
                         .arg(nv_.AddressList.size())
                         .arg(nv_.ImageList.TotalImageSize())
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
        const auto item = nv_.LoadImageItem(nv_.ImageList.NextNumber(), QFile::encodeName(file).toStdString(), brightness);
        if (!item) {
            Say(desktop ? BoxTitle() : DefaultTitle(), CoreText("Failed to load image file!"));
            continue;
        }
        if (nv_.ImageList.AddImageItem(*item) == rc::OverLimit) Say(BoxTitle(), CoreText(JobVariant(layout_).areaTooSmall));
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
        nv_.ImageList.RemoveImageItem(static_cast<std::uint8_t>(*row + 1));
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
    nv_.ImageList.ClearImageList();
    UpdateStatus();
}

std::optional<std::string> NvImageManager::AskCode(const std::vector<std::string>& stored) {
    NvAddressWindow address(layout_, stored, prompts_, this);
    if (address.exec() != QDialog::Accepted) return std::nullopt;
    return address.Code();
}

void NvImageManager::Download() {
    Tick();
    const JobPause pause(timer_);
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
    const JobPause pause(timer_);
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
    const JobPause pause(timer_);
    ShowFailure(manager_.Print(index, code));
}

void NvImageManager::RemoveStored() {
    int index = 0;
    std::string code;
    if (!SelectedCode(index, code)) return;
    const JobPause pause(timer_);
    const nv::NvOutcome outcome = manager_.Delete(index, code);
    if (outcome.ok) FillAddresses();
    ShowFailure(outcome);
}

void NvImageManager::RemoveAll() {
    const JobPause pause(timer_);
    const nv::NvOutcome outcome = manager_.DeleteAll();
    if (outcome.ok) FillAddresses();
    ShowFailure(outcome);
}

void NvImageManager::PrintAll() {
    const JobPause pause(timer_);
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
