// The progress window every job runs in, and the core texts it shows.
#include <QtTest>
#include <QtWidgets>

#include "context/FailureCause.h"
#include "firmware/FirmwareDownload.h"
#include "nv/NvAddressing.h"
#include "nv/NvEngine.h"
#include "nv/NvJobRunner.h"
#include "nv/NvJobVariant.h"
#include "nv/NvManager.h"
#include "nv/RasterConversion.h"
#include "support/PrinterRig.h"
#include "ui/CoreTexts.h"
#include "ui/JobProgressDialog.h"
#include "ui/JobWindowHost.h"
#include "ui/PhaseTimer.h"
#include "ui/Prompts.h"
#include "ui/support/WidgetSnapshot.h"
#include "vmsm/MemorySwitchEngine.h"
#include "vmsm/ConfigJobFlow.h"
#include "vmsm/VmsmJobRunner.h"
#include "vmsm/VmsmPhases.h"

using namespace pelmora;
using context::Layout;
using ui::JobProgressDialog;

namespace {

struct Window {
    explicit Window(context::Layout layout) : dialog(layout, nullptr, &timer) {
        QObject::connect(&dialog, &JobProgressDialog::phaseStarted, [this](int p) { phases.push_back(p); });
    }
    test::PrinterRig rig;
    ui::VirtualPhaseTimer timer{rig.platform.virtualClock()};
    JobProgressDialog dialog;
    vmsm::MemorySwitchEngine engine{rig.util};
    std::vector<int> phases;

    QString Caption() { return dialog.findChild<QGroupBox*>("frame")->title(); }
    QString Line() { return dialog.findChild<QLabel*>("line")->text(); }
    int Bar() { return dialog.findChild<QProgressBar*>("bar")->value(); }
};

// Marks every core text it translates, so a test sees the lookup happen.
struct Marking final : QTranslator {
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QByteArray(context) != ui::kCoreTextContext) return {};
        return QLatin1Char('<') + QString::fromUtf8(source) + QLatin1Char('>');
    }
};

// Every core text shown or checked that the windows could not translate.
struct Unregistered final : context::ProgressView {
    QStringList missing;
    std::string from;  ///< what shows the titles and labels
    void Check(const std::string& text, const std::string& where) {
        if (!text.empty() && !ui::IsCoreTextRegistered(text)) missing << QString::fromStdString(where + ": " + text);
    }
    void Check(const char* text, const std::string& where) { if (text) Check(std::string(text), where); }
    void SetTitle(const std::string& t) override { Check(t, from); }
    void SetLabel(const std::string& l) override { Check(l, from); }
};

void RunVmsmJobs(std::uint32_t firmware, context::Layout variant, Unregistered& texts) {
    texts.from = "vmsm runner " + std::to_string(firmware);
    for (vmsm::VmsmJob job : {vmsm::VmsmJob::GetStatus, vmsm::VmsmJob::SetStatus, vmsm::VmsmJob::FactoryDefault}) {
        test::PrinterRig rig;
        rig.printer.firmwareOverride = firmware;
        vmsm::MemorySwitchEngine engine(rig.util);
        engine.editRecord().BtKeep = 0;
        vmsm::VmsmJobRunner runner(engine, texts, job, variant);
        context::DriveJob(runner, rig.platform.clock());
        texts.Check(runner.Message(), "vmsm runner message");
    }
}

}  // namespace

class JobProgressDialogTest : public QObject {
    Q_OBJECT
private slots:

    // A failing step ends the job (its message is a phase row's, registered: below); no job ends at once, unshown.
    void failingStepOrNoJobEndsCancelled() {
        Window w(context::Layout::Desktop);
        w.rig.printer.faults.perCommand["model"] = sim::Fault::WrongHeader;
        vmsm::VmsmJobRunner runner(w.engine, w.dialog.view(), vmsm::VmsmJob::GetStatus);
        QCOMPARE(w.dialog.Run(runner), context::JobEnd::Cancel);
        QCOMPARE(std::tuple(w.phases, w.dialog.result()), std::tuple(std::vector<int>{1000}, int(QDialog::Rejected)));
        w.phases.clear();
        vmsm::VmsmJobRunner none(w.engine, w.dialog.view(), vmsm::VmsmJob::None);
        QCOMPARE(w.dialog.Run(none), context::JobEnd::Cancel);
        QVERIFY(w.phases.empty());
    }

