// The configuration job from the connection screen, end to end on the
// in-process virtual printer: read, the wizard, write, store.
#include <algorithm>

#include <QCheckBox>

#include "HandheldRig.h"
#include "ui/support/CancelFromWorker.h"
#include "sim/ConfigHandler.h"

using namespace pelmora;
using namespace pelmora::handheld;
using namespace pelmora::handheld::test;

namespace {

bool Wrote(const sim::PrinterModel& printer) {
    const auto& log = printer.commandLog();
    return std::any_of(log.begin(), log.end(), [](const std::string& key) { return key.rfind("write", 0) == 0; });
}

std::function<void(WizardStepWindow&)> CancelWith(HandheldRig& rig, std::function<void(WizardStepWindow&)> first = {}) {
    return [&rig, first](WizardStepWindow& step) {
        if (first) first(step);
        rig.prompts.answers = {true};
        Click(step, "cancelButton");
    };
}

// Through all five steps, 9600 baud chosen on step 4, saved on step 5.
void SaveWith9600(HandheldRig& rig) {
    rig.steps = {Press("nextButton"), Press("nextButton"), Press("nextButton"),
                 Then([](WizardStepWindow& s) { Choose(s, "baudList", 2); }, "nextButton"), Press("saveButton")};
}

}  // namespace

class WizardJobTest : public QObject {
    Q_OBJECT
private slots:
    void changeOnStepFourIsWrittenAndStored() {
        HandheldRig rig;
        rig.StoreTcp();
        auto w = rig.Open();
        SaveWith9600(rig);
        Click(*w, "vmsmButton");
        QCOMPARE(rig.shown, (std::vector<int>{1, 2, 3, 4, 5}));
        QCOMPARE(rig.prompts.shown.size(), std::size_t(1));
        QCOMPARE(rig.prompts.shown[0].title, QString("Pelmora"));
        QCOMPARE(rig.prompts.shown[0].text, QString("Success to Set VMSM!"));
        QCOMPARE(rig.held().serial[0], std::string("9600"));
        // "Stop bits" shows "2" for the factory 0; left alone, the 0 goes back.
        QCOMPARE(rig.held().serial[2], std::string("0"));
        QCOMPARE(rig.StoredNumber("Baudrate"), 9600u);
        QVERIFY(!w->printerContext().link().IsOpen());
        QCOMPARE(w->printerContext().link().settings().portType, std::int32_t(link::PortTcp));
    }

