// The wait for a restarting printer, in-process on virtual time: the printer
// refuses connections for a while after a firmware stream and comes back with
// its factory settings.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "support/ConfigCli.h"

namespace pelmora {
namespace {

using testing::HasSubstr;
/// The simulated platform, with a printer that restarts after each firmware
/// stream: away for `restartMs` of virtual time, then back with `nextVersion`.
class RestartingPlatform final : public link::Platform {
public:
    RestartingPlatform(sim::VirtualPlatform& inner, sim::PrinterModel& printer) : inner_(inner), printer_(printer) {}

    std::uint64_t restartMs = 0;
    std::string nextVersion;

    link::Clock& clock() override { return inner_.clock(); }
    link::TraceSink& trace() override { return inner_.trace(); }
    std::unique_ptr<link::SerialChannel> OpenSerial(const std::string& name) override {
        return Away() ? nullptr : inner_.OpenSerial(name);
    }
    std::unique_ptr<link::Channel> OpenUsb(const std::string& path) override { return inner_.OpenUsb(path); }
    std::unique_ptr<link::Channel> ConnectTcp(const std::string& ipv4, std::uint16_t port) override {
        return Away() ? nullptr : inner_.ConnectTcp(ipv4, port);
    }

private:
    bool Away() {
        const std::uint64_t now = inner_.virtualClock().Now();
        if (printer_.firmwareStreams().size() > streams_) {
            streams_ = printer_.firmwareStreams().size();
            backAt_ = now + restartMs;
            printer_.Restart(nextVersion);
        }
        return now < backAt_;
    }

    sim::VirtualPlatform& inner_;
    sim::PrinterModel& printer_;
    std::size_t streams_ = 0;
    std::uint64_t backAt_ = 0;
};

/// `wait`: the --wait option, if any; [minMs, maxMs]: the virtual time the whole update may
/// take; `connection`: as the way to finish by hand repeats it; `next`: the version it comes back with.
struct WaitCase {
    std::uint64_t restartMs; std::vector<std::string> wait; int status; std::uint64_t minMs, maxMs;
    std::string connection = "--tcp 127.0.0.1:9100"; std::string next = "V1.00 123115";
};

/// The copies of the settings kept in `dir`.
std::vector<std::filesystem::path> Copies(const std::filesystem::path& dir) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.path().filename().string().rfind("settings-", 0) == 0) found.push_back(entry.path());
    return found;
}

/// `pelmora CONNECTION firmware --keep-settings WAIT new.fls` through `platform`.
test::Result Update(test::ConfigCli& cli, link::Platform& platform, const std::string& connection,
                    const std::vector<std::string>& wait = {}) {
    const auto firmware = cli.dir / "new.fls";
    std::ofstream(firmware) << std::string(5000, '\x7f');
    std::istringstream words(connection);
    std::vector<std::string> args{std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
    args.insert(args.end(), {"firmware", "--keep-settings"});
    args.insert(args.end(), wait.begin(), wait.end());
    args.push_back(firmware.string());
    return cli.RunPelmora(args, &platform);
}

TEST(KeepSettingsWait, ThePrinterIsAskedUntilItAnswersOrTheWaitEnds) {
    for (const WaitCase& c : {WaitCase{100'000, {}, 0, 100'000, 130'000, "--tcp 127.0.0.1:9100", "V1.00 090216"},
                              WaitCase{119'000, {}, 0, 119'000, 150'000},
                              WaitCase{200'000, {}, 1, 123'750, 123'750},  // 120 s after 3.75 s of reading and sending
                              WaitCase{5'000, {"--wait", "1"}, 1, 4'750, 4'750},
                              WaitCase{200'000, {"--wait", "4"}, 1, 4'000, 30'000,
                                       "--serial COM1 --baud 9600 --parity even --stop-bits 2 --flow dtr-dsr"}}) {
        test::ConfigCli cli;
        RestartingPlatform platform(cli.platform, cli.printer);
        platform.restartMs = c.restartMs;
        platform.nextVersion = c.next;
        cli.held().switches[5] = 30;
        const std::uint64_t start = cli.platform.virtualClock().Now();
        const auto run = Update(cli, platform, c.connection, c.wait);
        const std::uint64_t took = cli.platform.virtualClock().Now() - start;

        EXPECT_EQ(run.status, c.status) << c.restartMs << ": " << run.err;
        EXPECT_GE(took, c.minMs) << c.restartMs;
        EXPECT_LE(took, c.maxMs) << c.restartMs;
        EXPECT_EQ(cli.held().switches[5], c.status == 0 ? 30 : sim::FactorySettings().switches[5]) << c.restartMs;
        const std::string within =
            c.wait.empty() ? "120 seconds" : c.wait[1] == "1" ? "1 second" : c.wait[1] + " seconds";
        if (c.status == 0) EXPECT_THAT(run.out, HasSubstr("Version now:    " + c.next));
        else EXPECT_THAT(run.err, testing::AllOf(
                 HasSubstr("stopped at stage 4 (Waiting for the printer to answer again): the printer did not answer "
                           "within " + within + "\n"),
                 HasSubstr("pelmora " + c.connection + " config set --verify --from "),
                 HasSubstr("The printer's settings are saved in " + (cli.dir / "settings-").string())));
    }
}

// A newer setting an older firmware cannot take is named and the rest written,
// the PIN too, from a copy only its owner reads; a printer whose settings cannot
// be read gets nothing, and nothing is saved.
TEST(KeepSettingsWait, AnOlderFirmwareTakesWhatItCanAndAnUnreadPrinterGetsNothing) {
    test::ConfigCli cli;
    RestartingPlatform platform(cli.platform, cli.printer);
    platform.nextVersion = "V1.00 123115";  // 101001, dated before the tear-off position came
    cli.held().tearOff = 320;
    cli.held().switches[5] = 30;
    cli.held().btPinCode = "4321";
    auto run = Update(cli, platform, "--tcp 127.0.0.1:9100");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.err, HasSubstr("warning: left out, CuttingPosition is not written on firmware 101001 (only from "
                                   "160902 on)"));
    EXPECT_THAT(run.out, testing::EndsWith("Verified: the printer holds every written setting.\n"
                                           "Version before: V1.00 090216\nVersion now:    V1.00 123115\n"));
    for (const char* stage : {"[1/6] ", "[3/6] ", "[6/6] "}) EXPECT_THAT(run.err, HasSubstr(stage));
    EXPECT_EQ(std::tie(cli.held().switches[5], cli.held().btPinCode), std::tuple(30, "4321")) << "the rest was written";
    const auto copies = Copies(cli.dir.path());
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_THAT(copies[0].string(), testing::EndsWith("-V1.00_090216.json"));
    EXPECT_THAT(run.err, HasSubstr("Settings saved in " + copies[0].string()));
    EXPECT_EQ(test::FileMode(copies[0]), 0600u) << "it holds the PIN";
    EXPECT_THAT(test::ReadFile(copies[0]), HasSubstr("\"TimeOff\": 30"));

    test::ConfigCli other;
    other.printer.identity.modelText = "MPT-Q800VII";
    run = Update(other, other.platform, "--tcp 127.0.0.1:9100");
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err, testing::AllOf(HasSubstr("stopped at stage 1"), HasSubstr("Nothing was sent")));
    EXPECT_TRUE(other.printer.firmwareStreams().empty());
    EXPECT_TRUE(Copies(other.dir.path()).empty());
}

}  // namespace
}  // namespace pelmora
