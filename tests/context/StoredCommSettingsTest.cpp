#include <gtest/gtest.h>

#include "context/StoredCommSettings.h"
#include "support/PrinterRig.h"

namespace pelmora::context {
namespace {

struct StoreRig {
    test::TempDir dir;
    SettingsStore store{dir / "registry.reg"};
    void Dword(const char* name, std::uint32_t value) { store.SetRegDword(ProductKey, name, value); }
    void Text(const char* name, const char* value) { store.SetRegString(ProductKey, name, value); }
};

TEST(StoredCommSettings, EmptyStoreGivesSerialCom1Defaults) {
    StoreRig r;
    const auto s = LoadCommSettings(r.store);
    EXPECT_EQ(s.portType, link::PortSerial);
    EXPECT_EQ(s.port, "COM1");
    EXPECT_EQ(s.baudRate, 115200);
    EXPECT_EQ(s.dataBits, 8);
    EXPECT_EQ(s.parity, 0);
    EXPECT_EQ(s.stopBits, 0);
    EXPECT_EQ(s.flowControl, 0);
}

TEST(StoredCommSettings, SerialValuesPassThroughTheWindowsLists) {
    struct Case {
        const char* port;
        std::uint32_t baud, stopBits, flow;
        const char* expectPort;
        int expectBaud, expectStop;
    };
    const Case cases[] = {
        {"COM7", 9600, 2, 1, "COM7", 9600, 2},       // flow control always opens on none
        {"COM50", 14400, 0, 0, "COM1", 115200, 0},   // not in the lists: the defaults stand
        {"COM07", 2400, 1, 0, "COM1", 2400, 2},      // exact text only; stop bits 1 is the "2" entry, as the window shows it
        {"COM8", 2400, 3, 0, "COM8", 2400, 0},       // no entry: one stop bit
        {"/dev/ttyUSB0", 57600, 0, 0, "COM1", 57600, 0},
        {"LPT2", 4800, 0, 0, "COM1", 4800, 0},       // four characters, but not COM
        {"COM49", 19200, 0, 0, "COM49", 19200, 0},   // the last in the list
    };
    for (const Case& c : cases) {
        StoreRig r;
        r.Dword("uPortType", 0);
        r.Text("uPort", c.port);
        r.Dword("uBaudrate", c.baud);
        r.Dword("uStopbit", c.stopBits);
        r.Dword("uFlowcontrol", c.flow);
        r.Dword("uParity", 2);
        const auto s = LoadCommSettings(r.store);
        EXPECT_EQ(s.port, c.expectPort) << c.port;
        EXPECT_EQ(s.baudRate, c.expectBaud) << c.port;
        EXPECT_EQ(s.stopBits, c.expectStop) << c.port;
        EXPECT_EQ(s.parity, 2);
        EXPECT_EQ(s.flowControl, 0);
    }
}

TEST(StoredCommSettings, TcpTakesTheAddressAndAlwaysPort9100) {
    StoreRig r;
    r.Dword("uPortType", 3);
    r.Text("uPort", "NET10.0.0.5");
    r.Dword("uBaudrate", 1234);
    const auto s = LoadCommSettings(r.store);
    EXPECT_EQ(s.portType, link::PortTcp);
    EXPECT_EQ(s.port, "NET10.0.0.5");
    EXPECT_EQ(s.baudRate, 9100);
}

TEST(StoredCommSettings, SaveWritesTheSevenValuesThatLoadReads) {
    StoreRig r;
    link::CommSettings s{link::PortBluetooth, "COM4", 38400, 8, 1, 2, 1};
    EXPECT_TRUE(SaveCommSettings(r.store, s));
    std::uint32_t value = 0;
    EXPECT_EQ(r.store.GetRegDword(ProductKey, "uPortType", value), 1);
    EXPECT_EQ(value, 1u);
    const auto back = LoadCommSettings(r.store);
    EXPECT_EQ(back.port, "COM4");
    EXPECT_EQ(back.baudRate, 38400);
    EXPECT_EQ(back.parity, 1);
    EXPECT_EQ(back.stopBits, 2);
    // Flow control is stored, though a serial load always starts from none.
    EXPECT_EQ(r.store.GetRegDword(ProductKey, "uFlowcontrol", value), 1);
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(back.flowControl, 0);
}

}  // namespace
}  // namespace pelmora::context
