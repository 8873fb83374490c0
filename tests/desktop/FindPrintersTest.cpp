// "Find Printers" against simulators on loopback addresses, through the real
// sockets: what it lists, what choosing a printer puts in the main window,
// refused targets and Cancel. Every search is given 127.0.0.x targets first;
// the prefill (this machine's networks) is never searched.
#include <QtTest>
#include <QtWidgets>

#include "DesktopRig.h"
#include "desktop/FindPrintersDialog.h"
#include "desktop/OwnNetworks.h"
#include "link/RealPlatform.h"
#include "support/SimProcess.h"
#include "ui/Accessibility.h"

using namespace pelmora;
using desktop::FindPrintersDialog;
using test::SimProcess;

namespace {

struct FindRig : desktop::test::DesktopRig {
    link::NullTrace quiet;
    link::RealPlatform real{[](const std::string& name) { return name; }, quiet};
    std::unique_ptr<desktop::MainWindow> main;
    FindPrintersDialog* find = nullptr;

    explicit FindRig(std::vector<context::LocalCandidate> ports = {}) {
        desktop::MainWindow::Services services{store, real, prompts, {[this] { return usb; }, [](const std::string&) { return true; }}};
        services.localPorts = [ports] { return ports; };
        main = std::make_unique<desktop::MainWindow>(std::move(services));
        desktop::test::Click(*main, "findButton");
        find = main->findChild<FindPrintersDialog*>("findPrinters");
        if (!find) qFatal("no Find Printers window");
    }

    bool Search(const QString& targets, std::uint16_t port) {
        ui::test::Type(*find, "targetsEdit", targets);
        ui::test::Type(*find, "searchPortEdit", QString::number(port));
        desktop::test::Click(*find, "searchButton");
        return QTest::qWaitFor([this] { return !find->Searching(); }, 30000);
    }
    QString Cell(int row, int column) const { return find->rows().index(row, column).data().toString(); }
    QString Bar() const { return desktop::test::Find<QProgressBar>(*find, "searchBar")->format(); }
};

QString At(const char* address, std::uint16_t port) { return QString("%1:%2").arg(address).arg(port); }

}  // namespace

class FindPrintersTest : public QObject {
    Q_OBJECT
private slots:
    void listsThePrintersAndTheChosenOneFillsTheMainWindow() {
        SimProcess usbPrinter({}, {}, SimProcess::On::Pty);
        SimProcess first({"--listen=127.0.0.2:0"});
        const std::uint16_t port = first.port();
        SimProcess second({"--listen=" + At("127.0.0.3", port).toStdString()});
        SimProcess other({"--listen=" + At("127.0.0.4", port).toStdString(), "--garbage"});
        FindRig rig({{link::PortUsb, usbPrinter.ptyPath(), "virtual printer"}});
        QVERIFY2(ui::UnnamedControls(rig.find).isEmpty(), qPrintable(ui::UnnamedControls(rig.find).join(", ")));
        QVERIFY(!desktop::test::Find<QLineEdit>(*rig.find, "targetsEdit")->text().contains("127."));

        QVERIFY(rig.Search("127.0.0.2-4", port));
        QCOMPARE(std::tuple(rig.find->rows().rowCount(), rig.Cell(0, 1), rig.Cell(2, 0), rig.Cell(2, 1), rig.Bar()),
                 std::tuple(4, QString("USB"), At("127.0.0.3", port), QString("TCP/IP"), QString("3 of 3 addresses, 2 found")));
        QVERIFY2(rig.Cell(0, 3).startsWith("MPT-Q700VII, firmware "), qPrintable(rig.Cell(0, 3)));
        QVERIFY2(rig.Cell(3, 3).startsWith("Not ours: "), qPrintable(rig.Cell(3, 3)));

        // What is not ours cannot be chosen; Enter on a printer chooses it.
        auto* list = desktop::test::Find<QTreeView>(*rig.find, "foundList");
        rig.find->show();
        list->setCurrentIndex(rig.find->rows().index(3, 0));
        QVERIFY(!desktop::test::Find<QPushButton>(*rig.find, "useButton")->isEnabled());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(rig.find->isVisible());
        list->setCurrentIndex(rig.find->rows().index(2, 0));
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY(!rig.main->findChild<FindPrintersDialog*>());
        QCOMPARE(desktop::test::List(*rig.main, "interfaceList")->currentIndex(), int(link::PortTcp));
        QCOMPARE(desktop::test::Find<QLineEdit>(*rig.main, "addressEdit")->text(), QString("127.0.0.3"));
        QCOMPARE(desktop::test::Find<QLineEdit>(*rig.main, "tcpPortEdit")->text(), QString::number(port));
    }

    void badTargetsAreRefusedAndCancelEndsTheWaitAtOnce() {
        SimProcess silent({"--listen=127.0.0.5:0", "--silent-from", "0"});
        FindRig rig;
        QVERIFY(rig.Search("127.0.0.9-2", silent.port()));
        const auto* refusal = desktop::test::Find<QLabel>(*rig.find, "targetsRefusal");
        QVERIFY(refusal->isVisibleTo(rig.find));
        QCOMPARE(refusal->text(), QString("'127.0.0.9-2': the range runs backwards"));

        // The listener holds an identification for seconds unless Cancel ends it.
        ui::test::Type(*rig.find, "targetsEdit", "127.0.0.5");
        desktop::test::Click(*rig.find, "searchButton");
        QVERIFY(!refusal->isVisibleTo(rig.find));
        QTest::qWait(500);
        QElapsedTimer cancelled;
        cancelled.start();
        desktop::test::Click(*rig.find, "cancelButton");
        QVERIFY(QTest::qWaitFor([&rig] { return !rig.find->Searching(); }, 30000));
        QVERIFY2(cancelled.elapsed() < 2000, qPrintable(QString::number(cancelled.elapsed())));
        QCOMPARE(rig.find->rows().rowCount(), 0);
        QVERIFY2(rig.Bar().startsWith("Stopped after "), qPrintable(rig.Bar()));
    }

    // A serial printer found by its device path shows under the COM entry that opens it, else by the path.
    void serialPrinterShowsUnderTheListEntryThatOpensIt() {
        desktop::test::DesktopRig rig;
        const auto main = rig.Open();
        main->ShowConnection({link::PortSerial, "/dev/ttyS2", 9600, 8, 0, 0, 0});
        QCOMPARE(desktop::test::List(*main, "portList")->currentText(), QString("COM3"));
        QCOMPARE(desktop::test::List(*main, "baudList")->currentText(), QString("9600"));
        main->ShowConnection({link::PortSerial, "/dev/ttyUSB7", 19200, 8, 0, 0, 0});
        QCOMPARE(desktop::test::List(*main, "portList")->currentText(), QString("/dev/ttyUSB7"));
        QVERIFY(main->GatherSettings());
        QCOMPARE(std::tuple(main->settings().port, main->settings().baudRate), std::tuple(std::string("/dev/ttyUSB7"), 19200));
    }

    void offersAtMostASlash24OfEachNetwork() {
        QCOMPARE(desktop::NetworkSlice(0xC0A80142, 16), std::string("192.168.1.0/24"));  // 192.168.1.66
        QCOMPARE(desktop::NetworkSlice(0x0A010203, 28), std::string("10.1.2.0/28"));
        QCOMPARE(desktop::NetworkSlice(0x0A010203, 32), std::string());
    }
};

QTEST_MAIN(FindPrintersTest)
#include "FindPrintersTest.moc"