    void eachLayoutOpensAsItsSnapshotAndCutsALongFileNameInItsMiddle() {
        const QString name = QString("store-logo-") + QString(120, 'x') + "-final.bmp";
        for (const auto& [layout, snapshot] : {std::pair{Layout::Desktop, "progress"}, {Layout::Handheld, "progress-handheld"}}) {
            Window w(layout);
            QVERIFY(ui::test::MatchesSnapshot(w.dialog, snapshot));
            w.dialog.view().SetLabel(name.toStdString() + " Downloading...");
            QCoreApplication::processEvents();
            const QString shown = layout == Layout::Desktop ? w.Caption() : w.Line();
            QVERIFY2(shown.startsWith("store-") && shown.endsWith("-final.bmp Downloading...") &&
                         shown.contains(QChar(0x2026)), qPrintable(shown));
            QVERIFY(w.dialog.sizeHint().width() < 640);
            QCOMPARE(w.dialog.findChild<QProgressBar*>("bar")->accessibleDescription(), name + " Downloading...");
        }
    }

    // "Cancel" (or Esc; not Enter) in phase 101 says "Cancelling...", stops the phase at its
    // next step, runs nothing after it and ends the job with Cancel and no message.
    void cancelMidPhaseStopsThePhase() {
        for (const auto& [layout, byButton] : {std::pair{Layout::Desktop, true}, {Layout::Handheld, true}, {Layout::Desktop, false}}) {
            Window w(layout);
            w.dialog.SetCancelButton(true);
            auto* cancel = w.dialog.findChild<QPushButton*>("cancelButton");
            const auto line = [&w, layout] { return layout == context::Layout::Desktop ? w.Caption() : w.Line(); };
            QStringList linesAfterCancel;
            bool cancelled = false;
            QObject::connect(&w.dialog, &JobProgressDialog::phaseStarted, [&, byButton](int phase) {
                if (phase == 1000) QTest::keyClick(&w.dialog, Qt::Key_Return);
                if (phase != 101 || std::exchange(cancelled, true)) return;
                if (byButton) cancel->click();
                else QTest::keyClick(&w.dialog, Qt::Key_Escape);
                QVERIFY(!cancel->isEnabled());
                linesAfterCancel << line();
            });
            // The phase's own steps keep arriving; none of them replaces the line.
            QObject::connect(w.dialog.findChild<QProgressBar*>("bar"), &QProgressBar::valueChanged,
                             [&] { if (!linesAfterCancel.isEmpty()) linesAfterCancel << line(); });
            vmsm::VmsmJobRunner runner(w.engine, w.dialog.view(), vmsm::VmsmJob::GetStatus);
            QCOMPARE(w.dialog.Run(runner), context::JobEnd::Cancel);
            QCOMPARE(std::tuple(w.phases, runner.Message(), runner.Cancelled()),
                     std::tuple(std::vector<int>{1000, 101}, std::string(), true));
            QVERIFY(runner.Position() < 100);  // phase 101 did not run to its end
            QCOMPARE(std::tuple(linesAfterCancel.isEmpty(), linesAfterCancel.filter("Cancelling...")), std::tuple(false, linesAfterCancel));
            // Used again, the window offers its button again.
            vmsm::VmsmJobRunner again(w.engine, w.dialog.view(), vmsm::VmsmJob::GetStatus);
            QCOMPARE(w.dialog.Run(again), context::JobEnd::Ok);
            QVERIFY(cancel->isEnabled());
        }
    }

