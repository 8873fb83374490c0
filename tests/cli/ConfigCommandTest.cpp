// `pelmora config` in-process on the virtual printer and virtual time.
#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <nlohmann/json.hpp>

#include "support/ConfigCli.h"
#include "support/LoopbackListener.h"

namespace pelmora {
namespace {

using test::ConfigCli;

TEST(ConfigCommand, GetJsonHasEveryFieldAsThePrinterHoldsIt) {
    for (const char* version : {"V1.00 090216", "V1.00 123115"}) {
        ConfigCli cli;
        cli.printer.identity.versionText = version;
        cli.held().switches[2] = 0b10000100;  // code page 16 + 32
        cli.held().tearOff = 320;
        cli.held().switches['P'] = 0b10;
        cli.held().btDeviceName = "Caf\xE9";
        cli.held().startSentinel[2] = ";";
        const auto run = cli.Run({"get", "--json"});
        ASSERT_EQ(run.status, 0) << run.err;
        const auto j = nlohmann::ordered_json::parse(run.out);
        std::vector<std::string> keys;
        for (const auto& [key, value] : j.items()) keys.push_back(key);
        const bool tearOff = std::string(version) == "V1.00 090216";
        std::vector<std::string> want = {
            "Density", "Speed", "CodePage", "Service", "FontType", "BeepPaper", "BeepLowBat", "CharMode",
            "TimeOff", "TimeSave", "CuttingPosition", "Msr", "Baudrate", "Databit", "Parity", "Flowcontrol",
            "Sentinel", "StartSentinel", "EndSentinel", "BtSecurity", "BtConnMode", "BtPinCode", "BtDeviceName",
            "RfInterface", "printer"};
        if (!tearOff) want.erase(want.begin() + 10);
        EXPECT_EQ(keys, want);
        const nlohmann::json fields = {
            {"CodePage", 48}, {"TimeOff", 15}, {"Msr", 5}, {"Flowcontrol", 0}, {"BtDeviceName", "Caf\u00E9"},
            {"StartSentinel", {"START1", "START2", ";"}}, {"BtConnMode", 1}, {"RfInterface", 2}};
        for (const auto& [key, value] : fields.items()) EXPECT_EQ(j[key], value) << key;
        const nlohmann::json printer = {
            {"ModelCode", 703}, {"FirmwareVersion", tearOff ? 160902 : 101001}, {"VersionText", version}};
        for (const auto& [key, value] : printer.items()) EXPECT_EQ(j["printer"][key], value) << key;
        EXPECT_EQ(j.value("CuttingPosition", 320), 320);  // absent without the tear-off, as the keys say
        EXPECT_TRUE(cli.Stored().empty()) << "reading stores nothing";
    }
}

TEST(ConfigCommand, GetForPeopleUsesTheWindowsWords) {
    ConfigCli cli;
    cli.held().switches[7] = 0x70;  // trigger 6
    const auto run = cli.Run({"get"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* line : {"Printing Density                      :  100%\n",
                             "MSR Trigger                           : Track 1/2/3 read mode AUTO trigger\n",
                             "Default Code Page                     : PC437 - USA, Standard Europe\n",
                             "Printing Speed                        : 100mm/s\n"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
}

TEST(ConfigCommand, SetChangesOnlyTheNamedFields) {
    ConfigCli cli;
    sim::PrinterSettings want = cli.held();
    const auto run =
        cli.Run({"set", "Density=5", "TimeOff=30", "StartSentinel[1]=%", "CodePage=36", "CuttingPosition=100"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Success to set VMSM configuration!\nPlease reset printer power.\n");
    want.switches[1] = (want.switches[1] & ~0x07) | 5;
    want.switches[2] = 0b00100100;  // the last code page of the printer's list
    want.switches[5] = 30;
    want.startSentinel[0] = "%";
    want.tearOff = 100;
    EXPECT_EQ(cli.held(), want);
    EXPECT_FALSE(cli.Logged("write-bt"));
    std::uint32_t density = 0, timeOff = 0;
    cli.store().GetRegDword(context::ProductKey, "Density", density);
    cli.store().GetRegDword(context::ProductKey, "TimeOff", timeOff);
    EXPECT_EQ(density, 5u);
    EXPECT_EQ(timeOff, 30u);
}

TEST(CommandLine, BadInputExitsTwoWithoutTouchingThePrinter) {
    test::ConfigCli cli;
    const auto& dir = cli.dir;
    const auto file = [&](const std::string& name, const std::string& text) {
        std::ofstream(dir / name) << text;
        return (dir / name).string();
    };
    const auto notFirmware = file("x.bin", "data"), firmware = file("x.fls", "fw"), empty = file("empty.fls", "");
    const auto badList = file("bad", "tcp 127.0.0.1:1\nlpt 1\n"), fifo = (dir / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string a = "127.0.0.1:1", b = "127.0.0.1:2";
    // A mistyped search sends nothing: a listener among its good targets sees no connection.
    const test::LoopbackListener listener(4, SOCK_NONBLOCK);
    ASSERT_GE(listener.fd(), 0);
    const std::string good = "127.0.0.1:" + std::to_string(listener.port());
    struct Case { std::vector<std::string> args; std::string says; };  // says: part of the message, when it matters
    std::vector<Case> cases = {
        {{"--tcp", a, "firmware", notFirmware}, ""},
        {{"--tcp", a, "firmware", (dir / "missing.fls").string()}, ""},
        {{"--tcp", "printer_local", "identify"}, "is no host name"},
        {{"--tcp", "127.0.0.1:99999", "identify"}, ""},
        {{"--serial", "COM1", "--baud", "1234", "identify"}, ""},
        {{"--serial", "COM1", "--parity", "mark", "identify"}, ""},
        {{"identify", "--bogus"}, ""},
        {{}, ""},
        {{"--tcp", a, "identify", "ports"}, "not expected: ports"},
        // An empty value would open the stored port instead.
        {{"--tcp", "", "identify"}, ""},
        {{"--serial", "", "identify"}, ""},
        {{"--bluetooth", "", "identify"}, ""},
        {{"--usb", "", "identify"}, ""},
        {{"--tcp", "127.0.0.1:+9100", "identify"}, ""},
        // Line settings that no serial port would take.
        {{"--tcp", a, "--baud", "9600", "identify"}, ""},
        {{"--usb", "/dev/null", "--parity", "odd", "identify"}, ""},
        {{"--flow", "dtr-dsr", "identify"}, ""},
        // A device or FIFO is no firmware file (and would block the open).
        {{"--tcp", a, "firmware", "--force", "/dev/null"}, ""},
        // Keeping the settings: checked before the printer is asked anything.
        {{"--tcp", a, "firmware", "--wait", "5", firmware}, ""},
        {{"--tcp", a, "firmware", "--keep-settings", (dir / "missing.fls").string()}, ""},
        {{"--tcp", a, "firmware", "--keep-settings", empty}, ""},
        {{"--tcp", a, "firmware", "--keep-settings", "--wait", "0", firmware}, ""},
        // Several printers, and what cannot run on them.
        {{"--tcp", a, "--tcp", b, "firmware", firmware}, "'firmware' works with one printer"},
        {{"--tcp", a, "--tcp", b, "--transcript", (dir / "t").string(), "identify"}, "--transcript"},
        {{"--tcp", a, "--transcript", "", "identify"}, ""},
        {{"--tcp", a, "--jobs", "2", "identify"}, "--jobs and --json before the command"},
        {{"--tcp", a, "--json", "identify"}, "--jobs and --json before the command"},
        {{"--tcp", a, "--tcp", b, "--jobs", "0", "identify"}, "--jobs"},
        {{"--printers", badList, "identify"}, ":2: a line is KIND VALUE"},
        {{"--printers", (dir / "missing").string(), "identify"}, "missing"},
        {{"--printers", badList, "ports"}, ":2:"},
        {{"--tcp", a, "--serial", "COM1", "--usb", "/dev/null", "--baud", "9600", "--tcp", a, "identify"},
         "named twice"},
        {{"--tcp", a, "config", "set"}, ""},  // nothing to change
        {{"discover", good, "10.0.0.9-4"}, "runs backwards"},
        {{"discover", good, "10.0.0.0/8"}, "needs --force"},
        {{"discover", good, "bad name!"}, "is not an address"},
        {{"discover", good, "--port", "0"}, "--port"},
        {{"discover", good, "--jobs", "0"}, "--jobs"},
        {{"discover", "/dev/ttyS0", "--scan"}, "--scan"},
        {{"--tcp", good, "discover", good}, "give it targets"},
        {{"--transcript", (dir / "never.jsonl").string(), "discover", good}, "--transcript"},
        {{"discover", good, "--printers-file", "/dev/null"}, "--printers-file"},
    };
    // config set: values no printer holds or that do not parse (TimeOff=128 is past what the record
    // holds; 91 waits for the printer; the euro sign is no Latin-1 byte) ...
    for (const std::string& edit : std::vector<std::string>{
             "Density=9", "Density=-1", "Density=4x", "Density", "Colour=3", "TimeOff=128", "CuttingPosition=65536",
             "Baudrate=14400", "Databit=6", "Flowcontrol=10", "Msr=16", "Sentinel=3", "BtConnMode=3", "RfInterface=3",
             "StartSentinel[1]=", "StartSentinel[4]=%", "EndSentinel[2]=ABCDEFGHIJK", "EndSentinel[2]=\x01",
             "BtPinCode=1234567890123", "BtDeviceName=" + std::string(31, 'n'), "BtDeviceName=a\rb",
             "BtDeviceName=\xE2\x82\xAC"})
        cases.push_back({{"--tcp", a, "config", "set", edit}, ""});
    // ... and files that are no settings (Density 9: no printer holds that).
    for (const std::string& from : {(dir / "missing.json").string(), file("bad.json", "{ nope"),
                                    file("unknown.json", R"({"Density": 4, "Colour": 1})"),
                                    file("text.json", R"({"Density": "4"})"),
                                    file("two.json", R"({"StartSentinel": ["%", ";"]})"), file("array.json", "[1, 2]"),
                                    file("held.json", R"({"Density": 9})"), dir.path().string(),
                                    file("huge.json", std::string((1 << 20) + 1, ' ')), std::string()})
        cases.push_back({{"--tcp", a, "config", "set", "--from", from}, ""});
    // A transcript that cannot be written: a missing folder, a device, a FIFO (which would block), a folder.
    for (const std::string& out : {(dir / "no" / "dir.jsonl").string(), std::string("/dev/full"), fifo,
                                   dir.path().string()})
        cases.push_back({{"--tcp", a, "--transcript", out, "identify"}, "--transcript: cannot write " + out});
    for (const Case& c : cases) {
        const auto run = cli.RunPelmora(c.args);
        const std::string what = c.args.empty() ? "" : c.args.back();
        EXPECT_EQ(run.status, 2) << what << ": " << run.err;
        EXPECT_FALSE(run.err.empty()) << what;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << what << ": " << run.out;
    }
    EXPECT_EQ(cli.RunPelmora({"bogus"}).err,
              "The following argument was not expected: bogus\nRun with --help for more information.\n");
    EXPECT_EQ(cli.RunPelmora({"config"}).err, "pelmora: a command is required: get, set, diff, default\n");
    EXPECT_EQ(cli.platform.openAttempts(), 0);
    EXPECT_LT(::accept(listener.fd(), nullptr, nullptr), 0);
    EXPECT_TRUE(cli.printer.received().empty());
    EXPECT_TRUE(cli.Stored().empty());
    // A store that cannot be read, or is no store at all, is reported, not replaced by COM1.
    std::ofstream(dir / "notes.txt") << "Windows Registry Editor Version 5.00\n";
    for (const auto& store : {dir.path(), dir / "notes.txt"}) {
        ::setenv("PELMORA_REGISTRY", store.c_str(), 1);
        const auto unreadable = cli.RunPelmora({"identify"});
        EXPECT_EQ(unreadable.status, 2) << store;
        EXPECT_NE(unreadable.err.find("cannot read the settings store"), std::string::npos) << unreadable.err;
    }
    EXPECT_EQ(cli.RunPelmora({"--version"}).status, 0);
    EXPECT_EQ(cli.RunPelmora({"--help"}).status, 0);
}

// What only the printer's answers refuse is refused after reading it and before
// writing; a printer that fails (1) says so in the windows' words. A sentinel not
// reported whole is never written back.
TEST(ConfigCommand, RefusalsAndFailuresWriteNothing) {
    struct Case {
        std::vector<std::string> args; int status; std::string err; const char* faultAt = nullptr;
        sim::Fault fault = sim::Fault::Silent; const char* version = "V1.00 090216"; const char* model = "MPT-Q700VII";
    };
    const std::string sentinel = "Failed to read track1 sentinal code!\n";
    const Case cases[] = {
        {{"set", "CodePage=37"}, 2, "pelmora: CodePage=37 is out of range (0 to 36 on firmware 160902)\n"},
        {{"set", "CuttingPosition=100"}, 2,
         "pelmora: CuttingPosition is not written on firmware 101001 (only from 160902 on)\n", nullptr,
         sim::Fault::Silent, "V1.00 123115"},
        {{"set", "TimeOff=91"}, 2, "pelmora: TimeOff=91 is out of range (0 to 90)\n"},
        {{"set", "Density=5"}, 1, sentinel, "read-sentinels-1", sim::Fault::CutShort},
        {{"set", "Density=5"}, 1, sentinel, "read-sentinels-1", sim::Fault::Silent},
        {{"set", "Density=5"}, 1, sentinel, "read-sentinels-1", sim::Fault::WrongHeader},
        {{"set", "Density=1"}, 1,
         "Failed to set initial command!\nFailed to save VMSM configuration!\nPlease check your printer state.\n",
         "enter"},
        {{"get"}, 1, "Printer model is not matched!\nThe printer reports the model \"MPT-Q800VII\".\n", nullptr,
         sim::Fault::Silent, "V1.00 090216", "MPT-Q800VII"},
    };
    for (const Case& c : cases) {
        ConfigCli cli;
        cli.printer.identity.versionText = c.version;
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
        {{"set", "Density=3"}, false},
        {{"set", "BtPinCode=0000"}, true},
        {{"set", "BtPinCode=0000", "BtKeep=1"}, false},
        {{"set", "Density=3", "BtKeep=0"}, true},
    };
    for (const Case& k : cases) {
        ConfigCli cli;
        const auto run = cli.Run(k.args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(cli.Logged("write-bt"), k.sent) << k.args.back();
        EXPECT_EQ(cli.held().btDeviceName, "MPT-Q700VII") << "the other items go back as read";
        EXPECT_EQ(cli.held().btPinCode, k.sent && k.args[1] == "BtPinCode=0000" ? "0000" : "5291");
    }
}

TEST(ConfigCommand, ValuesOutsideTheEditorsComeFromFilesOrFromThePrinter) {
    ConfigCli cli;  // the factory printer's flow control is 0, which no editor offers
    cli.held().serial[2] = "1";
    const auto path = (cli.dir / "settings.json").string();
    std::ofstream(path) << R"({"Flowcontrol": 0, "Density": 2, "TimeOff": 100})";
    auto run = cli.Run({"set", "--from", path});
    ASSERT_EQ(run.status, 0) << "a file holds what a printer reported: " << run.err;
    EXPECT_EQ(cli.held().serial[2], "0");
    EXPECT_EQ(cli.held().Switch(5), 100);

    run = cli.Run({"set", "--from", path, "Flowcontrol=2"});
    EXPECT_EQ(run.status, 0) << "the command line overrides the file: " << run.err;
    EXPECT_EQ(cli.held().serial[2], "2");

    cli.held().serial[2] = "0";
    EXPECT_EQ(cli.Run({"set", "Flowcontrol=0", "Density=3"}).status, 0) << "what the printer holds";
}

TEST(ConfigCommand, AStoreThatCannotBeSavedKeepsThePrinterResultAndWarns) {
    ConfigCli cli;
    std::filesystem::create_directory(cli.dir / "registry.reg");
    const auto run = cli.Run({"set", "Density=1"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "Success to set VMSM configuration!\nPlease reset printer power.\n");
    EXPECT_EQ(run.err, "pelmora: warning: cannot save the settings in '" + (cli.dir / "registry.reg").string() +
                           "': Is a directory\n");
    EXPECT_EQ(cli.held().Switch(1) & 7, 1);
}

TEST(ConfigCommand, DefaultRestoresTheFactorySettings) {
    ConfigCli cli;
    cli.held().switches[5] = 77;
    cli.held().btPinCode = "0000";
    const auto run = cli.Run({"default"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Success to set VMSM configuration!\nPlease reset printer power.\n");
    EXPECT_EQ(cli.held().Switch(5), 15);
    EXPECT_EQ(cli.held().btPinCode, "5291");
    EXPECT_FALSE(cli.Stored().empty());
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
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("could not be read (uPort); give a connection option"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
}

// With several printers nothing is stored: the store holds one printer's settings.
TEST(ConfigCommand, SeveralPrintersLeaveTheStoreAlone) {
    ConfigCli cli;
    for (const char* command : {"inventory", "config"}) {
        std::vector<std::string> args{"--tcp", "127.0.0.1:9100", "--serial", "COM1", "--jobs", "1", command};
        if (std::string(command) == "config") args.push_back("get");
        const auto run = cli.RunPelmora(args);
        EXPECT_EQ(run.status, 0) << command << ": " << run.err;
        EXPECT_TRUE(cli.Stored().empty()) << command;
    }
}

TEST(ConfigCommand, SerialOptionsReachTheLine) {
    for (const auto& [parity, bits] : {std::pair{"none", 0}, {"odd", 1}, {"even", 2}}) {
        ConfigCli cli;
        const auto run = cli.RunPelmora({"--serial", "COM1", "--baud", "9600", "--parity", parity, "--stop-bits", "2",
                                         "config", "get"});
        EXPECT_EQ(run.status, 0) << parity << ": " << run.err;
        const link::SerialLineState& line = cli.platform.lastLineState();
        EXPECT_EQ(line.baudRate, 9600u) << parity;
        EXPECT_EQ(line.parity, bits) << parity;
        EXPECT_EQ(line.stopBits, 2) << parity;
    }
}

// What an operator meets first: no link chosen is said at once; values go in
// as the windows word them; the PIN stays out of text unless asked for; a
// write of what the printer holds writes nothing.
TEST(ConfigCommand, OperatorsFirstSteps) {
    test::ConfigCli cli;
    auto run = cli.RunPelmora({"identify"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("no printer connection given and none stored"), std::string::npos) << run.err;
    EXPECT_EQ(cli.platform.openAttempts(), 0) << "nothing waited on a port nobody chose";

    cli.held().btPinCode = "8642";
    EXPECT_EQ(cli.Run({"set", "Density=145%"}).status, 2) << "no such percentage";
    run = cli.Run({"set", "BeepPaper=off", "TimeOff=30min", "Parity=even", "Density=140%"});
    ASSERT_EQ(run.status, 0) << run.err;
    run = cli.Run({"get", "--json"});
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["Density"], 5);
    EXPECT_EQ(j["BeepPaper"], 1);
    EXPECT_EQ(j["TimeOff"], 30);
    EXPECT_EQ(j["Parity"], 2);
    EXPECT_EQ(j["BtPinCode"], "8642") << "a backup must restore the PIN";

    for (const bool reveal : {false, true}) {
        std::vector<std::string> args{"--tcp", "127.0.0.1:9100", "config", "get"};
        if (reveal) args.insert(args.begin(), "--show-secrets");
        run = cli.RunPelmora(args);
        EXPECT_EQ(run.out.find("8642") != std::string::npos, reveal) << run.out;
        args.back() = "diff";
        args.push_back("BtPinCode=1234");
        args.push_back("--json");
        run = cli.RunPelmora(args);
        EXPECT_EQ(run.status, 3);
        EXPECT_EQ(run.out.find("8642") != std::string::npos, reveal) << run.out;
        EXPECT_EQ(run.out.find("1234") != std::string::npos, reveal) << run.out;
        EXPECT_NE(run.out.find("\"field\": \"BtPinCode\""), std::string::npos) << "the change is still named";
    }

    const std::size_t before = cli.printer.commandLog().size();
    run = cli.Run({"set", "TimeOff=30", "BeepPaper=Off"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("nothing was written"), std::string::npos) << run.out;
    const std::vector<std::string> log(cli.printer.commandLog().begin() + static_cast<long>(before),
                                       cli.printer.commandLog().end());
    EXPECT_EQ(std::count(log.begin(), log.end(), "enter"), 0) << "no flash write for nothing";
    run = cli.Run({"set", "TimeOff=30", "--force"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(cli.Logged("enter"));
    EXPECT_EQ(cli.Run({"set", "BeepPaper=loud"}).status, 2);
}

}  // namespace
}  // namespace pelmora
