// `pelmora config` in-process on the virtual printer and virtual time.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "cli/PrinterActions.h"
#include "support/ConfigCli.h"

namespace pelmora {
namespace {

using test::ConfigCli;
using testing::HasSubstr;

constexpr const char* kWritten = "Success to set VMSM configuration!\nPlease reset printer power.\n";

// Which fields there are (no tear-off position on older firmware) is ConfigProfile's backup round trip.
TEST(ConfigCommand, GetJsonGivesTheFieldsAsThePrinterHoldsThem) {
    ConfigCli cli;
    cli.held().switches[2] = 0b10000100;  // code page 16 + 32
    cli.held().tearOff = 320;
    cli.held().switches['P'] = 0b10;
    cli.held().btDeviceName = "Caf\xE9";
    cli.held().startSentinel[2] = ";";
    const auto run = cli.Run({"get", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    const nlohmann::json fields = {
        {"CodePage", 48}, {"TimeOff", 15}, {"Msr", 5}, {"Flowcontrol", 0}, {"BtDeviceName", "Caf\u00E9"},
        {"StartSentinel", {"START1", "START2", ";"}}, {"BtConnMode", 1}, {"RfInterface", 2}, {"CuttingPosition", 320}};
    for (const auto& [key, value] : fields.items()) EXPECT_EQ(j[key], value) << key;
    const nlohmann::json printer = {{"ModelCode", 703}, {"FirmwareVersion", 160902}, {"VersionText", "V1.00 090216"}};
    for (const auto& [key, value] : printer.items()) EXPECT_EQ(j["printer"][key], value) << key;
    EXPECT_TRUE(cli.Stored().empty()) << "reading stores nothing";
}

// The text a person reads, whole: every field the firmware reports, with the
// windows' labels and words, and the PIN masked.
TEST(ConfigCommand, GetTextShowsEveryFieldAsTheWindowsDo) {
    ConfigCli cli;
    const auto run = cli.Run({"get"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, R"(Printer                               : MPT-Q700VII (fw:V1.00 090216, 160902)
Printing Density                      :  100%
Printing Speed                        : 100mm/s
Default Code Page                     : PC437 - USA, Standard Europe
Default Font Type                     : Font A ( 12 x 24 )
Double Byte Font Mode                 : On
Printer Service                       : Receipt
tear off position                     : 0 units
Beep For Roll Paper End               : On
Beep Mode For Low Battery End         : On
Auto Power Off Time (Not Connected)   : 15 min
Auto Power Saving Time (Connected)    : 10 sec
MSR Trigger                           : Track 2/3 read mode AUTO trigger
Sentinal Option                       : None
Track1 Start Code                     : START1
Track1 End Code                       : END1
Track2 Start Code                     : START2
Track2 End Code                       : END2
Track3 Start Code                     : START3
Track3 End Code                       : END3
Baud Rate                             : 115200
Data Bits                             : 8
Parity                                : None
Stop Bits                             : 0
Authentication & Encryption           : Enable
Connection Mode                       : Mode 2
PIN Code                              : ********
Printer Name                          : MPT-Q700VII
RF Interface                          : 0
)");
}

TEST(ConfigCommand, SetChangesOnlyTheNamedFields) {
    ConfigCli cli;
    sim::PrinterSettings want = cli.held();
    const auto run =
        cli.Run({"set", "Density=5", "TimeOff=30", "StartSentinel[1]=%", "CodePage=36", "CuttingPosition=100"});
    EXPECT_EQ(std::tie(run.status, run.out), std::tuple(0, kWritten)) << run.err;
    want.switches[1] = (want.switches[1] & ~0x07) | 5;
    want.switches[2] = 0b00100100;  // the last code page of the printer's list
    want.switches[5] = 30;
    want.startSentinel[0] = "%";
    want.tearOff = 100;
    EXPECT_EQ(cli.held(), want);
    EXPECT_FALSE(cli.Logged("write-bt"));
    std::uint32_t timeOff = 0;  // the record is stored as written
    EXPECT_TRUE(cli.store().GetRegDword(context::ProductKey, "TimeOff", timeOff) == 1 && timeOff == 30) << timeOff;
}

// What only the printer's answers refuse is refused after reading it and before
// writing; a printer that fails (1) says so in the windows' words. A sentinel not
// reported whole is never written back.
TEST(ConfigCommand, RefusalsAndFailuresWriteNothing) {
    struct Case {
        std::vector<std::string> args; int status; std::string err; const char* faultAt = nullptr;
        sim::Fault fault = sim::Fault::Silent; const char* model = "MPT-Q700VII";
    };
    const std::string sentinel = "Failed to read track1 sentinal code!\n";
    const Case cases[] = {
        {{"set", "CodePage=37"}, 2, "pelmora: CodePage=37 is out of range (0 to 36 on firmware 160902)\n"},
        {{"set", "TimeOff=91"}, 2, "pelmora: TimeOff=91 is out of range (0 to 90)\n"},
        {{"set", "Density=5"}, 1, sentinel, "read-sentinels-1", sim::Fault::CutShort},
        {{"set", "Density=1"}, 1,
         "Failed to set initial command!\nFailed to save VMSM configuration!\nPlease check your printer state.\n",
         "enter"},
        {{"get"}, 1, "Printer model is not matched!\nThe printer reports the model \"MPT-Q800VII\".\n", nullptr,
         sim::Fault::Silent, "MPT-Q800VII"},
    };
    for (const Case& c : cases) {
        ConfigCli cli;
        cli.printer.identity.modelText = c.model;
        if (c.faultAt) cli.printer.faults.perCommand[c.faultAt] = c.fault;
        const auto run = cli.Run(c.args);
        EXPECT_EQ(run.status, c.status) << c.err;
        EXPECT_EQ(run.err, c.err);
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_EQ(cli.Logged("enter"), c.faultAt && std::string(c.faultAt) == "enter") << c.err;
        if (c.status == 2) {
            EXPECT_TRUE(cli.Logged("read-switch-2")) << "checked against what the printer holds";
        }
        EXPECT_EQ(cli.held(), sim::FactorySettings()) << c.err;
        EXPECT_TRUE(cli.Stored().empty()) << c.err;
    }
}

TEST(ConfigCommand, BluetoothIsSentOnlyWhenNamed) {
    struct Case { std::vector<std::string> args; bool sent; };
    const Case cases[] = {
        {{"set", "--verify", "BtPinCode=0000"}, true},
        {{"set", "--verify", "BtPinCode=0000", "BtKeep=1"}, false},  // and the PIN held back is no loss
        {{"set", "--verify", "Density=3", "BtKeep=0"}, true},
    };
    for (const Case& k : cases) {
        ConfigCli cli;
        const auto run = cli.Run(k.args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(cli.Logged("write-bt"), k.sent) << k.args.back();
        EXPECT_EQ(cli.held().btDeviceName, "MPT-Q700VII") << "the other items go back as read";
        EXPECT_EQ(cli.held().btPinCode, k.sent && k.args[2] == "BtPinCode=0000" ? "0000" : "5291");
    }
}

// A value no editor offers, such as the factory printer's flow control 0, comes from a file (ConfigProfile's
// backup restores it) or repeats what the printer holds; a file may word one whose code the firmware decides.
TEST(ConfigCommand, ValuesOutsideTheEditorsComeFromFilesOrFromThePrinter) {
    ConfigCli cli;
    const auto path = (cli.dir / "settings.json").string();
    std::ofstream(path) << R"({"Flowcontrol": 0, "Density": "140%"})";
    EXPECT_EQ(cli.Run({"set", "--from", path, "Flowcontrol=2"}).status, 0) << "the command line overrides the file";
    EXPECT_EQ(std::tuple(cli.held().serial[2], cli.held().Switch(1) & 0x07), std::tuple("2", 5));

    cli.held().serial[2] = "0";
    EXPECT_EQ(cli.Run({"set", "Flowcontrol=0", "Density=3"}).status, 0) << "what the printer holds";
}

// The store's record is SetChangesOnlyTheNamedFields'; one that cannot be saved keeps
// the printer's result and warns (3).
TEST(ConfigCommand, DefaultRestoresTheFactorySettingsEvenWhenTheStoreCannotBeSaved) {
    ConfigCli cli;
    cli.held().switches[5] = 77;
    cli.held().btPinCode = "0000";
    std::filesystem::create_directory(cli.dir / "registry.reg");
    const auto run = cli.Run({"default"});
    EXPECT_EQ(std::tie(run.status, run.out), std::tuple(3, kWritten));
    EXPECT_THAT(run.err, HasSubstr("pelmora: warning: cannot save the settings in '" +
                                   (cli.dir / "registry.reg").string() + "': Is a directory\n"));
    EXPECT_EQ(std::tuple(cli.held().Switch(5), cli.held().btPinCode), std::tuple(15, "5291"));
}

// Without a connection option the stored one is used, but only when it reads:
// a value of the wrong kind is named, a damaged line elsewhere does not matter.
TEST(ConfigCommand, TheStoredConnectionIsUsedOnlyWhenItReads) {
    ConfigCli cli;
    context::SettingsStore store = cli.store();
    store.SetRegDword(context::ProductKey, "uPortType", link::PortTcp);
    store.SetRegString(context::ProductKey, "uPort", "NET127.0.0.1");
    store.SetRegDword(context::ProductKey, "uBaudrate", 9100);
    std::ofstream(cli.dir / "registry.reg", std::ios::app) << "a damaged line\n";
    EXPECT_EQ(cli.RunPelmora({"config", "get"}).status, 0);

    store.SetRegDword(context::ProductKey, "uPort", 7);
    const auto run = cli.RunPelmora({"config", "get"});
    EXPECT_EQ(std::tuple(run.status, run.out), std::tuple(2, ""));
    EXPECT_THAT(run.err, HasSubstr("could not be read (uPort); give a connection option"));
}

// The inventory's digest is that of the settings `config get --json` gives (what
// `jq -jcS 'del(.printer)' | sha256sum` gives), and another once one changes.
TEST(ConfigCommand, TheInventorysDigestFollowsTheSettings) {
    ConfigCli cli;
    EXPECT_EQ(cli::SettingsDigest({{"printer", "x"}, {"a", 1}}),
              "015abd7f5cc57a2dd94b7590f04ad8084273905ee33ec5cebeae62276a97f862");
    const auto inventory = [&cli] {
        return nlohmann::json::parse(cli.RunPelmora({"--tcp", "127.0.0.1:9100", "inventory", "--json"}).out);
    };
    const auto before = inventory();
    const auto digest = cli::SettingsDigest(nlohmann::json::parse(cli.Run({"get", "--json"}).out));
    EXPECT_EQ(before, nlohmann::json({{"ModelName", "MPT-Q700VII"}, {"VersionText", "V1.00 090216"},
                                      {"FirmwareVersion", 160902}, {"SettingsDigest", digest},
                                      {"NvCodes", nlohmann::json::array()}}));
    ASSERT_EQ(cli.Run({"set", "TimeOff=45"}).status, 0);
    EXPECT_NE(inventory()["SettingsDigest"], digest);
}

// What an operator meets first: no link chosen is said at once; values go in
// and come out as the windows word them; the PIN stays out of text unless asked
// for; a write of what the printer holds writes nothing.
TEST(ConfigCommand, OperatorsFirstSteps) {
    test::ConfigCli cli;
    auto run = cli.RunPelmora({"identify"});
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, HasSubstr("no printer connection given and none stored"));
    EXPECT_EQ(cli.platform.openAttempts(), 0) << "nothing waited on a port nobody chose";

    cli.held().btPinCode = "8642";
    run = cli.Run({"set", "BeepPaper=off", "TimeOff=30min", "Parity=even", "Density=140%"});
    ASSERT_EQ(run.status, 0) << run.err;
    run = cli.Run({"get", "--json"});
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(std::tuple(j["Density"], j["BeepPaper"], j["TimeOff"], j["Parity"]), std::tuple(5, 1, 30, 2));

    for (const bool reveal : {false, true}) {
        std::vector<std::string> args{"--tcp", "127.0.0.1:9100", "config", "get"};
        if (reveal) args.insert(args.begin(), "--show-secrets");
        run = cli.RunPelmora(args);
        EXPECT_EQ(run.out.find("8642") != std::string::npos, reveal) << run.out;
        EXPECT_THAT(run.out, HasSubstr("Printing Density                      :  140%\n"));
        args.back() = "diff";
        args.push_back("BtPinCode=1234");
        args.push_back("--json");
        run = cli.RunPelmora(args);
        EXPECT_EQ(run.status, 3);
        EXPECT_EQ(run.out.find("8642") != std::string::npos, reveal) << run.out;
        EXPECT_EQ(run.out.find("1234") != std::string::npos, reveal) << run.out;
        EXPECT_THAT(run.out, HasSubstr("\"field\": \"BtPinCode\"")) << "the change is still named";
    }

    cli.printer.ClearLogs();
    run = cli.Run({"set", "TimeOff=30", "BeepPaper=Off"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("nothing was written"));
    EXPECT_FALSE(cli.Logged("enter")) << "no flash write for nothing";
    EXPECT_EQ(cli.Run({"set", "TimeOff=30", "--force"}).status, 0);
    EXPECT_TRUE(cli.Logged("enter"));
}

}  // namespace
}  // namespace pelmora
