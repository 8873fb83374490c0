#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using test::RunCli;
using test::SimProcess;

TEST(IdentifyEndToEnd, JsonGivesModelCodeAndFirmwareByDate) {
    struct Case {
        const char* version;
        std::uint32_t firmware;
    };
    for (const Case c : {Case{"V1.00 090216", 160902}, Case{"V1.00 123115", 101001}}) {
        SimProcess sim({"--version-text", c.version});
        const auto run = RunCli({"--tcp", sim.address(), "identify", "--json"});
        ASSERT_EQ(run.status, 0) << run.err;
        const auto json = nlohmann::json::parse(run.out);
        EXPECT_EQ(json["ModelName"], "MPT-Q700VII");
        EXPECT_EQ(json["ModelCode"], 703);
        EXPECT_EQ(json["VersionText"], c.version);
        EXPECT_EQ(json["FirmwareVersion"], c.firmware);
    }
}

TEST(IdentifyEndToEnd, OtherModelAndNoPrinterFailWithTheWindowsTexts) {
    SimProcess sim({"--model", "MPT-Q800VII"});
    auto run = RunCli({"--tcp", sim.address(), "identify"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Printer model is not matched!\n");
    EXPECT_TRUE(run.out.empty());

    const std::uint16_t closed = sim.port();
    sim.Stop();
    run = RunCli({"--tcp", "127.0.0.1:" + std::to_string(closed), "identify"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Port open error!\n");
}

TEST(FirmwareEndToEnd, FileArrivesUnchanged) {
    test::TempDir dir;
    const auto received = dir / "received.bin";
    SimProcess sim({"--firmware-out", received.string()});
    const auto file = dir / "x.fls";
    std::string bytes;
    for (int i = 0; i < 10000; ++i) bytes.push_back(static_cast<char>(0x80 + i % 97));
    std::ofstream(file, std::ios::binary) << bytes;

    const auto run = RunCli({"--tcp", sim.address(), "firmware", file.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Success to download firmware!"), std::string::npos);
    sim.Stop();
    std::ifstream in(received, std::ios::binary);
    const std::string got((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(got, bytes);
}

TEST(CommandLine, BadInputExitsTwoWithoutTouchingThePrinter) {
    test::TempDir dir;
    const auto notFirmware = dir / "x.bin";
    std::ofstream(notFirmware) << "data";
    const std::vector<std::vector<std::string>> cases = {
        {"--tcp", "127.0.0.1:1", "firmware", notFirmware.string()},
        {"--tcp", "127.0.0.1:1", "firmware", (dir / "missing.fls").string()},
        {"--tcp", "printer.local", "identify"},
        {"--tcp", "127.0.0.1:99999", "identify"},
        {"--serial", "COM1", "--baud", "1234", "identify"},
        {"--serial", "COM1", "--tcp", "127.0.0.1", "identify"},
        {"--serial", "COM1", "--parity", "mark", "identify"},
        {"identify", "--bogus"},
        {},
    };
    for (const auto& args : cases) {
        const auto run = RunCli(args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args.back()) << ": " << run.err;
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_EQ(RunCli({"--version"}).status, 0);
    EXPECT_EQ(RunCli({"--help"}).status, 0);
}

}  // namespace
}  // namespace pelmora
