// Every kind of stored connection through the one reader, as the desktop
// window (and the command line) and the handheld screen open on it.
#include <fstream>
#include <optional>
#include <tuple>

#include <gtest/gtest.h>

#include "context/StoredCommSettings.h"
#include "support/PrinterRig.h"

namespace pelmora::context {
namespace {

struct StoreRig {
    test::TempDir dir;
    SettingsStore store{dir / "registry.reg"};
    void Dword(const char* name, std::uint32_t value) { store.SetRegDword(ProductKey, name, value); }
    std::uint32_t Number(const char* name) const {
        std::uint32_t value = 0;
        EXPECT_EQ(store.GetRegDword(ProductKey, name, value), 1) << name;
        return value;
    }
};

std::string Describe(const link::CommSettings& s) {
    return std::to_string(s.portType) + "|" + s.port + "|" + std::to_string(s.baudRate) + "|" +
           std::to_string(s.dataBits) + "|" + std::to_string(s.parity) + "|" + std::to_string(s.stopBits) + "|" +
           std::to_string(s.flowControl);
}

// Each stored value and what the window shows for it: for serial and Bluetooth
// the lists' entry (stop bits 1 is the "2" entry by index; flow control never
// opens on DTR/DSR; data bits list only 8), for TCP/IP the port as stored (9100
// for none or past 65535), for USB and types no list holds all as stored.
TEST(StoredCommSettings, EveryDesktopKindAndValue) {
    struct Case { std::uint32_t type; const char* port; std::uint32_t baud, parity, stop; const char* shown; };
    const Case cases[] = {
        {0, "COM7", 2400, 0, 0, "0|COM7|2400|8|0|0|0"},           {1, "COM49", 115200, 1, 1, "1|COM49|115200|8|1|2|0"},
        {0, "COM50", 14400, 2, 2, "0|COM1|115200|8|2|2|0"},       {1, "COM07", 0, 3, 3, "1|COM1|115200|8|0|0|0"},
        {0, "com7", 2400, 0, 0xFFFFFFFF, "0|COM1|2400|8|0|0|0"},  {3, "COM7", 2400, 3, 3, "3|NET0.0.0.0|2400|7|3|3|1"},
        // "NET" is trimmed as a set of characters, not cut as a prefix.
        {3, "NETNET10.0.0.5", 0, 0, 1, "3|NET10.0.0.5|9100|7|0|1|1"}, {3, "TEN10.0.0.5", 65536, 0, 0, "3|NET10.0.0.5|9100|7|0|0|1"},
        {3, "10.0.0.5", 65535, 0, 0, "3|NET10.0.0.5|65535|7|0|0|1"},  {3, "NET10.0.0", 1, 0, 0, "3|NET0.0.0.0|1|7|0|0|1"},
        {2, "COM50", 14400, 3, 3, "2|COM50|14400|7|3|3|1"},       {4, "com7", 0, 7, 0xFFFFFFFF, "4|com7|0|7|7|-1|1"},
        {0xFFFFFFFF, "COM7", 2400, 1, 2, "-1|COM7|2400|7|1|2|1"},
    };
    StoreRig r;
    for (const Case& c : cases) {
        r.store.SetRegValues(ProductKey, {{"uPortType", c.type}, {"uPort", std::string(c.port)}, {"uBaudrate", c.baud},
                                          {"uDatabit", 7u}, {"uParity", c.parity}, {"uStopbit", c.stop}, {"uFlowcontrol", 1u}});
        const StoredComm got = ReadCommSettings(r.store, Layout::Desktop);
        EXPECT_EQ(Describe(got.settings), c.shown);
        // What is no address: the window shows 0.0.0.0 and says so.
        const bool noAddress = std::string(c.shown).find("NET0.0.0.0") != std::string::npos;
        EXPECT_EQ(got.unreadable, noAddress ? std::vector<std::string>{"uPort"} : std::vector<std::string>{}) << c.shown;
    }
}

TEST(StoredCommSettings, DesktopFailedReads) {
    StoreRig r;  // numbers that cannot be read are 0; a type that cannot be read is a first run
    r.store.SetRegValues(ProductKey, {{"uPortType", std::string("3")}, {"uPort", std::string("NET10.0.0.5")}});
    EXPECT_EQ(Describe(ReadCommSettings(r.store, Layout::Desktop).settings), "0|COM1|115200|8|0|0|0");
    r.store.SetRegValues(ProductKey, {{"uPortType", 4u}, {"uBaudrate", std::string("fast")}});
    EXPECT_EQ(Describe(ReadCommSettings(r.store, Layout::Desktop).settings), "4|NET10.0.0.5|0|0|0|0|0");
}

TEST(StoredCommSettings, EveryHandheldCombination) {
    const struct { std::optional<std::uint32_t> type; const char* port; std::uint32_t baud; const char* read; } cases[] = {
        {std::nullopt, "", 0, "0|COM1:|115200|8|0|0|1"},  // first start
        // Any COM text, "COM7" as the desktop writes it; an unlisted rate is 115200.
        {0, "COM7:", 9600, "0|COM7:|9600|8|0|0|1"}, {0, "COM77", 14400, "0|COM77|115200|8|0|0|1"},
        {0, "COM7", 9600, "0|COM7:|9600|8|0|0|1"},  {0, "/dev/rfcomm0", 4800, "0|COM1:|4800|8|0|0|1"},
        {1, "COM3:", 2400, "0|COM3:|2400|8|0|0|1"},  // anything but TCP/IP is serial
        {3, "NET10.0.0.7", 9101, "3|NET10.0.0.7|9101|8|0|0|1"}, {3, "10.0.0.7", 9000, "3|NET192.168.1.1|9100|8|0|0|1"},
        {std::nullopt, "NET10.0.0.7", 9100, "0|COM1:|115200|8|0|0|1"},
        {2, "NET10.0.0.7", 9000, "3|NET10.0.0.7|9000|8|0|0|1"},  // TCP/IP as older handhelds stored it
        {2, "NETNET10.0.0.7", 0, "3|NETNET10.0.0.7|9100|8|0|0|1"},
        {2, "/dev/usb/lp0", 9600, "0|COM1:|9600|8|0|0|1"},  // the desktop's USB: no such port here
    };
    for (const auto& c : cases) {
        StoreRig r;
        if (c.type) r.Dword("uPortType", *c.type);
        // Stop bits and parity as the desktop stores them: the handheld has one stop bit and no parity.
        r.store.SetRegValues(ProductKey, {{"uPort", std::string(c.port)}, {"uBaudrate", c.baud}, {"uStopbit", 1u}, {"uParity", 2u}});
        EXPECT_EQ(Describe(ReadCommSettings(r.store, Layout::Handheld).settings), c.read) << c.port;
    }
}

// One store on one machine: what one program saves, it and the other open on.
// Each writes only what it keeps; the desktop's stop bits stay through the handheld's save.
TEST(StoredCommSettings, EachProgramOpensOnWhatEitherStored) {
    struct Case { Layout writer; link::CommSettings written; const char* readBack; const char* readByOther;
                  std::uint32_t type, stopBits; std::size_t values; };
    constexpr Layout D = Layout::Desktop, HH = Layout::Handheld;
    const Case cases[] = {
        // Flow control is stored, though the window opens on none.
        {D, {link::PortBluetooth, "COM4", 38400, 8, 1, 2, 1}, "1|COM4|38400|8|1|2|0", "0|COM4:|38400|8|0|0|1", 1, 2, 7},
        {D, {link::PortTcp, "NET10.0.0.8", 9102, 8, 0, 0, 0}, "3|NET10.0.0.8|9102|8|0|0|0", "3|NET10.0.0.8|9102|8|0|0|1", 3, 0, 7},
        // The one numbering both programs read; the desktop opens on its own stop bits.
        {HH, HandheldLink(link::PortTcp, "NET10.0.0.7", 9101), "3|NET10.0.0.7|9101|8|0|0|1", "3|NET10.0.0.7|9101|0|0|1|0", 3, 1, 4},
        {HH, HandheldLink(link::PortSerial, "COM4:", 9600), "0|COM4:|9600|8|0|0|1", "0|COM4|9600|8|0|2|0", 0, 1, 4},
    };
    for (const Case& c : cases) {
        StoreRig r;
        r.Dword("uStopbit", 1);
        r.store.SetRegDword("", "no key", 1);  // a failure before it is not the write's
        ASSERT_EQ(WriteCommSettings(r.store, c.written, c.writer), "");
        const Layout other = c.writer == Layout::Desktop ? Layout::Handheld : Layout::Desktop;
        EXPECT_EQ(Describe(ReadCommSettings(r.store, c.writer).settings), c.readBack) << c.written.port;
        EXPECT_EQ(Describe(ReadCommSettings(r.store, other).settings), c.readByOther) << c.written.port;
        EXPECT_EQ(std::tuple(r.Number("uPortType"), r.Number("uStopbit"), r.store.ValueNames(ProductKey).size()),
                  std::tie(c.type, c.stopBits, c.values)) << c.written.port;
        if (c.values == 7) { EXPECT_EQ(r.Number("uFlowcontrol"), std::uint32_t(c.written.flowControl)); }
    }
    const test::TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    SettingsStore unwritable(dir / "folder");
    EXPECT_NE(WriteCommSettings(unwritable, cases[0].written, Layout::Desktop), "");
}

TEST(StoredCommSettings, UnreadableValuesAreNamedForTheProgramThatReadsThem) {
    StoreRig r;
    std::ofstream(r.store.path()) << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora]\n"
                                     "\"uPortType\"=\"three\"\n\"uPort\"=dword:00000001\n\"uParity\"=\"odd\"\n"
                                     "this line is damaged\n";
    EXPECT_EQ(ReadCommSettings(r.store, Layout::Desktop).unreadable,
              (std::vector<std::string>{"(file)", "uPortType", "uPort", "uParity"}));
    EXPECT_EQ(ReadCommSettings(r.store, Layout::Handheld).unreadable,
              (std::vector<std::string>{"(file)", "uPortType", "uPort"}));

    // No store at all, which would otherwise open on COM1 without a word.
    std::ofstream(r.store.path()) << "Windows Registry Editor Version 5.00\n";
    EXPECT_EQ(ReadCommSettings(r.store, Layout::Desktop).unreadable, std::vector<std::string>{"(file)"});
}

}  // namespace
}  // namespace pelmora::context
