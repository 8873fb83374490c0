// End to end: the main window's "Virtual Memory Switch Manager" against the
// virtual printer on virtual time, and once against pelmora-sim on a USB node.
#include <QtTest>
#include <QtWidgets>

#include <nlohmann/json.hpp>

#include "DesktopRig.h"
#include "ui/support/CancelFromWorker.h"
#include "ui/support/WhenShown.h"
#include "link/RealPlatform.h"
#include "support/SimProcess.h"
#include "context/JobRunner.h"
#include "windows/memory_switches/MemorySwitchManager.h"
#include "windows/memory_switches/MemorySwitchJob.h"
#include "vmsm/MemorySwitchEngine.h"
#include "vmsm/VmsmJobRunner.h"

using namespace pelmora;
using desktop::MainWindow;

namespace {

const QString kWritten = "Success to set VMSM configuration! \r\nPlease reset printer power.";
const QString kNotWritten = "Failed to save VMSM configuration!\r\nPlease check your printer state.";

struct Fixture : desktop::test::DesktopRig {
    std::unique_ptr<MainWindow> window;
    int managersOpened = 0;

    Fixture() {
        Store(link::PortTcp, "NET127.0.0.1");
        window = Open();
    }

    /// Presses the button; `edit` works the manager window once it is up.
    void Run(const std::function<void(ui::MemorySwitchManager&)>& edit) {
        const auto connection = QObject::connect(&window->memorySwitchJob(), &ui::MemorySwitchJob::managerOpened,
                                                 [this, edit](ui::MemorySwitchManager* m) { ++managersOpened; edit(*m); });
        window->findChild<QPushButton*>("vmsmButton")->click();
        QObject::disconnect(connection);
    }

    /// What the printer holds now, read by a job of its own.
    vmsm::PrinterConfig ReadBack() {
        context::PrinterContext util(platform);
        util.HandOver({link::PortTcp, "NET127.0.0.1", 9100, 8, 0, 0, 0});
        vmsm::MemorySwitchEngine engine(util);
        context::ProgressView view;
        vmsm::VmsmJobRunner runner(engine, view, vmsm::VmsmJob::GetStatus);
        if (context::DriveJob(runner, platform.clock()) != context::JobEnd::Ok) qFatal("read-back failed");
        return engine.record();
    }
};

void PickDensity150(ui::MemorySwitchManager& manager) {
    manager.findChild<QComboBox*>("density")->setCurrentIndex(0);
    manager.findChild<QPushButton*>("save")->click();
}

}  // namespace

