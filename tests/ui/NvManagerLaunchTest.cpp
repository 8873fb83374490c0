// The launch both programs call: the opening job, its failure box, the
// manager, and the link closed after it.
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "nv/CCommonNv.h"
#include "nv/NvBlocks.h"
#include "support/PrinterRig.h"
#include "ui/NvManagerLaunch.h"
#include "ui/PhaseTimer.h"
#include "ui/support/ScriptedPrompts.h"
#include "ui/support/WhenShown.h"

using namespace pelmora;
using ui::NvLayout;

namespace {
struct Launch {
    test::PrinterRig rig;
    ui::VirtualPhaseTimer timer{rig.platform.virtualClock()};
    ui::test::ScriptedPrompts prompts;
    void Run(NvLayout layout) { ui::LaunchNvManager(nullptr, layout, rig.util, rig.store, prompts, &timer); }
};
}  // namespace

class NvManagerLaunchTest : public QObject {
    Q_OBJECT
private slots:
    void failedCheckShowsTheJobsMessageAndOpensNoManager() {
        struct Case {
            NvLayout layout;
            const char* faultyQuery;
            QString title;
            QString message;
        };
        const Case cases[] = {
            {NvLayout::Desktop, "maker", "Pelmora", "Printer model is not matched!"},
            {NvLayout::Handheld, "model", "NV Manager Utility", "Printer Model name not matched...!!"},
        };
        for (const Case& c : cases) {
            Launch l;
            l.rig.printer.faults.perCommand[c.faultyQuery] = sim::Fault::WrongHeader;
            ui::test::WhenShown manager("nvManager", [](QWidget* w) { w->close(); });
            l.Run(c.layout);
            QCOMPARE(manager.shown, 0);
            QCOMPARE(l.prompts.shown.size(), 1u);
            QCOMPARE(l.prompts.shown[0].title, c.title);
            QVERIFY2(l.prompts.shown[0].text.startsWith(c.message), qPrintable(l.prompts.shown[0].text));
            QVERIFY(!l.rig.util.link.IsOpen());
        }
    }

    void managerOpensWithTheCodesReadAndTheLinkClosesAfterIt() {
        for (NvLayout layout : {NvLayout::Desktop, NvLayout::Handheld}) {
            Launch l;
            l.rig.printer.Receive(nv::RasterDefinitionBlock({8, 1, {0xAA}}, 'A', '1'));
            l.rig.printer.EndSession();
            QStringList listed;
            bool linkOpen = false;
            ui::test::WhenShown manager("nvManager", [&](QWidget* w) {
                auto* list = w->findChild<QListWidget*>("addressList");
                for (int i = 0; i < list->count(); ++i) listed << list->item(i)->text();
                linkOpen = l.rig.util.link.IsOpen();
                w->findChild<QPushButton*>("exit")->click();
            });
            l.Run(layout);
            QCOMPARE(manager.shown, 1);
            QCOMPARE(listed, QStringList{"A1"});
            QVERIFY(linkOpen);
            QVERIFY(!l.rig.util.link.IsOpen());
            QVERIFY(l.prompts.shown.empty());
        }
    }
};

QTEST_MAIN(NvManagerLaunchTest)
#include "NvManagerLaunchTest.moc"
