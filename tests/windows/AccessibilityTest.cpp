// The shared windows as a screen reader meets them, in both layouts.
#include <QtTest>
#include <QtWidgets>

#include "ui/Accessibility.h"
#include "windows/memory_switches/SentinelWindow.h"
#include "windows/nv_images/NvAddressWindow.h"
#include "ui/JobProgressDialog.h"
#include "ui/support/AccessibleWalk.h"
#include "ui/support/NvWindowRig.h"

using namespace pelmora;
using namespace pelmora::ui;
namespace uit = pelmora::ui::test;
using uit::AccessibilityFaults;

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    // Mnemonics, "&&", " :" and a choice's "question: answer" are the snapshots'; here what none shows.
    void spokenTextDropsMnemonicsAndColons() {
        const std::pair<QString, QString> cases[] = {
            {"  Baud rate:  ", "Baud rate"}, {"Status : ", "Status"}, {"", ""}, {"端口(&P)：", "端口"}};
        for (const auto& [caption, spoken] : cases) QCOMPARE(SpokenText(caption), spoken);
    }

    void sharedWindowsInBothLayouts() {
        for (const context::Layout layout : {context::Layout::Desktop, context::Layout::Handheld}) {
            uit::NvWindowRig rig(layout, {"A1", "B2"});
            rig.Add({rig.Bitmap("one.bmp", 16, 8), rig.Bitmap("two.bmp", 16, 8)});
            rig.window->hide();
            using Made = std::unique_ptr<QWidget>;
            const vmsm::SentinelSix sentinels{"%", "", "", "?", "", ""};
            const std::function<Made()> windows[] = {
                [&]() -> Made { return std::make_unique<NvImageManager>(layout, rig.nv, rig.manager, rig.host, rig.prompts); },
                [&]() -> Made { return std::make_unique<NvAddressWindow>(layout, std::vector<std::string>{"A1"}, rig.prompts); },
                [&]() -> Made { return std::make_unique<SentinelWindow>(layout, rig.prompts, 0, sentinels); },
                [&]() -> Made {
                    auto window = std::make_unique<JobProgressDialog>(layout);
                    window->SetCancelButton(true);
                    return window;
                }};
            for (const auto& make : windows) EXPECT_NO_FAULTS(AccessibilityFaults(make));
        }
    }

    // A code selected through the accessibility interface is the one "Print" prints.
    void nvCodeSelectedByAScreenReader() {
        uit::NvWindowRig rig(context::Layout::Handheld, {"A1", "B2"});
        auto* list = uit::Find<QListWidget>(*rig.window, "addressList");
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
        QVERIFY(table && table->tableInterface());
        QVERIFY(table->tableInterface()->selectRow(1));
        QCOMPARE(list->currentRow(), -1);  // no current row moved: only the selection says it
        uit::Click(*rig.window, "print");
        QCOMPARE(std::tuple(rig.prompts.shown.size(), rig.printer().printed()), std::tuple(0u, std::vector<std::string>{"B2"}));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
