// The main window: what it restores, gathers and stores on each link, its
// boxes, and the NV manager it opens, end to end on the virtual printer.
#include <fstream>
#include <tuple>

#include <QtTest>
#include <QtWidgets>

#include "DesktopRig.h"
#include "sim/NvHandler.h"
#include "ui/support/WhenShown.h"
#include "ui/support/WidgetSnapshot.h"
#include "ui/Accessibility.h"
#include "ui/AppIcon.h"
#include "windows/memory_switches/MemorySwitchManager.h"
#include "windows/memory_switches/MemorySwitchJob.h"
#include "windows/nv_images/NvImageManager.h"
#include "windows/nv_images/NvPreview.h"

using namespace pelmora;
using desktop::MainWindow;
using namespace pelmora::desktop::test;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void firstRunOpensOnDefaultsAndExitOrEnterStoresThem() {
        for (const bool enter : {false, true}) {
            DesktopRig f;
            auto w = f.Open();  // on serial COM1, as main-serial shows it; Exit stores what is shown
            QVERIFY(f.prompts.shown.empty());
            w->show();
            if (enter) QTest::keyClick(List(*w, "interfaceList"), Qt::Key_Return);
            else Click(*w, "exitButton");
            QCOMPARE(std::tuple(w->result(), f.Stored()), std::tuple(int(QDialog::Accepted), QString("0|COM1|115200|8|0|0|0")));
        }
    }

    void bluetoothGathersTheDisabledBaudRate() {
        DesktopRig f;
        auto w = f.Open();
        List(*w, "interfaceList")->setCurrentIndex(link::PortBluetooth);  // which lists it disables: the snapshot
        List(*w, "portList")->setCurrentIndex(4);
        QSignalSpy requested(w.get(), &MainWindow::memorySwitchManagerRequested);
        Click(*w, "vmsmButton");
        QCOMPARE(std::tuple(requested.count(), w->settings().baudRate, w->settings().port, w->printerContext().pendingSettings().portType),
                 std::tuple(1, 115200, std::string("COM5"), link::PortBluetooth));
        QCOMPARE(w->printerContext().link().settings().baudRate, 115200);
    }

    // A refused entry stores nothing and keeps the window open.
    void tcpGatherFormsTheNetPortOrRefusesBadInput() {
        const struct { const char* address; const char* port; const char* refusal; } cases[] = {
            {"192.168.1.20", "9101", nullptr},
            {"10.0.0", "9100", "is not an IPv4 address"},  // TcpAddressTest has the rest of the rules
            {"10.0.0.5", "", "is not a TCP port"},
        };
        for (const auto& c : cases) {
            DesktopRig f;
            auto w = f.Open();
            w->show();
            List(*w, "interfaceList")->setCurrentIndex(link::PortTcp);
            ui::test::Type(*w, "addressEdit", c.address);
            ui::test::Type(*w, "tcpPortEdit", c.port);
            Click(*w, "exitButton");
            if (!c.refusal) {
                QCOMPARE(std::tuple(f.prompts.shown.size(), f.Stored()), std::tuple(0u, QString("3|NET192.168.1.20|9101|8|0|0|0")));
                continue;
            }
            QCOMPARE(f.prompts.Messages().size(), 1);
            QVERIFY2(f.prompts.Messages().front().contains(c.refusal), c.refusal);
            // Nothing stored, the window still open.
            QCOMPARE(std::tuple(f.prompts.shown.front().title, f.store.ValueNames(context::ProductKey).empty(), w->isVisible()),
                     std::tuple(QString("Pelmora"), true, true));
        }
    }

    // None listed, the window falls back to serial. The second of two chosen: unplugged
    // after listing, it is reported and nothing stored; plugged again, Exit stores its path.
    void usbPrinterStoredByPathAndReportedWhenUnplugged() {
        DesktopRig f;
        f.Store(link::PortSerial, "COM2");
        const QString before = f.Stored();
        auto w = f.Open();
        List(*w, "interfaceList")->setCurrentIndex(link::PortUsb);
        QCOMPARE(std::tuple(f.prompts.Messages(), List(*w, "interfaceList")->currentIndex(), List(*w, "portList")->currentText()),
                 std::tuple(QStringList{"Not connected USB printer!"}, int(link::PortSerial), QString("COM1")));
        f.usb = {{"USB01", "/dev/usb/lp0"}, {"USB02", "/dev/usb/lp3"}};
        List(*w, "interfaceList")->setCurrentIndex(link::PortUsb);  // listed as the snapshot shows
        List(*w, "portList")->setCurrentIndex(1);
        f.unplugged.insert("/dev/usb/lp3");
        QSignalSpy requested(w.get(), &MainWindow::nvImageManagerRequested);
        Click(*w, "nvButton");
        Click(*w, "exitButton");
        QCOMPARE(std::tuple(requested.count(), f.prompts.Messages().size(), f.Stored()), std::tuple(0, 3, before));
        QVERIFY(f.prompts.Messages()[1].contains("USB02 (/dev/usb/lp3) is no longer connected"));
        f.unplugged.clear();
        Click(*w, "exitButton");
        QCOMPARE(f.Stored(), QString("2|/dev/usb/lp3|115200|8|0|0|0"));  // main-usb reopens on a stored path
    }

    void exitReportsAStoreThatCannotBeWrittenAndStaysOpen() {
        DesktopRig f;
        std::ofstream(f.dir / "not-a-folder") << "x";
        context::SettingsStore unwritable(f.dir / "not-a-folder" / "registry.reg");
        MainWindow w({unwritable, f.platform, f.prompts, {}, false});
        w.show();
        const QStringList opening = f.prompts.Messages();
        Click(w, "exitButton");
        QCOMPARE(std::tuple(f.prompts.Messages().size(), w.isVisible()), std::tuple(opening.size() + 1, true));
        QVERIFY(f.prompts.Messages().back().contains("could not be stored"));
    }

    void closeBoxAndEscapeStoreNothingAndCloseTheLink() {
        for (const bool escape : {false, true}) {
            DesktopRig f;
            f.Store(link::PortTcp, "NET127.0.0.1");
            const QString before = f.Stored();
            auto w = f.Open();
            w->show();
            ui::test::Type(*w, "addressEdit", "127.0.0.1");
            QObject::connect(&w->memorySwitchJob(), &ui::MemorySwitchJob::managerOpened,
                             [](ui::MemorySwitchManager* manager) { manager->reject(); });
            Click(*w, "vmsmButton");
            QVERIFY(w->printerContext().link().OpenPort());
            if (escape) QTest::keyClick(w.get(), Qt::Key_Escape);
            else w->close();
            QCOMPARE(std::tuple(w->printerContext().link().IsOpen(), w->result(), f.Stored()),
                     std::tuple(false, int(QDialog::Rejected), before));
        }
    }

    void portTypeOutOfRangeSelectsNothingAndExitStoresMinusOne() {
        DesktopRig f;
        f.Store(5, "COM9", 19200, 1, 2, 1);
        auto w = f.Open();
        QCOMPARE(List(*w, "interfaceList")->currentIndex(), -1);
        for (const char* name : {"portList", "baudList", "dataBitsList", "parityList", "stopBitsList", "flowList"})
            QVERIFY2(List(*w, name)->count() == 0, name);
        QVERIFY(w->GatherSettings());
        // Jobs run with what was stored.
        QCOMPARE(std::tuple(w->settings().port, w->settings().baudRate), std::tuple(std::string("COM9"), 19200));
        Click(*w, "exitButton");
        QCOMPARE(f.Stored(), QString("-1|COM9|19200|8|1|2|1"));
    }

    // What is read instead, and the damaged file kept at the next write, are
    // StoredCommSettingsTest's and SettingsStoreFileTest's.
    void damagedStoreIsReported() {
        DesktopRig f;
        std::ofstream(f.store.path()) << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora]\n"
                                         "\"uPortType\"=dword:00000003\n\"uPort\"=\"NETnot-an-address\"\n\"uBaudrate\"=\"9100\"\ngarbage\n";
        auto w = f.Open();
        QCOMPARE(f.prompts.Messages().size(), 1);
        const QString text = f.prompts.Messages().front();
        QVERIFY2(text.contains("damaged lines") && text.contains("uBaudrate") && text.contains("uPort"), qPrintable(text));
    }

    void firmwareButtonOnlyForServiceAndGathersACopy() {
        DesktopRig f;
        auto shown = f.Open(true);  // hidden and disabled otherwise: the snapshots
        List(*shown, "portList")->setCurrentIndex(2);
        QSignalSpy requested(shown.get(), &MainWindow::firmwareManagerRequested);
        Click(*shown, "firmwareButton");
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested.front().front().value<link::CommSettings>().port, std::string("COM3"));
        auto* window = shown->findChild<QDialog*>("firmwareDownload");
        QVERIFY(window && window->isVisible());
        window->reject();
    }

    void f1OpensTheAboutBox() {
        DesktopRig f;
        auto w = f.Open();
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), Qt::Key_F1);
        auto* about = w->findChild<QDialog*>("aboutBox");
        QVERIFY(about && about->isVisible());
        QVERIFY(ui::test::MatchesSnapshot(*about, "about"));  // the version is the test program's: none
        Click(*about, "okButton");
        QVERIFY(!about->isVisible());
    }

    void iconComesInEveryRenderedSize() {
        const QIcon icon = ui::AppIcon();
        for (const int size : {16, 32, 48, 64, 128, 256})
            QVERIFY2(icon.availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));
        QCOMPARE(icon.pixmap(256, 256).size(), QSize(256, 256));
    }

    // On each kind of link: every control named, and the window made up as its
    // snapshot keeps it (the service build with its firmware button on serial).
    void eachLinkShowsItsControlsNamed() {
        const std::tuple<std::int32_t, const char*, const char*> stored[] = {
            {link::PortSerial, "COM1", "main-serial"}, {link::PortBluetooth, "COM7", "main-bluetooth"},
            {link::PortUsb, "/dev/usb/lp1", "main-usb"}, {link::PortTcp, "NET1.2.3.4", "main-tcp"}};
        for (const auto& [type, port, snapshot] : stored) {
            DesktopRig f;
            f.usb = {{"USB01", "/dev/usb/lp0"}, {"USB02", "/dev/usb/lp1"}};
            f.Store(type, port, 38400, 2, 1, 1);
            auto w = f.Open(type == link::PortSerial);
            QVERIFY2(ui::UnnamedControls(w.get()).isEmpty(), qPrintable(ui::UnnamedControls(w.get()).join(", ")));
            QVERIFY(ui::test::MatchesSnapshot(*w, snapshot));
            if (type != link::PortSerial) continue;
            // Flow control is shown and stored as NONE whatever was stored; two stop bits are stored as 2, one as 0.
            Click(*w, "exitButton");
            QCOMPARE(f.Stored(), QString("0|COM1|38400|8|2|2|0"));
            List(*w, "stopBitsList")->setCurrentIndex(0);
            Click(*w, "exitButton");
            QCOMPARE(f.Stored(), QString("0|COM1|38400|8|2|0|0"));
        }
        // Over TCP/IP and back, each label leads to its own list again.
        DesktopRig f;
        auto w = f.Open();
        const auto buddies = [&w] {
            QStringList names;
            for (const QLabel* label : w->findChildren<QLabel*>()) names << (label->buddy() ? label->buddy()->objectName() : "");
            return names;
        };
        const QStringList serial = buddies();
        List(*w, "interfaceList")->setCurrentIndex(link::PortTcp);
        List(*w, "interfaceList")->setCurrentIndex(link::PortSerial);
        QCOMPARE(buddies(), serial);
    }

    // A bitmap added and downloaded under the first automatic code. The link open
    // while the manager is up is ConnectionTest's (the same launch).
    void nvButtonOpensTheManagerAndADownloadLandsUnderTen() {
        DesktopRig rig;
        rig.Store(link::PortTcp, "NET127.0.0.1", 9100);
        const auto main = rig.Open();

        QImage logo(120, 40, QImage::Format_RGB32);
        logo.fill(Qt::white);
        for (int y = 5; y < 35; ++y)
            for (int x = 10; x < 110; ++x) logo.setPixel(x, y, qRgb(x * 2, 90, 255 - x * 2));
        const QString file = QString::fromStdString((rig.dir / "logo.bmp").string());
        QVERIFY(logo.save(file, "BMP"));
        rig.prompts.files.push_back({file});

        std::optional<nv::Raster> previewed;
        ui::test::WhenShown manager("nvManager", [&](QWidget* w) {
            w->findChild<QSlider*>("brightness")->setValue(30);
            w->findChild<QPushButton*>("addImage")->click();
            w->findChild<QTableWidget*>("imageList")->selectRow(0);
            w->findChild<QCheckBox*>("asPrinted")->setChecked(true);
            ui::NvPreview* preview = static_cast<ui::NvImageManager*>(w)->preview();
            QTRY_VERIFY(!preview->Loading());  // decoded on the preview's worker
            if (const nv::Raster* raster = preview->PrintedRaster()) previewed = *raster;
            w->findChild<QCheckBox*>("autoAddressing")->setChecked(true);
            w->findChild<QPushButton*>("download")->click();
            w->findChild<QPushButton*>("exit")->click();
        });
        QSignalSpy requested(main.get(), &MainWindow::nvImageManagerRequested);
        Click(*main, "nvButton");

        QCOMPARE(std::tuple(requested.count(), manager.shown, rig.prompts.Messages()), std::tuple(1, 1, QStringList{}));
        const sim::NvStoredImage* stored = rig.printer.Handler<sim::NvHandler>()->FindKeyCode("10");
        // What the printer holds is what "As printed" showed, dot for dot.
        QVERIFY(stored && previewed);
        QCOMPARE(std::tuple(stored->width, stored->height, stored->raster),
                 std::tuple(previewed->width, previewed->height, previewed->bytes));
        QVERIFY(!main->printerContext().link().IsOpen());
    }
};

PELMORA_SNAPSHOT_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