    // Pressed while the next phase waits on its timer, the button ends the
    // job at once; the window, used again, starts clean.
    void cancelBetweenPhasesAndReuse() {
        struct PressOnSecondArm final : ui::PhaseTimer {
            ui::PhaseTimer& inner;
            QPushButton* button = nullptr;
            int armed = 0;
            explicit PressOnSecondArm(ui::PhaseTimer& t) : inner(t) {}
            void Arm(std::uint32_t delayMs, std::function<void()> fire) override {
                inner.Arm(delayMs, std::move(fire));
                if (++armed == 2 && button) button->click();
            }
            void Stop() override { inner.Stop(); }
        };
        test::PrinterRig rig;
        ui::VirtualPhaseTimer clockTimer(rig.platform.virtualClock());
        PressOnSecondArm timer(clockTimer);
        JobProgressDialog dialog(context::Layout::Handheld, nullptr, &timer);
        dialog.SetCancelButton(true);
        timer.button = dialog.findChild<QPushButton*>("cancelButton");
        vmsm::MemorySwitchEngine engine(rig.util);
        vmsm::VmsmJobRunner first(engine, dialog.view(), vmsm::VmsmJob::GetStatus);
        QCOMPARE(dialog.Run(first), context::JobEnd::Cancel);
        QCOMPARE(std::tuple(first.Message(), first.Position()), std::tuple(std::string(), 15));  // phase 1000's three steps of 5 only

        vmsm::VmsmJobRunner second(engine, dialog.view(), vmsm::VmsmJob::GetStatus);
        QCOMPARE(dialog.Run(second), context::JobEnd::Ok);
        QCOMPARE(dialog.findChild<QLabel*>("line")->text(), QString("Get status : 100 %"));
    }

    // Accepted from outside as phase 101 starts, the window waits for the phase and reports
    // the job cancelled; what that phase reported never reaches the next job.
    void windowEndedFromOutsideCancelsAfterThePhase() {
        Window w(context::Layout::Handheld);
        bool ended = false;
        QObject::connect(&w.dialog, &JobProgressDialog::phaseStarted, [&](int phase) {
            if (phase == 101 && !std::exchange(ended, true)) w.dialog.accept();
        });
        vmsm::VmsmJobRunner first(w.engine, w.dialog.view(), vmsm::VmsmJob::GetStatus);
        QCOMPARE(w.dialog.Run(first), context::JobEnd::Cancel);
        QCOMPARE(first.Position(), 100);  // phase 101 ran to its end
        w.phases.clear();
        vmsm::VmsmJobRunner second(w.engine, w.dialog.view(), vmsm::VmsmJob::GetStatus);
        QCOMPARE(w.dialog.Run(second), context::JobEnd::Ok);
        QCOMPARE(w.phases, (std::vector<int>{1000, 101, 9999}));
    }

    // A job runs to its end on virtual time and keeps its engine to itself: a timer of the
    // window under it never ticks meanwhile, and a Run from inside a job is refused untouched.
    void jobHoldsTheWindowsTimersAndRefusesASecondRun() {
        Window w(context::Layout::Desktop);
        QTimer tick;
        bool inJob = false;
        int ticksInJob = 0;
        QObject::connect(&tick, &QTimer::timeout, [&] { ticksInJob += inJob; });
        tick.start(0);
        w.dialog.PauseDuringJobs(tick);
        vmsm::VmsmJobRunner runner(w.engine, w.dialog.view(), vmsm::VmsmJob::GetStatus);
        vmsm::VmsmJobRunner second(w.engine, w.dialog.view(), vmsm::VmsmJob::GetStatus);
        std::optional<context::JobEnd> refused;
        QObject::connect(&w.dialog, &JobProgressDialog::phaseStarted, [&](int phase) {
            if (phase == 101) refused = w.dialog.Run(second);
        });
        inJob = true;
        QCOMPARE(w.dialog.Run(runner), context::JobEnd::Ok);
        inJob = false;
        // The second Run refused, its job never opened; the window's timer running again.
        QCOMPARE(std::tuple(ticksInJob, refused, second.End(), w.phases, tick.isActive()),
                 std::tuple(0, std::optional(context::JobEnd::Cancel), context::JobEnd::Running, std::vector<int>{1000, 101, 9999}, true));
        // The caption full before 9999.
        QCOMPARE(std::tuple(w.dialog.windowTitle(), w.Caption(), w.Bar(), w.dialog.isVisible()),
                 std::tuple(QString("Virtual Memory Switch Manager"), QString("Get status : 100 %"), 100, false));
        QVERIFY(w.rig.Now() > 300);  // the timers' 300 ms and the read's pauses, on the virtual clock
    }

