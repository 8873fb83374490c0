// The connection screen and the shared windows it opens, in their handheld
// layout, against the virtual printer.
#include <QtWidgets>

#include "HandheldRig.h"
#include "ui/support/WidgetSnapshot.h"
#include "handheld/ConnectionRules.h"
#include "ui/Accessibility.h"
#include "ui/LanguageLoader.h"
#include "ui/support/WhenShown.h"
#include "nv/NvBlocks.h"

using namespace pelmora;
using namespace pelmora::handheld;
using namespace pelmora::handheld::test;

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

    // A typed device is kept. Which values the handheld reads and writes, leaving
    // the desktop's alone, is StoredCommSettingsTest's.
    void firstStartShowsDefaultsAndExitStoresThreeValues() {
        HandheldRig rig;
        auto w = rig.Open();
        QVERIFY(w->printerContext().link().layout() == context::Layout::Handheld);
        Click(*w, "exitButton");
        const auto stored = [&rig] { return std::tuple(rig.StoredPort(), rig.StoredNumber("uPortType"), rig.StoredNumber("uBaudrate")); };
        QCOMPARE(std::tuple(w->result(), stored()), std::tuple(int(QDialog::Accepted), std::tuple(std::string("COM1:"), 0u, 115200u)));
        Find<QComboBox>(*w, "portList")->setEditText("/dev/rfcomm0");
        Choose(*w, "baudList", 2);
        Click(*w, "exitButton");
        QCOMPARE(stored(), std::tuple(std::string("/dev/rfcomm0"), 0u, 9600u));
    }

    // The labels and boxes each form shows, and a stored TCP/IP address, are in the
    // snapshots; here, the serial values restored, a COM name typed earlier among them.
    void restoresWhatWasStored() {
        for (const auto& [port, baud, shownBaud] : {std::tuple{"COM7:", 9600u, "9600"}, {"COM77", 14400u, "115200"}}) {
            HandheldRig rig;
            rig.Store(0, port, baud);
            auto w = rig.Open();
            QCOMPARE(std::tuple(Find<QCheckBox>(*w, "tcpCheck")->isChecked(), Find<QComboBox>(*w, "portList")->currentText(),
                                Find<QComboBox>(*w, "baudList")->currentText()), std::tuple(false, QString(port), QString(shownBaud)));
        }
    }

    void gathersWhatTheLinkTakes() {
        const struct { const char *address, *tcpPort; Gathered::Problem problem; std::string port; } cases[] = {
            {"10.0.0.7", "9100", Gathered::None, "NET10.0.0.7"},
            {"NET10.0.0.7", "9100", Gathered::None, "NET10.0.0.7"},  // NET not doubled
            {"", "9100", Gathered::BadAddress, ""},
            {"10.0.0.7", "0", Gathered::BadTcpPort, ""},
        };
        for (const auto& c : cases) {
            const Gathered g = GatherConnection({.tcp = true, .address = c.address, .tcpPort = c.tcpPort});
            QCOMPARE(int(g.problem), int(c.problem));
            if (c.problem != Gathered::None) continue;
            const link::CommSettings& s = g.settings;
            QCOMPARE(std::tuple(s.port, s.portType, s.baudRate, s.dataBits, s.flowControl), std::tuple(c.port, link::PortTcp, 9100, 8, 1));
        }
    }

    // Nothing ran before: the hand-over alone must give the link TCP/IP.
    void nvJobHandsOverPortType3AndClosesTheLink() {
        HandheldRig rig;
        rig.StoreTcp();
        auto w = rig.Open();
        Click(*w, "nvButton");
        QCOMPARE(rig.nvLaunches.size(), std::size_t(1));
        const link::CommSettings& s = rig.nvLaunches[0];
        QCOMPARE(std::tuple(s.portType, s.port, s.baudRate), std::tuple(link::PortTcp, std::string("NET127.0.0.1"), 9100));
        QVERIFY(!w->printerContext().link().IsOpen());  // the launcher opened it
        Find<QCheckBox>(*w, "tcpCheck")->setChecked(false);
        Click(*w, "nvButton");
        QCOMPARE(rig.nvLaunches.back().portType, std::int32_t(link::PortSerial));
    }

    void nvManagerOpensCompactOnThePrintersCodesAndClosesTheLink() {
        HandheldRig rig;
        rig.StoreTcp();
        for (const char* code : {"10", "11"}) rig.printer.Receive(nv::RasterDefinitionBlock({8, 1, {0xAA}}, code[0], code[1]));
        rig.printer.EndSession();
        rig.realNvManager = true;
        auto w = rig.Open();
        QStringList listed;
        bool linkOpen = false;
        ui::test::WhenShown manager("nvManager", [&](QWidget* window) {
            listed = Items(Find<QListWidget>(*window, "addressList"));
            linkOpen = w->printerContext().link().IsOpen();
            Click(*window, "exit");
        });
        Click(*w, "nvButton");
        // Open while the manager was up, closed after it.
        QCOMPARE(std::tuple(manager.shown, listed, linkOpen, w->printerContext().link().IsOpen(), rig.prompts.shown.size()),
                 std::tuple(1, QStringList{"10", "11"}, true, false, std::size_t(0)));
    }

    void sentinelWindowIsTheHandheldLayoutAndHandsBackOnOk() {
        ui::test::ScriptedPrompts prompts;
        std::uint32_t mode = 0;
        std::array<std::string, 6> texts{};
        ui::test::WhenShown window("msrAdvance", [&](QWidget* dialog) {
            Find<QRadioButton>(*dialog, "modeStatic")->click();
            for (const char* box : {"start1", "start2", "start3"}) Type(*dialog, box, "%");
            for (const char* box : {"end1", "end2", "end3"}) Type(*dialog, box, "?");
            Click(*dialog, "ok");
            if (dialog->isVisible()) static_cast<QDialog*>(dialog)->reject();  // refused: fail below, not hang
        });
        QVERIFY(HandheldSentinelWindow(prompts)(nullptr, mode, texts));
        QCOMPARE(std::tuple(mode, texts), std::tuple(1u, std::array<std::string, 6>{"%", "%", "%", "?", "?", "?"}));
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
