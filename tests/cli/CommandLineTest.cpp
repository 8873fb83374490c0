// The command line's own refusals, in-process: what cannot work is refused with
// status 2 before any port is opened. Help shows each command's own options,
// though they are added only once the command line names the command.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

#include "support/ConfigCli.h"
#include "support/LoopbackListener.h"

namespace pelmora {
namespace {

using test::ConfigCli;
using testing::HasSubstr;

// Refused (2) with a message and nothing printed; `says`: part of the message, when it matters.
struct Refusal { std::vector<std::string> args; std::string says; };

// Each refusal, then: no port opened, nothing sent, nothing stored.
void ExpectRefusedUntouched(ConfigCli& cli, const std::vector<Refusal>& refusals) {
    for (const Refusal& c : refusals) {
        const auto run = cli.RunPelmora(c.args);
        const std::string what = c.args.empty() ? "" : c.args.back();
        EXPECT_EQ(run.status, 2) << what << ": " << run.err;
        EXPECT_FALSE(run.err.empty()) << what;
        EXPECT_THAT(run.err, HasSubstr(c.says));
        EXPECT_TRUE(run.out.empty()) << what << ": " << run.out;
    }
    EXPECT_EQ(cli.platform.openAttempts(), 0);
    EXPECT_TRUE(cli.printer.received().empty());
    EXPECT_TRUE(cli.Stored().empty());
}

std::string Write(const test::TempDir& dir, const std::string& name, const std::string& text) {
    std::ofstream(dir / name) << text;
    return (dir / name).string();
}

constexpr const char* kA = "127.0.0.1:1";
constexpr const char* kB = "127.0.0.1:2";

TEST(CommandLine, OptionsThatCannotWorkExitTwoWithoutTouchingThePrinter) {
    ConfigCli cli;
    const auto firmware = Write(cli.dir, "x.fls", "fw"), badList = Write(cli.dir, "bad", "tcp 127.0.0.1:1\nlpt 1\n");
    ExpectRefusedUntouched(cli, {
        {{"--tcp", "printer_local", "identify"}, "is no host name"},
        {{"--tcp", "127.0.0.1:99999", "identify"}, ""},
        {{"--serial", "COM1", "--baud", "1234", "identify"}, ""},
        {{"--serial", "COM1", "--parity", "mark", "identify"}, ""},
        {{"identify", "--bogus"}, ""},
        {{}, ""},
        {{"--tcp", kA, "identify", "ports"}, "not expected: ports"},
        {{"--tcp", kA, "config", "get", "default"}, "not expected: default"},
        // An empty value would open the stored port instead (one check for the four kinds).
        {{"--serial", "", "identify"}, ""},
        // Line settings that no serial port would take.
        {{"--tcp", kA, "--baud", "9600", "identify"}, ""},
        {{"--flow", "dtr-dsr", "identify"}, ""},
        // Several printers, and what cannot run on them.
        {{"--tcp", kA, "--tcp", kB, "firmware", firmware}, "'firmware' works with one printer"},
        {{"--tcp", kA, "--tcp", kB, "--transcript", (cli.dir / "t").string(), "identify"}, "--transcript"},
        {{"--tcp", kA, "--jobs", "2", "identify"}, "--jobs and --json before the command"},
        {{"--tcp", kA, "--json", "identify"}, "--jobs and --json before the command"},
        {{"--tcp", kA, "--tcp", kB, "--jobs", "0", "identify"}, "--jobs"},
        {{"--tcp", kA, "--tcp", kB, "--jobs", "65", "identify"}, "--jobs"},
        {{"--printers", badList, "identify"}, ":2: a line is KIND VALUE"},
        {{"--printers", Write(cli.dir, "huge", std::string((1 << 20) + 1, '#')), "identify"}, "larger than 1 MiB"},
        {{"--tcp", kA, "--serial", "COM1", "--usb", "/dev/null", "--baud", "9600", "--tcp", kA, "identify"},
         "named twice"},
    });
    // Several printers: each is refused on its own, named, and the report says so.
    const auto fleet = cli.RunPelmora({"--serial", "/dev/nonea", "--serial", "/dev/noneb", "--parity", "mark", "identify"});
    EXPECT_EQ(std::tie(fleet.status, fleet.out, fleet.err),
              std::tuple(2,
                         "PRINTER            RESULT   MESSAGE\n"
                         "serial /dev/nonea  refused  --parity must be none, odd or even\n"
                         "serial /dev/noneb  refused  --parity must be none, odd or even\n",
                         "serial /dev/nonea: pelmora: --parity must be none, odd or even\n"
                         "serial /dev/noneb: pelmora: --parity must be none, odd or even\n"));
    EXPECT_EQ(cli.platform.openAttempts(), 0);
}

// A mistyped search sends nothing: a listener among its good targets sees no connection.
TEST(CommandLine, AMistypedSearchConnectsNowhere) {
    ConfigCli cli;
    const test::LoopbackListener listener(4, SOCK_NONBLOCK);
    ASSERT_GE(listener.fd(), 0);
    const std::string good = "127.0.0.1:" + std::to_string(listener.port());
    ExpectRefusedUntouched(cli, {
        {{"discover", good, "10.0.0.0/8"}, "needs --force"},  // the targets' other faults are ScanTargets'
        {{"discover", good, "--port", "0"}, "--port"},
        {{"discover", good, "--port", "65536"}, "--port"},
        {{"discover", good, "--jobs", "0"}, "--jobs"},
        {{"discover", good, "--jobs", "1025"}, "--jobs"},
        {{"discover", good, "--timeout", "0"}, "--timeout"},
        {{"discover", good, "--timeout", "60001"}, "--timeout"},
        {{"discover", "/dev/ttyS0", "--scan"}, "--scan"},
        {{"--tcp", good, "discover", good}, "give it targets"},
        {{"--transcript", (cli.dir / "never.jsonl").string(), "discover", good}, "--transcript"},
        {{"discover", good, "--printers-file", "/dev/null"}, "--printers-file"},
    });
    EXPECT_LT(::accept(listener.fd(), nullptr, nullptr), 0);
    // The highest port and count of jobs are taken, and a time-out of 1 ms.
    const auto top = cli.RunPelmora({"discover", "127.0.0.1", "--port", "65535", "--timeout", "1", "--jobs", "1024"});
    EXPECT_EQ(std::tie(top.status, top.out), std::tuple(0, "No printer found; 1 address tried.\n"));
}

TEST(CommandLine, FilesAndValuesThatCannotBeUsedExitTwoWithoutTouchingThePrinter) {
    ConfigCli cli;
    const auto& dir = cli.dir;
    const auto firmware = Write(dir, "x.fls", "fw"), fifo = (dir / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::vector<Refusal> cases = {
        {{"--tcp", kA, "firmware", Write(dir, "x.bin", "data")}, ""},
        {{"--tcp", kA, "firmware", "a.b"}, "'a.b' is not a firmware file (*.fls)"},  // shorter than the extension
        {{"--tcp", kA, "firmware", (dir / "missing.fls").string()}, ""},
        // A device or FIFO is no firmware file (and would block the open).
        {{"--tcp", kA, "firmware", "--force", "/dev/null"}, ""},
        // Keeping the settings: checked before the printer is asked anything (an empty file is sent without).
        {{"--tcp", kA, "firmware", "--wait", "5", firmware}, ""},
        {{"--tcp", kA, "firmware", "--keep-settings", Write(dir, "empty.fls", "")}, "there is no firmware to send"},
        {{"--tcp", kA, "firmware", "--keep-settings", "--wait", "0", firmware}, ""},
        {{"--tcp", kA, "config", "set"}, ""},  // nothing to change
    };
    // config set: values no printer holds or that do not parse (TimeOff=128 is past what the record
    // holds; 91 waits for the printer; the euro sign is no Latin-1 byte) ...
    for (const std::string& edit : std::vector<std::string>{
             "Density=9", "Density=-1", "Density=4x", "Density", "Colour=3", "TimeOff=128", "CuttingPosition=65536",
             "StartSentinel[1]=", "StartSentinel[4]=%", "EndSentinel[2]=ABCDEFGHIJK", "EndSentinel[2]=\x01",
             "BtPinCode=1234567890123", "BtDeviceName=" + std::string(31, 'n'), "BtDeviceName=a\rb",
             "BtDeviceName=\xE2\x82\xAC"})
        cases.push_back({{"--tcp", kA, "config", "set", edit}, ""});
    // ... and files that are no settings (Density 9: no printer holds that).
    for (const std::string& from : {(dir / "missing.json").string(), Write(dir, "bad.json", "{ nope"),
                                    Write(dir, "unknown.json", R"({"Density": 4, "Colour": 1})"),
                                    Write(dir, "text.json", R"({"Density": "4"})"),
                                    Write(dir, "two.json", R"({"StartSentinel": ["%", ";"]})"),
                                    Write(dir, "array.json", "[1, 2]"), Write(dir, "held.json", R"({"Density": 9})"),
                                    dir.path().string(), std::string()})
        cases.push_back({{"--tcp", kA, "config", "set", "--from", from}, ""});
    cases.push_back({{"--tcp", kA, "config", "set", "--from", Write(dir, "huge.json", std::string((1 << 20) + 1, ' '))},
                     "larger than 1 MiB"});
    // A transcript that cannot be written: a device, a FIFO (which would block), a folder.
    for (const std::string& out : {std::string("/dev/full"), fifo, dir.path().string()})
        cases.push_back({{"--tcp", kA, "--transcript", out, "identify"}, "--transcript: cannot write " + out});
    ExpectRefusedUntouched(cli, cases);
}

TEST(CommandLine, NoCommandOrAnUnreadableStoreIsNamed) {
    ConfigCli cli;
    EXPECT_EQ(cli.RunPelmora({"bogus"}).err,
              "The following argument was not expected: bogus\nRun with --help for more information.\n");
    EXPECT_EQ(cli.RunPelmora({"config"}).err, "pelmora: a command is required: get, set, diff, default\n");
    EXPECT_EQ(cli.RunPelmora({"--version"}).status, 0);
    // A store that cannot be read is reported, not replaced by COM1 (what cannot be read: SettingsStoreFile's).
    ::setenv("PELMORA_REGISTRY", cli.dir.path().c_str(), 1);
    const auto unreadable = cli.RunPelmora({"identify"});
    EXPECT_EQ(unreadable.status, 2);
    EXPECT_THAT(unreadable.err, HasSubstr("cannot read the settings store"));
    EXPECT_EQ(cli.platform.openAttempts(), 0);
}

TEST(CommandHelp, EachCommandShowsItsOwnOptions) {
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> shown;
        std::vector<std::string> notShown;
    } cases[] = {
        {{"--help"}, {"--tcp", "identify", "inventory", "config", "nv", "firmware", "ports", "discover"}, {"--dry-run"}},
        {{"config", "--help"}, {"get", "set", "diff", "default"}, {"--dry-run", "Fields:"}},
        {{"config", "set", "--help"}, {"--dry-run", "--verify", "--from", "Fields:", "Units:"}, {"Exit status 0"}},
        {{"config", "diff", "--help"}, {"--from", "Fields:", "Exit status 0 when nothing would change"}, {"--verify"}},
        // Options the other tests use are left out: they would not parse without them.
        {{"nv", "delete", "--help"}, {"CODE", "--all"}, {"--brightness"}},
    };
    ConfigCli cli;
    for (const auto& c : cases) {
        const test::Result help = cli.RunPelmora(c.args);
        const std::string what = c.args.front() + (c.args.size() > 1 ? " " + c.args[1] : "");
        EXPECT_EQ(help.status, 0) << what << help.err;
        for (const std::string& text : c.shown)
            EXPECT_NE(help.out.find(text), std::string::npos) << what << ": " << text;
        for (const std::string& text : c.notShown)
            EXPECT_EQ(help.out.find(text), std::string::npos) << what << ": " << text;
    }
}

}  // namespace
}  // namespace pelmora
