#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliContext.h"
#include "cli/PortsCommand.h"
#include "context/PortMap.h"
#include "support/PrinterRig.h"

namespace pelmora::cli {
namespace {

struct PortsCommand : testing::Test {
    test::TempDir dir;
    context::SettingsStore store{dir / "registry.reg"};
    void Map(const std::string& com, const std::string& path) {
        ASSERT_EQ(store.SetRegString(context::PortMapKey, com, path), 1);
    }
};

TEST_F(PortsCommand, ComNameComesFromTheMapOrTheDefaultThatStillApplies) {
    const std::string node = (dir / "ttyACM0").string();
    std::ofstream(node) << "";
    std::filesystem::create_symlink(node, dir / "by-id-printer");
    Map("COM3", "/dev/ttyUSB0");
    Map("COM12", "/dev/ttyUSB1");
    Map("COM4", "/dev/ttyUSB1");
    Map("com7", (dir / "by-id-printer").string());
    Map("COM2", "/dev/ttyUSB2");

    const struct {
        std::string path, com;
    } cases[] = {
        {"/dev/ttyS0", "COM1"},    // default
        {"/dev/ttyS2", ""},        // its default COM3 is mapped elsewhere
        {"/dev/ttyS1", ""},        // so is COM2
        {"/dev/ttyS11", ""},       // COM12 too
        {"/dev/ttyUSB0", "COM3"},
        {"/dev/ttyUSB1", "COM4"},  // the lowest of two names
        {node, "com7"},            // through a link, in the case stored
        {"/dev/rfcomm0", ""},
    };
    const auto map = context::ReadPortMap(store);
    for (const auto& c : cases) EXPECT_EQ(ComNameFor(store, map, c.path), c.com) << c.path;
}

TEST_F(PortsCommand, TableIsAlignedAndSaysNoneForEmptySections) {
    Map("COM3", "/dev/ttyUSB0");
    const PortsListing listing = MakePortsListing(
        store, {{"/dev/ttyS0", "ttyS0"}, {"/dev/ttyUSB0", "FT232R USB UART"}}, {{"USB01", "/dev/usb/lp0"}});
    std::ostringstream out;
    PrintPortsTable(out, listing);
    EXPECT_EQ(out.str(),
              "Serial ports:\n"
              "  PATH          DESCRIPTION      COM\n"
              "  /dev/ttyS0    ttyS0            COM1\n"
              "  /dev/ttyUSB0  FT232R USB UART  COM3\n"
              "USB printers:\n"
              "  LABEL  PATH\n"
              "  USB01  /dev/usb/lp0\n"
              "Port map:\n"
              "  NAME  PATH\n"
              "  COM3  /dev/ttyUSB0\n");

    std::ostringstream empty;
    PrintPortsTable(empty, PortsListing{});
    EXPECT_EQ(empty.str(), "Serial ports:\n  none\nUSB printers:\n  none\nPort map:\n  none\n");
}

TEST_F(PortsCommand, JsonHasTheThreeSections) {
    Map("COM3", "/dev/ttyUSB0");
    const PortsListing listing =
        MakePortsListing(store, {{"/dev/ttyUSB0", "FT232R"}}, {{"USB01", "/dev/usb/lp0"}, {"USB02", "/dev/usb/lp3"}});
    EXPECT_EQ(PortsJson(listing), nlohmann::json::parse(R"({
        "serial": [{"path": "/dev/ttyUSB0", "description": "FT232R", "com": "COM3"}],
        "usb": [{"label": "USB01", "path": "/dev/usb/lp0"}, {"label": "USB02", "path": "/dev/usb/lp3"}],
        "portMap": {"COM3": "/dev/ttyUSB0"}})"));
    EXPECT_EQ(PortsJson(PortsListing{}), nlohmann::json::parse(R"({"serial": [], "usb": [], "portMap": {}})"));
}

// The whole command on this machine's devices, whatever they are: exit 0, and
// the stored port map in the output.
TEST_F(PortsCommand, RunsOnThisMachineAndShowsTheStoredMap) {
    Map("COM5", "/dev/ttyUSB9");
    ::setenv("PELMORA_REGISTRY", store.path().c_str(), 1);
    for (const bool json : {false, true}) {
        std::vector<std::string> words = {"pelmora", "ports"};
        if (json) words.push_back("--json");
        std::vector<char*> argv;
        for (auto& word : words) argv.push_back(word.data());
        std::ostringstream out, err;
        EXPECT_EQ(RunPelmora(static_cast<int>(argv.size()), argv.data(), out, err), ExitOk) << err.str();
        if (json) {
            const auto parsed = nlohmann::json::parse(out.str());
            EXPECT_EQ(parsed.at("portMap"), nlohmann::json::parse(R"({"COM5": "/dev/ttyUSB9"})"));
            EXPECT_TRUE(parsed.at("serial").is_array());
            EXPECT_TRUE(parsed.at("usb").is_array());
        } else {
            EXPECT_NE(out.str().find("  COM5  /dev/ttyUSB9\n"), std::string::npos) << out.str();
        }
    }
    ::unsetenv("PELMORA_REGISTRY");
}

}  // namespace
}  // namespace pelmora::cli
