#include <QCheckBox>
#include <QLabel>

#include "HandheldRig.h"
#include "ui/support/WidgetSnapshot.h"
#include "context/StoredCommSettings.h"
#include "handheld/ConnectionRules.h"
#include "ui/Accessibility.h"
#include "ui/LanguageLoader.h"

using namespace pelmora;
using namespace pelmora::handheld;
using namespace pelmora::handheld::test;

namespace {

QString Text(ConnectionScreen& w, const char* label) { return Find<QLabel>(w, label)->text(); }
bool Ticked(ConnectionScreen& w) { return Find<QCheckBox>(w, "tcpCheck")->isChecked(); }

}  // namespace

class ConnectionTest : public QObject {
    Q_OBJECT
private slots:
    void serialAndTcpMatchTheirSnapshots() {
        for (const bool tcp : {false, true}) {
            HandheldRig rig;
            if (tcp) rig.StoreTcp();
            auto w = rig.Open();
            QVERIFY(ui::test::MatchesSnapshot(*w, tcp ? "connection-tcp" : "connection-serial"));
        }
    }

    void firstStartShowsDefaultsAndExitStoresThreeValues() {
        HandheldRig rig;
        rig.store.SetRegDword(context::ProductKey, "uParity", 2);  // the desktop's; neither read nor written
        auto w = rig.Open();
        QVERIFY(!Ticked(*w));
        QCOMPARE(Find<QComboBox>(*w, "portList")->count(), 49);
        QVERIFY(w->printerContext().link().layout() == context::Layout::Handheld);
        Click(*w, "exitButton");
        QCOMPARE(w->result(), int(QDialog::Accepted));
        QCOMPARE(rig.store.ValueNames(context::ProductKey),
                 (std::vector<std::string>{"uParity", "uPortType", "uPort", "uBaudrate"}));
        std::string port;
        rig.store.GetRegString(context::ProductKey, "uPort", port);
        QCOMPARE(port, std::string("COM1:"));
        QCOMPARE(rig.StoredNumber("uPortType"), 0u);
        QCOMPARE(rig.StoredNumber("uBaudrate"), 115200u);
        QCOMPARE(rig.StoredNumber("uParity"), 2u);
    }

    void restoresWhatWasStored_data() {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QString>("port");
        QTest::addColumn<quint32>("baud");
        QTest::addColumn<bool>("tcp");
        QTest::addColumn<QString>("first");   // port field or address box
        QTest::addColumn<QString>("second");  // baud list or TCP port box
        QTest::newRow("tcp") << 2u << "NET10.0.0.7" << 9100u << true << "10.0.0.7" << "9100";
        QTest::newRow("serial") << 0u << "COM7:" << 9600u << false << "COM7:" << "9600";
        QTest::newRow("a COM name typed earlier") << 0u << "COM77" << 14400u << false << "COM77" << "115200";
    }
    void restoresWhatWasStored() {
        QFETCH(quint32, type);
        QFETCH(QString, port);
        QFETCH(quint32, baud);
        QFETCH(bool, tcp);
        QFETCH(QString, first);
        QFETCH(QString, second);
        HandheldRig rig;
        rig.store.SetRegDword(context::ProductKey, "uPortType", type);
        rig.store.SetRegString(context::ProductKey, "uPort", port.toStdString());
        rig.store.SetRegDword(context::ProductKey, "uBaudrate", baud);
        auto w = rig.Open();
        QCOMPARE(Ticked(*w), tcp);
        QCOMPARE(Text(*w, "firstLabel"), tcp ? QString("IP :") : QString("Port :"));
        QCOMPARE(Text(*w, "secondLabel"), tcp ? QString("Port :") : QString("Baudrate :"));
        QCOMPARE(Find<QLineEdit>(*w, "addressEdit")->isHidden(), !tcp);
        QCOMPARE(Find<QComboBox>(*w, "portList")->isHidden(), tcp);
        if (tcp) {
            QCOMPARE(Find<QLineEdit>(*w, "addressEdit")->text(), first);
            QCOMPARE(Find<QLineEdit>(*w, "tcpPortEdit")->text(), second);
        } else {
            QCOMPARE(Find<QComboBox>(*w, "portList")->currentText(), first);
            QCOMPARE(Find<QComboBox>(*w, "baudList")->currentText(), second);
        }
    }

