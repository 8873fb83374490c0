// The virtual printer's configuration: replies, writes, setting mode, the factory block, state.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <tuple>

#include "sim/ConfigHandler.h"
#include "support/PrinterRig.h"
#include "vmsm/FromHex.h"
#include "vmsm/VmsmCommands.h"

namespace pelmora::sim {
namespace {

using test::H;

struct Printer {
    PrinterModel model;
    ConfigHandler& config() { return *model.Handler<ConfigHandler>(); }
    PrinterSettings& held() { return config().settings; }
    /// The reply bytes the input caused, back to back.
    std::vector<std::uint8_t> Send(const std::vector<std::uint8_t>& bytes) {
        std::vector<std::uint8_t> out;
        for (const Reply& r : model.Receive(bytes)) out.insert(out.end(), r.bytes.begin(), r.bytes.end());
        return out;
    }
    std::vector<std::uint8_t> Send(const std::string& hex) { return Send(H(hex)); }
};

// Outside setting mode a switch write is ignored; inside, a command may come in pieces. (A header and its
// record in two writes are every switch and serial write of SetStatusWritesInOrder.)
TEST(SimConfig, PiecesWaitForTheRestOfTheCommand) {
    Printer p;
    const PrinterSettings before = p.held();
    p.Send("1D 28 45 0B 00 03 06 31 31 31 31 31 31 31 31");
    p.Send("1D 28 45 04 00 0B 01 39 36");
    EXPECT_EQ(p.held(), before);
    EXPECT_EQ(p.Send("1D 28 45 03 00 01 49 4E"), H("37 20 00"));
    const PrinterSettings four = p.held();
    p.Send("1D 28 45 04 00 0B 05 39 37");  // there are four serial records
    EXPECT_EQ(p.held(), four);
    p.Send("1F 1F 70 30 31 31 32");
    p.Send("0D 4E 0D");
    EXPECT_EQ(std::tie(p.held().btPinCode, p.held().btDeviceName, p.held().btConnMode, p.held().btSecurity),
              std::tuple("12", "N", '1', '0'));
}

// Refused lengths and unknown items are logged and dropped, what follows read afresh: an announced
// length over 300 is noise at once, 300 is waited for; a PIN and name without CRs end at 100 bytes.
TEST(SimConfig, MalformedFramesAreLoggedAndDropped) {
    const std::string pin = "1F 1F 70" + std::string(2 * 96, '3');
    const struct { std::string in, reply; std::vector<std::string> log; } cases[] = {
        {"08 4D 53 01 00 34 31", "", {"sentinel-unknown", "unknown"}}, {"08 4D 53 2C 01 32 31", "", {}},
        {"08 4D 53 2D 01 32 31", "", {"sentinel-unknown", "unknown"}}, {"1D 28 45 2C 01 0B 01", "", {}},
        {"1D 28 45 2D 01 0B 01", "", {"gs-e-unknown", "unknown"}},     {"1F 1F 69 7A", "37 42 7A 00", {"read-bt-z"}},
        {"08 4D 53 02 00 34 34", "", {"sentinel-unknown"}},            {pin, "", {}},
        {pin + "33", "", {"bt-unknown", "unknown"}},
        // Unknown functions of each dialect, a legacy length of 0, an unknown Bluetooth letter.
        {"1D 28 45 02 00 63 00", "", {"gs-e-unknown"}},                {"08 5E 45 02 00 63 00", "", {"legacy-unknown"}},
        {"08 5E 45 00 00 01", "", {"legacy-unknown", "unknown"}},      {"08 5E 45 00 00 03 31", "", {"write-switch-legacy", "unknown"}},
        {"08 5E 45 2C 01 0B 01", "", {}},                              {"1F 1F 71", "", {"bt-unknown"}},
    };
    for (const auto& c : cases) {
        Printer p;
        EXPECT_EQ(p.Send(c.in), H(c.reply)) << c.in;
        EXPECT_EQ(p.model.commandLog(), c.log) << c.in;
    }
}

TEST(SimConfig, LegacySwitchRecordsCarryB8OrTheNumber) {
    Printer p;
    p.model.identity.msrMode = 'P';
    p.Send("08 5E 45 01 00 01");
    p.Send("08 5E 45 31 00 03");  // six records (no switch 7), here in one write
    p.Send("01 32 32 32 30 31 31 31 31 31 31 31 31 31 31 31 03 32 32 32 32 32 32 32 "
           "30 30 30 30 30 30 30 31 30 30 30 30 30 30 31 30 08 32 32 31 31 31 31 32");
    p.Send("08 5E 45 01 00 02");
    const std::pair<std::uint8_t, int> want[] = {
        {1, 0b00000111}, {2, 0xFF}, {3, 0x01}, {5, 0x01}, {6, 0x02}, {7, 0x60 /* untouched */}, {8, 0b00011110}};
    for (const auto& [n, value] : want) EXPECT_EQ(p.held().Switch(n), value) << int{n};
    EXPECT_FALSE(p.config().inSettingMode());
}

TEST(SimConfig, FactoryBlockAnswersOnceAndAppliesAll) {
    Printer p;
    p.held() = PrinterSettings{};
    p.held().switches[3] = 0xF0;
    EXPECT_EQ(p.Send(vmsm::cmd::FactoryDefaultBlock()), H("37 20 00"));
    PrinterSettings want = FactorySettings();
    for (const char k : {'P', 'Q'}) want.switches.erase(k);
    want.switches[3] = 0xF1;  // b8..b5 unchanged
    EXPECT_EQ(p.held(), want);
}

TEST(SimConfig, StateRoundTripKeepsBytes) {
    Printer p;
    p.held().switches[7] = 0x33;
    p.held().switches['Q'] = 0x81;
    p.held().tearOff = 640;
    p.held().startSentinel[0] = "\xE9%";  // the first track and the last
    p.held().endSentinel[2] = "?";
    p.held().btDeviceName = std::string("Caf\xE9\x00x", 6);
    const auto saved = p.model.SaveState();
    EXPECT_NO_THROW(saved.dump());

    Printer q;
    q.model.LoadState(nlohmann::json::parse(saved.dump()));
    EXPECT_EQ(q.held(), p.held());

    Printer r;
    auto damaged = saved;
    damaged["config"]["serial"] = 5;
    r.model.LoadState(damaged);
    EXPECT_EQ(r.held(), FactorySettings()) << "a damaged state leaves the printer as it was";
}

}  // namespace
}  // namespace pelmora::sim