class MemorySwitchJobTest : public QObject {
    Q_OBJECT
private slots:
    // Again with the read's connection dropped while the operator thinks: the save reconnects.
    void saveWritesThePrinterAndTheStoreAndDefaultUndoesIt() {
        for (const bool pause : {false, true}) {
            Fixture f;
            if (pause) f.platform.config().tcpIdleDropMs = 1000;
            QVERIFY(f.ReadBack().Density != 3);
            f.Run([&f, pause](ui::MemorySwitchManager& manager) {
                if (pause) f.platform.virtualClock().Sleep(10'000);
                PickDensity150(manager);
            });
            QCOMPARE(std::tuple(f.managersOpened, f.prompts.Messages(), f.ReadBack().Density),
                     std::tuple(1, QStringList{kWritten}, 3u));  // " 150%" is code 3

            f.Run([](ui::MemorySwitchManager& manager) { manager.findChild<QPushButton*>("default")->click(); });
            QCOMPARE(f.prompts.Messages(), (QStringList{kWritten, kWritten}));
            QCOMPARE(f.ReadBack().Density, 4u);  // the factory block's " 100%", not the saved 150%
        }
    }

    // The printer is silent; Cancel is pressed at the first resend, 3 s into the wait.
    void cancelDuringAReplyWaitEndsTheWindowWithinASecond() {
        Fixture f;
        f.printer.faults.silentFromCommand = 0;
        std::uint64_t pressedAt = 0;
        f.platform.config().beforeWrite = [&f, &pressedAt](int index) {
            if (index != 1) return;
            pressedAt = f.platform.virtualClock().Now();
            ui::test::PressCancelFromWorker();
        };
        f.Run([](ui::MemorySwitchManager&) {});
        QVERIFY(pressedAt >= 3000);
        QCOMPARE_LT(f.platform.virtualClock().Now() - pressedAt, 1000u);
        QCOMPARE(f.managersOpened, 0);
        QVERIFY(f.prompts.shown.empty());  // the operator's own choice needs no box
        QVERIFY(!f.window->printerContext().link().stopRequest().Requested());  // no stop left for the next job
    }

    // Cancel after the save's first commands: neither success nor the generic failure.
    void cancelledWriteSaysSomeSettingsMayBeOnThePrinter() {
        Fixture f;
        const std::string before = test::ReadFile(f.store.path());
        int saveFrom = -1;
        f.platform.config().beforeWrite = [&saveFrom](int index) {
            if (saveFrom >= 0 && index == saveFrom + 2) ui::test::PressCancelFromWorker();
        };
        f.Run([&f, &saveFrom](ui::MemorySwitchManager& manager) {
            saveFrom = f.platform.writes();
            PickDensity150(manager);
        });
        QCOMPARE(std::tuple(f.prompts.Messages(), test::ReadFile(f.store.path()), f.window->printerContext().link().IsOpen()),
                 std::tuple(QStringList{vmsm::kWriteCancelledPartly}, before, false));  // leaving setting mode first: JobsTest
    }

    // A failed write, a failed read (its step's text, and under it why, as the command line
    // prints it) or the manager's Cancel, which needs no box (what each leaves in the store,
    // on the printer and of the link: ConfigJobFlow).
    void failureSaysWhatFailedAndCancelNothing() {
        const struct { const char* fault; bool cancel; int managers; QString message; } cases[] = {
            {"enter", false, 1, QRegularExpression::escape(kNotWritten)},
            {"model", false, 0, "Printer model is not matched!\r\nThe printer[^\r\n]*"},
            {nullptr, true, 1, {}},
        };
        for (const auto& c : cases) {
            Fixture f;
            if (c.fault) f.printer.faults.perCommand[c.fault] = sim::Fault::WrongHeader;
            f.Run([&c](ui::MemorySwitchManager& manager) {
                if (c.cancel) manager.findChild<QPushButton*>("cancel")->click();
                else PickDensity150(manager);
            });
            QCOMPARE(std::tuple(f.managersOpened, f.prompts.shown.size()), std::tuple(c.managers, c.message.isEmpty() ? 0u : 1u));
            if (!c.message.isEmpty()) {
                const QString text = f.prompts.shown.front().text;
                QVERIFY2(QRegularExpression("^" + c.message + "$").match(text).hasMatch(), qPrintable(text));
                QCOMPARE(f.prompts.shown.front().icon, ui::PromptIcon::None);  // as plain as the NV manager's
            }
        }
    }

    // The USB entry pointing at pelmora-sim on a pseudo-terminal: a read and a save
    // on real time through the real USB printer code; only the USB list is given.
    void saveReachesThePrinterOnTheUsbNode() {
        test::SimProcess sim({}, {}, test::SimProcess::On::Pty);
        desktop::test::DesktopRig rig;
        rig.Store(link::PortUsb, sim.ptyPath());
        link::NullTrace quiet;
        link::RealPlatform platform([](const std::string& name) { return name; }, quiet);
        const std::vector<link::UsbPrinterInfo> listed{{"USB01", sim.ptyPath()}};
        desktop::MainWindow window({rig.store, platform, rig.prompts, {[&] { return listed; }, desktop::SystemUsbPrinters().present}});

        ui::test::WhenShown manager("memorySwitchManager", [](QWidget* w) { PickDensity150(*static_cast<ui::MemorySwitchManager*>(w)); });
        desktop::test::Click(window, "vmsmButton");
        QCOMPARE(std::tuple(manager.shown, rig.prompts.Messages()), std::tuple(1, QStringList{kWritten}));
        const auto run = test::RunCli({"--usb", sim.ptyPath(), "config", "get", "--json"});
        QCOMPARE(run.status, 0);
        QCOMPARE(nlohmann::json::parse(run.out)["Density"], 3);
    }
};

QTEST_MAIN(MemorySwitchJobTest)
#include "MemorySwitchJobTest.moc"
