// pelmora_ce's configuration job against the real pelmora-sim over loopback
// TCP, and `pelmora config get` reading the result (real time: a few seconds).
#include <nlohmann/json.hpp>

#include "HandheldRig.h"
#include "link/RealPlatform.h"
#include "support/SimProcess.h"

using namespace pelmora;
using namespace pelmora::handheld;
using namespace pelmora::handheld::test;

class SimEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void changeOnStepOneSavedOnStepFiveReachesThePrinter() {
        pelmora::test::SimProcess sim;
        HandheldRig rig;
        link::NullTrace quiet;
        link::RealPlatform platform({}, quiet);
        rig.store.SetRegDword(context::ProductKey, "uPortType", 2);
        rig.store.SetRegString(context::ProductKey, "uPort", "NET127.0.0.1");
        rig.store.SetRegDword(context::ProductKey, "uBaudrate", sim.port());
        int shown = 0;
        CConnectionDlg window({.store = rig.store,
                               .platform = platform,
                               .prompts = rig.prompts,
                               .driveSteps = [&shown](CWizardStepDlg& step) {
                                   ++shown;
                                   if (step.step() == WizardStep::One) Choose(step, "densityList", 0);  // 150%
                                   Click(step, step.step() == WizardStep::Five ? "saveButton" : "nextButton");
                               }});
        Click(window, "vmsmButton");
        QCOMPARE(shown, 5);
        QCOMPARE(rig.prompts.Messages(), QStringList{"Success to Set VMSM!"});
        QCOMPARE(rig.StoredNumber("Density"), 3u);

        const auto run = pelmora::test::RunCli({"--tcp", sim.address(), "config", "get", "--json"},
                                               {{"PELMORA_REGISTRY", (rig.dir / "cli.reg").string()}});
        QCOMPARE(run.status, 0);
        QCOMPARE(nlohmann::json::parse(run.out)["Density"].get<int>(), 3);
    }
};

QTEST_MAIN(SimEndToEndTest)
#include "SimEndToEndTest.moc"
