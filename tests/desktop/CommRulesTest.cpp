#include <fstream>

#include <QtTest>

#include "context/SettingsStore.h"
#include "desktop/CommRules.h"
#include "support/PrinterRig.h"

using namespace pelmora;
using desktop::SerialSelection;

namespace {
link::CommSettings Stored(std::string port, int baud, int parity, int stopBits, int flow) {
    return {link::PortSerial, std::move(port), baud, 8, parity, stopBits, flow};
}
}  // namespace

class CommRulesTest : public QObject {
    Q_OBJECT
private slots:
    void dottedIpv4() {
        const struct { const char* text; bool valid; } cases[] = {
            {"0.0.0.0", true},        {"10.0.0.5", true},    {"255.255.255.255", true},
            {"192.168.0.10", true},   {"256.0.0.1", false},  {"1.2.3", false},
            {"1.2.3.4.5", false},     {"1.2.3.", false},     {".1.2.3", false},
            {"1..2.3", false},        {"010.0.0.1", false},  {"1.2.3.4 ", false},
            {"a.b.c.d", false},       {"", false},           {"1234.1.1.1", false},
        };
        for (const auto& c : cases) QVERIFY2(desktop::IsDottedIpv4(c.text) == c.valid, c.text);
    }

    void tcpPort() {
        const struct { const char* text; int port; } cases[] = {
            {"9100", 9100}, {"1", 1}, {"65535", 65535}, {"0", -1}, {"65536", -1},
            {"", -1},       {"-5", -1}, {"91a0", -1},   {"999999", -1}, {" 80", -1},
        };
        for (const auto& c : cases) {
            const auto parsed = desktop::ParseTcpPort(c.text);
            QVERIFY2(parsed ? *parsed == c.port : c.port == -1, c.text);
        }
    }

    void serialRestore() {
        const auto ports = desktop::ComPortEntries();
        const struct {
            const char* name;
            link::CommSettings stored;
            SerialSelection expected;
        } cases[] = {
            {"first run defaults", Stored("", 0, 0, 0, 0), {0, 6, 0, 0, 0}},
            {"exact port and baud", Stored("COM12", 9600, 2, 0, 0), {11, 2, 2, 0, 0}},
            {"port text is case-sensitive", Stored("com12", 9600, 0, 0, 0), {0, 2, 0, 0, 0}},
            {"COM50 is not listed", Stored("COM50", 115200, 0, 0, 0), {0, 6, 0, 0, 0}},
            {"unlisted baud keeps 115200", Stored("COM1", 14400, 0, 0, 0), {0, 6, 0, 0, 0}},
            {"two stop bits select 2", Stored("COM1", 2400, 1, 2, 0), {0, 0, 1, 1, 0}},
            {"stop bits 1 taken as an index", Stored("COM1", 2400, 0, 1, 0), {0, 0, 0, 1, 0}},
            {"stop bits 5 keep 1", Stored("COM1", 2400, 0, 5, 0), {0, 0, 0, 0, 0}},
            {"parity 3 keeps NONE", Stored("COM1", 2400, 3, 0, 0), {0, 0, 0, 0, 0}},
            {"flow control never restored", Stored("COM1", 2400, 0, 0, 1), {0, 0, 0, 0, 0}},
        };
        for (const auto& c : cases) {
            const SerialSelection s = desktop::RestoreSerial(c.stored, ports);
            const SerialSelection& e = c.expected;
            QVERIFY2(s.port == e.port && s.baudRate == e.baudRate && s.parity == e.parity &&
                         s.stopBits == e.stopBits && s.flowControl == e.flowControl,
                     c.name);
        }
    }

    void usbRestoreWalksOnlyListedEntries() {
        const std::vector<std::string> paths{"/dev/usb/lp0", "/dev/usb/lp1"};
        QCOMPARE(desktop::RestoreUsb("/dev/usb/lp1", paths, 2), 1);
        QCOMPARE(desktop::RestoreUsb("/dev/usb/lp1", paths, 1), -1);
        QCOMPARE(desktop::RestoreUsb("/dev/usb/lp9", paths, 2), -1);
    }

    void storeReadFollowsTheReadRules() {
        test::TempDir dir;
        context::SettingsStore store(dir / "registry.reg");
        QVERIFY(!desktop::ReadStoredComm(store).portTypeRead);

        store.SetRegDword(context::ProductKey, "uPortType", 3);
        store.SetRegString(context::ProductKey, "uBaudrate", "fast");  // wrong type reads as 0
        const auto stored = desktop::ReadStoredComm(store);
        QVERIFY(stored.portTypeRead);
        QCOMPARE(stored.values.portType, 3);
        QCOMPARE(stored.values.port, std::string());
        QCOMPARE(stored.values.baudRate, 0);
    }

    void unreadableValuesAreNamed() {
        test::TempDir dir;
        const auto file = dir / "registry.reg";
        {
            std::ofstream out(file);
            out << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora]\n"
                   "\"uPortType\"=\"three\"\n\"uPort\"=dword:00000001\n\"uParity\"=dword:00000002\n"
                   "this line is damaged\n";
        }
        const context::SettingsStore store(file);
        const auto names = desktop::UnreadableCommValues(store);
        QCOMPARE(names, (std::vector<std::string>{"(file)", "uPortType", "uPort"}));

        // No store at all, which would otherwise open on COM1 without a word.
        std::ofstream(file) << "Windows Registry Editor Version 5.00\n";
        QCOMPARE(desktop::UnreadableCommValues(store), std::vector<std::string>{"(file)"});
    }
};

QTEST_MAIN(CommRulesTest)
#include "CommRulesTest.moc"
