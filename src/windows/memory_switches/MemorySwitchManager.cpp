#include "windows/memory_switches/MemorySwitchManager.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/AccessKeys.h"
#include "ui/Accessibility.h"
#include "ui/ByteText.h"
#include "windows/memory_switches/PrinterSettingsPage.h"
#include "windows/memory_switches/MorePrinterSettingsPage.h"
#include "windows/memory_switches/InterfaceSettingsPage.h"
#include "ui/CoreTexts.h"

namespace pelmora::ui {

MemorySwitchManager::MemorySwitchManager(const vmsm::PrinterConfig& record, const vmsm::PrinterFacts& facts, Prompts& prompts,
                   QWidget* parent)
    : QDialog(parent), firmware_(facts.firmware), shown_(vmsm::ShowRecord(record, facts)) {
    setObjectName(QStringLiteral("memorySwitchManager"));
    setWindowTitle(CoreText("Virtual Memory Switch Manager") + QStringLiteral("  (fw:") +
                   FromBytes(facts.versionText) + QLatin1Char(')'));

    const vmsm::ManagerFields& fields = shown_;
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("tabs"));
    page1_ = new PrinterSettingsPage(fields.page1, facts);
    page2_ = new MorePrinterSettingsPage(fields.page2, facts, prompts);
    page3_ = new InterfaceSettingsPage(fields.page3);
    tabs_->addTab(page1_, tr("Printer Setting 1"));
    tabs_->addTab(page2_, tr("Printer Setting 2"));
    tabs_->addTab(page3_, tr("Printer interface"));
    tabs_->setAccessibleName(tr("Settings pages"));
    tabs_->tabBar()->setAccessibleName(tabs_->accessibleName());
    // The window widens to its tabs rather than hiding the last behind arrows
    // (the Italian names are the longest).
    tabs_->tabBar()->setUsesScrollButtons(false);
    tabs_->tabBar()->setElideMode(Qt::ElideNone);

    auto* byDefault = new QPushButton(tr("Default"));
    byDefault->setObjectName(QStringLiteral("default"));
    byDefault->setAutoDefault(false);
    auto* save = new QPushButton(tr("Save"));
    save->setObjectName(QStringLiteral("save"));
    save->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    // "Save" checks the boxes itself; "Default" and "Cancel" do not use them.
    page2_->QuietTowards({byDefault, save, cancel});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(byDefault);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    connect(byDefault, &QPushButton::clicked, this, &MemorySwitchManager::Default);
    connect(save, &QPushButton::clicked, this, &MemorySwitchManager::Save);
    connect(cancel, &QPushButton::clicked, this, &MemorySwitchManager::reject);
    NameControls(this);
    AssignAccessKeys(this);
}

void MemorySwitchManager::CopyBack(vmsm::PrinterConfig& record) const {
    const vmsm::ManagerFields fields{page1_->Fields(), page2_->Fields(), page3_->Fields()};
    vmsm::CopyBack(shown_, fields, end_, firmware_, record);
}

void MemorySwitchManager::Save() {
    // The page goes to the front first, so that a bad box can take the focus.
    const int front = tabs_->currentIndex();
    tabs_->setCurrentWidget(page2_);
    if (!page2_->CheckNumberBoxes()) return;
    tabs_->setCurrentIndex(front);
    end_ = vmsm::ManagerEnd::Save;
    accept();
}

void MemorySwitchManager::Default() {
    end_ = vmsm::ManagerEnd::Default;
    accept();
}

void MemorySwitchManager::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QMetaObject::invokeMethod(this, &MemorySwitchManager::shown, Qt::QueuedConnection);
}

}  // namespace pelmora::ui