    void closeBoxCancelsAnNvJobWithItsMessage() {
        Window w(context::Layout::Desktop);
        QObject::connect(&w.dialog, &JobProgressDialog::phaseStarted, [&w](int phase) {
            if (phase == 1) QVERIFY(!w.dialog.close());  // refused while the phase runs
        });
        nv::NvEngine nv(w.rig.util, w.rig.store);
        nv::NvJobRunner runner(nv, nv::NvJob::ReadAddresses, w.dialog.view());
        QCOMPARE(w.dialog.Run(runner), context::JobEnd::Cancel);
        QCOMPARE(std::tuple(runner.Message(), w.phases), std::tuple(std::string("Download process is stoped..."), std::vector<int>{1}));
    }

    // The flows run on the UI thread and each of their jobs in the window.
    void flowsRunTheirJobsInTheWindow() {
        test::PrinterRig rig;
        ui::VirtualPhaseTimer timer(rig.platform.virtualClock());
        ui::JobWindowHost host(context::Layout::Desktop, nullptr, &timer);
        auto* cancel = host.dialog().findChild<QPushButton*>("cancelButton");
        QVERIFY(cancel->isHidden());  // only the memory-switch jobs offer it
        std::vector<int> phases;
        QObject::connect(&host.dialog(), &JobProgressDialog::phaseStarted, [&](int p) { phases.push_back(p); });

        vmsm::MemorySwitchEngine engine(rig.util);
        const auto edit = [](vmsm::MemorySwitchEngine&) { return vmsm::EditChoice::Save; };
        const vmsm::JobReport report = vmsm::RunConfigJob(engine, host.ConfigJob(rig.store, edit, context::Layout::Desktop));
        QCOMPARE(std::tuple(report.outcome, cancel->isHidden(), phases),
                 std::tuple(vmsm::JobOutcome::Written, false, std::vector<int>{1000, 101, 9999, 2000, 102, 9999}));

        phases.clear();
        nv::NvEngine nv(rig.util, rig.store);
        nv::NvManager manager(nv, host);
        QVERIFY(manager.Open().ok);
        QCOMPARE(phases, (std::vector<int>{1, 1000, 9999}));
    }

