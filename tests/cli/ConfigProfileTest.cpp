// Settings files between printers: diff, dry run, verify, model and firmware checks.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "support/ConfigCli.h"

namespace pelmora {
namespace {

using test::ConfigCli;

bool OnlyReads(const std::vector<std::string>& log) {
    return std::none_of(log.begin(), log.end(), [](const std::string& key) {
        return key.find("write") != std::string::npos || key.find("enter") != std::string::npos;
    });
}

std::string SaveJson(ConfigCli& cli, const nlohmann::json& j) {
    const auto path = (cli.dir / "profile.json").string();
    std::ofstream(path) << j.dump(2);
    return path;
}

nlohmann::json GetJson(ConfigCli& cli) {
    const auto run = cli.Run({"get", "--json"});
    EXPECT_EQ(run.status, 0) << run.err;
    return nlohmann::json::parse(run.out);
}

// Every field the firmware reports, set to a value other than the factory's; each field of
// the list must be reported (the tear-off position only from firmware 160902 on).
nlohmann::json ChangedEverywhere(const nlohmann::json& backup) {
    const nlohmann::json other = {
        {"Density", 2},      {"Speed", 1},         {"CodePage", 20},      {"Service", 1},
        {"FontType", 2},     {"BeepPaper", 1},     {"BeepLowBat", 1},     {"CharMode", 0},
        {"TimeOff", 30},     {"TimeSave", 100},    {"CuttingPosition", 320}, {"Msr", 2},
        {"Baudrate", 9600},  {"Databit", 7},       {"Parity", 2},         {"Flowcontrol", 2},
        {"Sentinel", 1},     {"BtSecurity", 0},    {"BtConnMode", 2},     {"RfInterface", 1},
        {"BtPinCode", "432109876543"}, {"BtDeviceName", "Caf\u00e9 2 at the shops front desk"},  // the longest
        {"StartSentinel", {"%", ";", "+"}}, {"EndSentinel", {"?", "!", "="}}};
    nlohmann::json changed = backup;
    for (auto field = changed.begin(); field != changed.end(); ++field) {
        if (field.key() == "printer") continue;
        if (!other.contains(field.key())) {
            ADD_FAILURE() << field.key() << " is not changed";
            continue;
        }
        EXPECT_NE(other[field.key()], *field) << field.key() << " would not change";
        *field = other[field.key()];
    }
    for (const auto& [key, value] : other.items())
        if (!backup.contains(key) && key != "CuttingPosition") ADD_FAILURE() << key << " is not reported";
    return changed;
}

TEST(ConfigProfile, ABackupRestoresEverySettingWhateverThePrinterHoldsNow) {
    for (const char* version : {"V1.00 090216", "V1.00 123115"}) {
        ConfigCli cli;
        cli.printer.identity.versionText = version;
        const auto before = cli.held();
        const auto backup = GetJson(cli);  // a factory printer: flow control 0, which no editor offers
        EXPECT_FALSE(backup.contains("BtKeep")) << "the keep flag is no setting of the printer";
        EXPECT_EQ(backup.contains("CuttingPosition"), std::string(version) == "V1.00 090216") << version;

        const auto changed = ChangedEverywhere(backup);
        auto run = cli.Run({"set", "--from", SaveJson(cli, changed), "--verify"});
        ASSERT_EQ(run.status, 0) << version << ": " << run.err;
        EXPECT_EQ(GetJson(cli), changed) << version;

        run = cli.Run({"diff", "--from", SaveJson(cli, backup)});
        EXPECT_EQ(run.status, 3) << version;
        EXPECT_NE(run.out.find(": ******** -> ********\n"), std::string::npos) << "the PIN changes, unshown: " << run.out;
        run = cli.Run({"set", "--from", SaveJson(cli, backup), "--verify"});
        ASSERT_EQ(run.status, 0) << version << ": " << run.err;
        EXPECT_EQ(GetJson(cli), backup) << version;
        EXPECT_TRUE(cli.held() == before) << version;

        run = cli.Run({"diff", "--from", SaveJson(cli, backup)});
        EXPECT_EQ(run.out, "No setting would change.\n") << version;
        cli.printer.ClearLogs();
        EXPECT_EQ(cli.Run({"set", "--from", SaveJson(cli, backup)}).status, 0);
        EXPECT_FALSE(cli.Logged("write-bt")) << "Bluetooth items the printer holds are not sent again";
    }
}

TEST(ConfigProfile, OlderFilesStillRestore) {
    ConfigCli cli;  // written before: the keep flag always 1, and the store's tear-off on firmware without one
    cli.printer.identity.versionText = "V1.00 123115";
    auto old = GetJson(cli);
    old["BtKeep"] = 1;
    old["CuttingPosition"] = 200;
    cli.held().btPinCode = "4321";
    auto run = cli.Run({"set", "--from", SaveJson(cli, old), "--verify"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(cli.held().btPinCode, "5291");

    cli.printer.identity.versionText = "V1.00 090216";
    cli.held().tearOff = 320;
    run = cli.Run({"set", "--from", SaveJson(cli, old), "--force"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(cli.held().tearOff, 320) << "what that firmware never reported is not taken from its file";
}

TEST(ConfigProfile, DiffAndDryRunOnlyRead) {
    ConfigCli cli;
    cli.printer.ClearLogs();
    const auto diff = cli.Run({"diff", "Density=1", "TimeOff=30", "StartSentinel[1]=%"});
    EXPECT_EQ(std::tie(diff.status, diff.out), std::tuple(3, "Printing Density                      :  100% ->  120%\n"
                                                             "Auto Power Off Time (Not Connected)   : 15 min -> 30 min\n"
                                                             "Track1 Start Code                     : START1 -> %\n"))
        << diff.err;

    const auto dryRun = cli.Run({"set", "--dry-run", "Density=1", "TimeOff=30", "StartSentinel[1]=%"});
    EXPECT_EQ(std::tie(dryRun.status, dryRun.out), std::tuple(0, diff.out)) << dryRun.err;

    const auto json = cli.Run({"diff", "--json", "TimeOff=30", "TimeSave=100"});
    EXPECT_EQ(json.status, 3);
    EXPECT_EQ(nlohmann::json::parse(json.out), nlohmann::json::parse(R"json({"changes": [
        {"field": "TimeOff", "label": "Auto Power Off Time (Not Connected)", "printer": "15 min", "new": "30 min",
         "printerValue": 15, "newValue": 30},
        {"field": "TimeSave", "label": "Auto Power Saving Time (Connected)", "printer": "10 sec", "new": "100 sec",
         "printerValue": 10, "newValue": 100}]})json"));

    EXPECT_EQ(cli.Run({"diff", "TimeOff=15"}).status, 0) << "the value the printer holds";
    const auto list = cli.dir / "printers";
    std::ofstream(list) << "tcp 127.0.0.1:9100\n";
    const auto fleet = cli.RunPelmora({"--printers", list.string(), "--jobs", "64", "config", "diff", "TimeOff=30"});
    EXPECT_EQ(fleet.out, "== tcp 127.0.0.1:9100 ==\nAuto Power Off Time (Not Connected)   : 15 min -> 30 min\n\n"
                         "PRINTER             RESULT        MESSAGE\n"
                         "tcp 127.0.0.1:9100  would change\n");  // not "not stored"
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"set", "--json", "TimeOff=30"}, {"set", "--dry-run", "--verify", "TimeOff=30"}, {"diff"}})
        EXPECT_EQ(cli.Run(args).status, 2) << args[1];
    EXPECT_TRUE(OnlyReads(cli.printer.commandLog()));
    EXPECT_TRUE(cli.held() == sim::FactorySettings());
    EXPECT_TRUE(cli.Stored().empty()) << "nothing stored either";
}

// Before anything is written: a file from another model is refused unless forced,
// and one from other firmware gets one line per field that does not fit.
TEST(ConfigProfile, AFileFromAnotherModelOrFirmwareIsRefusedBeforeWriting) {
    ConfigCli cli;  // the files come from the tear-off firmware
    auto j = GetJson(cli), other = j;
    other["printer"]["ModelName"] = "MPT-Q200";
    other["TimeOff"] = 30;
    const auto path = SaveJson(cli, other);
    for (const char* command : {"set", "diff"}) {
        cli.printer.ClearLogs();
        const auto run = cli.Run({command, "--from", path});
        EXPECT_EQ(run.status, 2) << command;
        EXPECT_NE(run.err.find("read from a MPT-Q200, this printer is a MPT-Q700VII"), std::string::npos) << run.err;
        EXPECT_TRUE(OnlyReads(cli.printer.commandLog())) << command;
    }
    EXPECT_EQ(cli.Run({"set", "--from", path, "--force"}).status, 0);
    EXPECT_EQ(GetJson(cli)["TimeOff"], 30);
    other["printer"] = {{"ModelName", 5}};
    EXPECT_EQ(cli.Run({"set", "--from", SaveJson(cli, other)}).status, 2) << "a malformed printer object";

    j["CuttingPosition"] = 320;
    j["CodePage"] = 40;  // as a printer with a longer list might hold it
    j["TimeOff"] = 45;
    cli.printer.identity.versionText = "V1.00 123115";
    cli.printer.ClearLogs();
    auto run = cli.Run({"set", "--from", SaveJson(cli, j)});
    EXPECT_EQ(std::tie(run.status, run.err), std::tuple(2,
        "pelmora: the settings were read from firmware 160902; this printer's 101001 cannot hold them:\n"
        "CodePage=40 is out of range (0 to 36 on firmware 101001)\n"
        "CuttingPosition is not written on firmware 101001 (only from 160902 on)\n"));
    EXPECT_TRUE(OnlyReads(cli.printer.commandLog()));
    j["CuttingPosition"] = 0;  // what that firmware reports
    j["CodePage"] = 3;
    EXPECT_EQ(cli.Run({"set", "--from", SaveJson(cli, j)}).status, 0);
    EXPECT_EQ(GetJson(cli)["TimeOff"], 45);
}

TEST(ConfigProfile, VerifyNamesWhatThePrinterDidNotKeep) {
    ConfigCli cli;  // switch 1 put back before every command, as a printer that ignores its writes would
    cli.platform.config().beforeWrite = [&cli, pinned = cli.held().Switch(1)](int) { cli.held().switches[1] = pinned; };
    auto run = cli.Run({"set", "--verify", "Density=1", "TimeOff=30"});
    EXPECT_EQ(std::tie(run.status, run.err), std::tuple(1, "pelmora: the printer did not keep Density\n"));
    EXPECT_EQ(GetJson(cli)["TimeOff"], 30) << "the rest was written";

    run = cli.Run({"set", "--verify", "TimeOff=45"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Verified"), std::string::npos);
}

}  // namespace
}  // namespace pelmora