    // The printer drops the read's connection while the operator thinks on step 5.
    void saveAfterAPauseReachesAPrinterThatDropsIdleClients() {
        HandheldRig rig;
        rig.StoreTcp();
        // The handheld's own write rests 4 s after the RF item, so this printer
        // drops at pelmora-sim's 5 s rather than the desktop test's 1 s.
        rig.platform.config().tcpIdleDropMs = 5000;
        auto w = rig.Open();
        SaveWith9600(rig);
        rig.steps.back() = Then([&rig](WizardStepWindow&) { rig.platform.virtualClock().Sleep(10'000); }, "saveButton");
        Click(*w, "vmsmButton");
        QCOMPARE(rig.prompts.Messages(), QStringList{"Success to Set VMSM!"});
        QCOMPARE(rig.held().serial[0], std::string("9600"));
    }

    // A silent printer; Cancel at the first resend ends the window without the time-out.
    void cancelDuringAReplyWaitEndsTheWindowWithinASecond() {
        HandheldRig rig;
        rig.StoreTcp();
        rig.printer.faults.silentFromCommand = 0;
        auto w = rig.Open();
        std::uint64_t pressedAt = 0;
        rig.platform.config().beforeWrite = [&rig, &pressedAt](int index) {
            if (index != 1) return;
            pressedAt = rig.platform.virtualClock().Now();
            ui::test::PressCancelFromWorker();
        };
        Click(*w, "vmsmButton");
        QVERIFY(pressedAt >= 3000);
        QVERIFY2(rig.platform.virtualClock().Now() - pressedAt < 1000,
                 qPrintable(QString::number(rig.platform.virtualClock().Now() - pressedAt)));
        QVERIFY(rig.shown.empty());
        QVERIFY(rig.prompts.shown.empty());
    }

    void defaultOnStepOneRestoresTheFactorySettingsAtOnce() {
        HandheldRig rig;
        rig.StoreTcp();
        rig.held().serial[0] = "9600";
        auto w = rig.Open();
        rig.steps = {Press("defaultButton")};
        Click(*w, "vmsmButton");
        QCOMPARE(rig.shown, std::vector<int>{1});
        QCOMPARE(rig.prompts.Messages(), QStringList{"Success to Set VMSM!"});
        // SetStatus would have written back the 9600 it read.
        QCOMPARE(rig.held().serial[0], sim::FactorySettings().serial[0]);
    }

    void baudRateSurvivesGoingBackFromStepFour() {
        HandheldRig rig;
        rig.StoreTcp();
        auto w = rig.Open();
        QString shownAgain;
        rig.steps = {Press("nextButton"), Press("nextButton"), Press("nextButton"), Press("prevButton"),
                     Press("nextButton"),
                     CancelWith(rig, [&](WizardStepWindow& s) { shownAgain = Find<QComboBox>(s, "baudList")->currentText(); })};
        Click(*w, "vmsmButton");
        QCOMPARE(rig.shown, (std::vector<int>{1, 2, 3, 4, 3, 4}));
        QCOMPARE(shownAgain, QString("115200"));
        QCOMPARE(w->engine().record().Baudrate, 115200u);
    }

    // The link stays open; the next job uses it and reads the printer again.
    void cancelOnStepThreeWritesNothingAndTheNextJobRereads() {
        HandheldRig rig;
        rig.StoreTcp();
        auto w = rig.Open();
        rig.steps = {Press("nextButton"), Press("nextButton"), CancelWith(rig)};
        Click(*w, "vmsmButton");
        QCOMPARE(rig.shown, (std::vector<int>{1, 2, 3}));
        QVERIFY(!Wrote(rig.printer));
        QVERIFY(rig.prompts.Messages().isEmpty());
        QVERIFY(rig.store.ValueNames(context::ProductKey).size() == 3);  // the connection only
        QVERIFY(w->printerContext().link().IsOpen());

        w->engine().editRecord().BeepPaper = 1;  // left over from the cancelled wizard
        const int opens = rig.platform.openAttempts();
        rig.printer.ClearLogs();
        std::uint32_t beepShown = 99;
        rig.steps = {CancelWith(rig, [&](WizardStepWindow&) { beepShown = w->engine().record().BeepPaper; })};
        Click(*w, "vmsmButton");
        QCOMPARE(rig.platform.openAttempts(), opens);
        QVERIFY(!rig.printer.commandLog().empty());
        QCOMPARE(beepShown, 0u);
        w->reject();
        QVERIFY(!w->printerContext().link().IsOpen());
    }

    // The printer has the settings; the operator learns that the store does not.
    void writtenButNotStoredSaysBoth() {
        HandheldRig rig;
        std::filesystem::create_directory(rig.store.path());
        auto w = rig.Open();
        Find<QCheckBox>(*w, "tcpCheck")->setChecked(true);
        Type(*w, "addressEdit", "127.0.0.1");
        SaveWith9600(rig);
        Click(*w, "vmsmButton");
        QCOMPARE(rig.held().serial[0], std::string("9600"));
        // A folder where the store belongs is said at start-up, then again after the write.
        const QStringList messages = rig.prompts.Messages();
        QCOMPARE(messages.size(), 3);
        QVERIFY(messages[0].startsWith("The stored settings could not be read"));
        QCOMPARE(messages[1], QString("Success to Set VMSM!"));
        QVERIFY(messages[2].startsWith("The printer took the settings, but they could not be stored."));
    }

};

QTEST_MAIN(WizardJobTest)
#include "WizardJobTest.moc"
