// The launch both programs call, when its opening job fails; the manager
// opened is followed end to end from each program's own button.
#include <QtTest>

#include "support/PrinterRig.h"
#include "windows/nv_images/NvManagerLaunch.h"
#include "ui/PhaseTimer.h"
#include "ui/support/ScriptedPrompts.h"
#include "ui/support/WhenShown.h"

using namespace pelmora;
using context::Layout;

class NvManagerLaunchTest : public QObject {
    Q_OBJECT
private slots:
    void failedCheckShowsTheJobsMessageAndOpensNoManager() {
        struct Case {
            context::Layout layout;
            const char* faultyQuery;
            QString title;
            QString message;
        };
        const Case cases[] = {
            {context::Layout::Desktop, "maker", "Pelmora", "Printer model is not matched!"},
            {context::Layout::Handheld, "model", "NV Manager Utility", "Printer Model name not matched...!!"},
        };
        for (const Case& c : cases) {
            test::PrinterRig rig;
            ui::VirtualPhaseTimer timer{rig.platform.virtualClock()};
            ui::test::ScriptedPrompts prompts;
            rig.printer.faults.perCommand[c.faultyQuery] = sim::Fault::WrongHeader;
            ui::test::WhenShown manager("nvManager", [](QWidget* w) { w->close(); });
            ui::LaunchNvManager(nullptr, c.layout, rig.util, rig.store, prompts, &timer);
            QCOMPARE(manager.shown, 0);
            QCOMPARE(prompts.shown.size(), 1u);
            QCOMPARE(prompts.shown[0].title, c.title);
            QCOMPARE(prompts.shown[0].icon, ui::PromptIcon::None);  // as plain as the memory-switch job's
            QVERIFY2(prompts.shown[0].text.startsWith(c.message), qPrintable(prompts.shown[0].text));
            QVERIFY(!rig.util.link().IsOpen());
        }
    }
};

QTEST_MAIN(NvManagerLaunchTest)
#include "NvManagerLaunchTest.moc"
