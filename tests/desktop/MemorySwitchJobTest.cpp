// End to end in one process: the main window's "Virtual Memory Switch
// Manager" against the virtual printer on virtual time.
#include <fstream>
#include <sstream>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "DesktopRig.h"
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
// The factory-default block leaves density " 100%", code 4: not the 150% the first save writes.
constexpr std::uint32_t kFactoryDensity = 4;

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
                                                 [this, edit](ui::MemorySwitchManager* manager) {
                                                     ++managersOpened;
                                                     edit(*manager);
                                                 });
        window->findChild<QPushButton*>("vmsmButton")->click();
        QObject::disconnect(connection);
    }

    std::string StoreFile() const {
        std::ifstream in(store.path());
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
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
    void saveWritesThePrinterAndTheStoreAndDefaultUndoesIt() {
        Fixture f;
        QVERIFY(f.ReadBack().Density != 3);
        f.Run(PickDensity150);
        QCOMPARE(f.managersOpened, 1);
        QCOMPARE(f.prompts.Messages(), QStringList{kWritten});
        QVERIFY(!f.window->printerContext().link().IsOpen());
        QCOMPARE(f.ReadBack().Density, 3u);  // " 150%" is code 3
        std::uint32_t stored = 0;
        QVERIFY(f.store.GetRegDword(context::ProductKey, "Density", stored));
        QCOMPARE(stored, 3u);

        f.Run([](ui::MemorySwitchManager& manager) { manager.findChild<QPushButton*>("default")->click(); });
        QCOMPARE(f.prompts.Messages(), (QStringList{kWritten, kWritten}));
        QCOMPARE(f.ReadBack().Density, kFactoryDensity);
    }

    void failedWriteShowsTheFailureAndKeepsTheStore() {
        Fixture f;
        const std::string before = f.StoreFile();
        f.printer.faults.perCommand["enter"] = sim::Fault::WrongHeader;
        f.Run(PickDensity150);
        QCOMPARE(f.prompts.Messages(), QStringList{kNotWritten});
        QCOMPARE(f.StoreFile(), before);
        QVERIFY(!f.window->printerContext().link().IsOpen());
    }

    void failedReadShowsItsOwnMessageAndOpensNoManager() {
        Fixture f;
        f.printer.faults.perCommand["model"] = sim::Fault::WrongHeader;
        f.Run([](ui::MemorySwitchManager&) {});
        QCOMPARE(f.managersOpened, 0);
        QCOMPARE(f.prompts.Messages().size(), 1);
        QVERIFY(f.prompts.Messages().front().startsWith("Printer model is not matched!"));
        QCOMPARE(f.prompts.shown.front().icon, ui::PromptIcon::None);  // as plain as the NV manager's
    }

    void cancelledManagerWritesNothing() {
        Fixture f;
        const std::string before = f.StoreFile();
        f.Run([](ui::MemorySwitchManager& manager) { manager.findChild<QPushButton*>("cancel")->click(); });
        QCOMPARE(f.managersOpened, 1);
        QVERIFY(f.prompts.shown.empty());
        QVERIFY(!f.window->printerContext().link().IsOpen());
        for (const std::string& key : f.printer.commandLog()) QVERIFY2(!key.starts_with("write-"), key.c_str());
        QCOMPARE(f.StoreFile(), before);
    }
};

QTEST_MAIN(MemorySwitchJobTest)
#include "MemorySwitchJobTest.moc"