    // The core's texts: every one a job can show is registered for translation,
    // and translated as it is shown.
    void everyProducibleCoreTextIsRegistered() {
        Unregistered texts;
        // The memory-switch phase tables, both programs.
        for (int number : {vmsm::phase::GetEntry, vmsm::phase::SetEntry, vmsm::phase::FactoryEntry,
                           vmsm::phase::StandardRead, vmsm::phase::StandardWrite, vmsm::phase::LegacyRead, vmsm::phase::LegacyWrite}) {
            const vmsm::PhaseTable* table = vmsm::FindPhase(number);
            QVERIFY(table);
            for (const vmsm::PhaseRow& row : table->rows)
                for (const char* text : {row.desktopMessage, row.handheldMessage}) texts.Check(text, "phase " + std::to_string(number));
        }
        // Titles and composed labels, as the runner shows them on both dialects, and the flow's boxes.
        for (context::Layout variant : {context::Layout::Desktop, context::Layout::Handheld}) {
            for (std::uint32_t firmware : {160902u, 21021u}) RunVmsmJobs(firmware, variant, texts);
            const vmsm::FlowTexts& f = vmsm::FlowTextsOf(variant);
            for (const char* text : {f.readFailedTitle, f.written, f.writtenTitle, f.writeFailed, f.writeFailedTitle})
                texts.Check(text, "config flow");
        }
        // The NV job variants and the manager.
        for (const nv::NvJobVariant* v : {&nv::DesktopNvJob(), &nv::HandheldNvJob()}) {
            for (const auto& [job, title] : v->titles) texts.Check(title, "nv title");
            for (const auto& [job, step] : v->stepTexts) texts.Check(step, "nv step");
            for (const auto& action : v->check) texts.Check(action.text, "nv check");
            for (const std::string* text : {&v->initialLabel, &v->openText, &v->openFailed, &v->finishDownloadText,
                                            &v->readFailed, &v->notSupported, &v->writeFailed,
                                            &v->downloadWriteFailed, &v->cancelled, &v->noImagesSelected, &v->areaTooSmall})
                texts.Check(*text, "nv variant");
            texts.Check("logo.bmp" + v->downloadingSuffix, "nv block caption");
        }
        texts.Check(nv::kNoFreeAddressCode, "nv manager");
        texts.Check(nv::kCodeQuestionCancelled, "nv manager");
        texts.Check(nv::AddressVerdictText(nv::AddressVerdict::Exists), "nv address");
        texts.Check(nv::AddressVerdictText(nv::AddressVerdict::WrongLength), "nv address");
        for (auto [w, h] : {std::pair{0u, 5u}, {4000u, 3u}, {384u, 100000u}}) texts.Check(nv::ConversionProblem(w, h), "nv conversion");
        test::PrinterRig rig;
        nv::NvEngine nv(rig.util, rig.store);
        nv::NvImageItem gone;
        gone.path = (rig.dir / "gone.bmp").string();
        texts.Check(nv.ConversionProblem(gone), "nv conversion");
        // The firmware download's statuses and boxes.
        using namespace firmware::text;
        for (const char* text : {Title, Ready, Downloading, Finished, FileOpenError, PortOpenError, SendFailed, Success})
            texts.Check(text, "firmware");
        for (const auto& [cause, text] : context::AllCauseTemplates())
            texts.Check(context::FillCause(text, {"/dev/ttyS0", "4.0"}), "failure cause");

        QCOMPARE(texts.missing, QStringList{});
    }

    void coreTextsTranslateAtDisplayTimeWithTheComposedForm() {
        Marking marking;
        QCoreApplication::installTranslator(&marking);
        // Composed forms (a percentage, a file name before its suffix) are looked up whole.
        for (const char* core : {"Port open error!", "Get status : 12 %", "Completed..: 100 %", "logo.bmp Downloading...", "0 %",
                                 "Failed to save VMSM configuration!\r\nPlease check your printer state."})
            QCOMPARE(ui::CoreText(core), '<' + QString(core) + '>');
        // A cause of the system's under a text of ours keeps its own words.
        QCOMPARE(ui::CoreText("Port open error!\r\nNo such device"), QString("<Port open error!>\r\nNo such device"));
        QCOMPARE(ui::CoreText("not a text of ours"), QString("not a text of ours"));
        // A place written twice is one place: the group named is filled in both.
        const QString joinGroup = "Permission denied on /dev/usb/lp0: join the group lp (sudo usermod -aG lp $USER, then log in again).";
        QCOMPARE(ui::CoreText("Port open error!\r\n" + joinGroup.toStdString()), "<Port open error!>\r\n<" + joinGroup + '>');
        QCoreApplication::removeTranslator(&marking);
        QCOMPARE(ui::CoreText("Port open error!"), QString("Port open error!"));
        QCOMPARE(ui::BoxText("Failed!\r\nPlease check."), QString("Failed!\nPlease check."));  // a box breaks lines its own way
    }
};

PELMORA_SNAPSHOT_MAIN(JobProgressDialogTest)
#include "JobProgressDialogTest.moc"
