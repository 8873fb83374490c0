// The NV image manager's two layouts: which controls each shows and where.
#include <initializer_list>

#include <QCheckBox>
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

#include "ui/Accessibility.h"
#include "ui/QuietButton.h"
#include "windows/nv_images/NvImageManager.h"
#include "windows/nv_images/NvPreview.h"

namespace pelmora::ui {

namespace {

// Tab goes through the controls as the eye reads them, not as they were made.
void ChainTabs(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace

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

QLayout* NvImageManager::BuildPreviewColumn() {
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
    return left;
}

void NvImageManager::BuildImageTable() {
    table_ = new QTableWidget(0, 3);
    table_->setObjectName("imageList");
    table_->setHorizontalHeaderLabels({tr("No."), tr("Name"), tr("Size")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list as it leaves any control; the arrows move between rows.
    table_->setTabKeyNavigation(false);
    table_->setShowGrid(true);
    table_->verticalHeader()->hide();
    table_->setColumnWidth(ColumnNumber, 42);
    // The name takes what the number and the size leave: long names, short sizes.
    table_->horizontalHeader()->setSectionResizeMode(ColumnName, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(ColumnSize, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    images_ = table_;
    connect(table_, &QTableWidget::itemSelectionChanged, this, &NvImageManager::FollowSelection);
}

void NvImageManager::BuildDesktop() {
    QLayout* left = BuildPreviewColumn();
    status_ = new QLabel;
    status_->setObjectName("status");
    BuildImageTable();
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

}  // namespace pelmora::ui
