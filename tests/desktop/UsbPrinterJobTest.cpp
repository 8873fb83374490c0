// The main window's USB entry pointing at pelmora-sim on a pseudo-terminal: a
// memory-switch read and save on real time through the real USB printer code.
// Only the USB list is given; the rest is what the program runs.
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include <nlohmann/json.hpp>

#include "DesktopRig.h"
#include "link/RealPlatform.h"
#include "support/SimProcess.h"
#include "ui/support/WhenShown.h"

using namespace pelmora;

class UsbPrinterJobTest : public QObject {
    Q_OBJECT
private slots:
    void memorySwitchSaveReachesThePrinterOnTheUsbNode() {
        test::SimProcess sim({}, {}, test::SimProcess::On::Pty);
        desktop::test::DesktopRig rig;
        rig.Store(link::PortUsb, sim.ptyPath());
        link::NullTrace quiet;
        link::RealPlatform platform([](const std::string& name) { return name; }, quiet);
        const std::vector<link::UsbPrinterInfo> listed{{"USB01", sim.ptyPath()}};
        desktop::MainWindow window(
            {rig.store, platform, rig.prompts, {[&] { return listed; }, desktop::SystemUsbPrinters().present}});
        QCOMPARE(desktop::test::Find<QComboBox>(window, "portList")->currentText(), QString("USB01"));

        ui::test::WhenShown manager("memorySwitchManager", [](QWidget* w) {
            w->findChild<QComboBox*>("density")->setCurrentIndex(0);  // " 150%", code 3
            w->findChild<QPushButton*>("save")->click();
        });
        desktop::test::Click(window, "vmsmButton");
        QCOMPARE(manager.shown, 1);
        QCOMPARE(rig.prompts.Messages(),
                 QStringList{"Success to set VMSM configuration! \r\nPlease reset printer power."});

        const auto run = test::RunCli({"--usb", sim.ptyPath(), "config", "get", "--json"});
        QCOMPARE(run.status, 0);
        QCOMPARE(nlohmann::json::parse(run.out)["Density"], 3);
    }
};

QTEST_MAIN(UsbPrinterJobTest)
#include "UsbPrinterJobTest.moc"