    void gathersWhatTheLinkTakes_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("tcpPort");
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("port");
        QTest::newRow("plain") << "10.0.0.7" << "9100" << int(Gathered::None) << "NET10.0.0.7";
        QTest::newRow("NET not doubled") << "NET10.0.0.7" << "9100" << int(Gathered::None) << "NET10.0.0.7";
        QTest::newRow("no address") << "" << "9100" << int(Gathered::BadAddress) << "";
        QTest::newRow("port 0") << "10.0.0.7" << "0" << int(Gathered::BadTcpPort) << "";
    }
    void gathersWhatTheLinkTakes() {
        QFETCH(QString, address);
        QFETCH(QString, tcpPort);
        QFETCH(int, problem);
        QFETCH(QString, port);
        ConnectionForm form;
        form.tcp = true;
        form.address = address.toStdString();
        form.tcpPort = tcpPort.toStdString();
        const Gathered g = GatherConnection(form);
        QCOMPARE(int(g.problem), problem);
        if (problem != Gathered::None) return;
        const link::CommSettings& linked = g.settings;
        QCOMPARE(QString::fromStdString(linked.port), port);
        QCOMPARE(linked.portType, std::int32_t(link::PortTcp));
        QCOMPARE(linked.baudRate, 9100);
        QCOMPARE(linked.dataBits, 8);
        QCOMPARE(linked.flowControl, 1);
    }

    void exitKeepsATypedDevice() {
        HandheldRig rig;
        auto w = rig.Open();
        Find<QComboBox>(*w, "portList")->setEditText("/dev/rfcomm0");
        Choose(*w, "baudList", 2);
        Click(*w, "exitButton");
        std::string port;
        rig.store.GetRegString(context::ProductKey, "uPort", port);
        QCOMPARE(port, std::string("/dev/rfcomm0"));
        QCOMPARE(rig.StoredNumber("uBaudrate"), 9600u);
    }

    // Nothing ran before: the hand-over alone must give the link TCP/IP.
    void nvJobHandsOverPortType3AndClosesTheLink() {
        HandheldRig rig;
        rig.StoreTcp();
        auto w = rig.Open();
        Click(*w, "nvButton");
        QCOMPARE(rig.nvLaunches.size(), std::size_t(1));
        const link::CommSettings& s = rig.nvLaunches[0];
        QCOMPARE(s.portType, std::int32_t(link::PortTcp));
        QCOMPARE(s.port, std::string("NET127.0.0.1"));
        QCOMPARE(s.baudRate, 9100);
        QVERIFY(!w->printerContext().link().IsOpen());  // the launcher opened it
        Find<QCheckBox>(*w, "tcpCheck")->setChecked(false);
        Click(*w, "nvButton");
        QCOMPARE(rig.nvLaunches.back().portType, std::int32_t(link::PortSerial));
    }

    // Opening quietly on COM1 would hide the store's loss; closing quietly would lose the choice.
    void aStoreThatCannotBeReadOrStoredSaysSo() {
        HandheldRig rig;
        std::filesystem::create_directory(rig.store.path());  // no file can be read or written there
        auto w = rig.Open();
        QCOMPARE(rig.prompts.shown.size(), std::size_t(1));
        QVERIFY(rig.prompts.shown[0].text.startsWith("The stored settings could not be read"));
        Click(*w, "exitButton");
        QCOMPARE(w->result(), int(QDialog::Rejected));
        QCOMPARE(rig.prompts.shown.size(), std::size_t(2));
        QVERIFY(rig.prompts.shown[1].text.startsWith("The communication settings could not be stored."));
    }

    void closeBoxStoresNothingAndClosesTheLink() {
        HandheldRig rig;
        auto w = rig.Open();
        w->printerContext().HandOver(context::HandheldLink(link::PortSerial, "COM1:", 115200));
        QVERIFY(w->printerContext().link().OpenPort() == 1);
        Find<QCheckBox>(*w, "tcpCheck")->setChecked(true);
        w->reject();
        QVERIFY(!w->printerContext().link().IsOpen());
        QVERIFY(rig.store.ValueNames(context::ProductKey).empty());
    }

    // Last: the program's language stays installed. The desktop's translations, chosen alike.
    void speaksTheSystemLanguage() {
        QCOMPARE(ui::InstallLanguage(*qApp, QLocale("de_DE"), {PELMORA_QM_DIR}), QString("German"));
        HandheldRig rig;
        auto w = rig.Open();
        QCOMPARE(ui::SpokenText(Find<QCheckBox>(*w, "tcpCheck")->text()), QString("TCP/IP-Kommunikation"));
    }
};

PELMORA_SNAPSHOT_MAIN(ConnectionTest)
#include "ConnectionTest.moc"
