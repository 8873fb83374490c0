#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/CliContext.h"
#include "cli/PortsCommand.h"
#include "context/PortMap.h"
#include "support/ConfigCli.h"

namespace pelmora::cli {
namespace {

struct PortsCommand : testing::Test {
    test::TempDir dir;
    context::SettingsStore store{dir / "registry.reg"};
    void Map(const std::string& com, const std::string& path) {
        ASSERT_EQ(store.SetRegString(context::PortMapKey, com, path), 1);
    }
};

TEST_F(PortsCommand, ComNameIsTheOneTheStoreResolvesToThePort) {
    const std::string node = (dir / "ttyACM0").string();
    std::ofstream(node) << "";
    std::filesystem::create_symlink(node, dir / "by-id-printer");
    Map("COM3", "/dev/ttyUSB0");
    Map("COM12", "/dev/ttyUSB1");
    Map("COM4", "/dev/ttyUSB1");
    Map("com7", (dir / "by-id-printer").string());
    const std::pair<std::string, std::string> cases[] = {
        {"/dev/ttyS0", "COM1"},   // the default
        {"/dev/ttyS2", ""},       // its default COM3 is mapped elsewhere
        {"/dev/ttyS12345678", "COM12345679"}, {"/dev/ttyS123456789", ""},  // a ninth digit could overflow
        {"/dev/ttyUSB1", "COM4"}, // the lowest of two names
        {node, "com7"},           // through a link, in the case stored
        {"/dev/rfcomm0", ""},
    };
    const auto map = context::ReadPortMap(store);
    for (const auto& [path, com] : cases) EXPECT_EQ(ComNameFor(store, map, path), com) << path;
}

TEST_F(PortsCommand, TableIsAlignedAndJsonHasTheThreeSections) {
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
    EXPECT_EQ(PortsJson(listing), nlohmann::json::parse(R"({
        "serial": [{"path": "/dev/ttyS0", "description": "ttyS0", "com": "COM1"},
                   {"path": "/dev/ttyUSB0", "description": "FT232R USB UART", "com": "COM3"}],
        "usb": [{"label": "USB01", "path": "/dev/usb/lp0"}],
        "portMap": {"COM3": "/dev/ttyUSB0"}})"));
}

// The whole command, with the map it reads from the store; the table is laid out as above.
TEST(PortsCommandRun, ExitsZeroAndShowsTheStoredMap) {
    test::ConfigCli cli;
    ASSERT_EQ(cli.store().SetRegString(context::PortMapKey, "COM5", "/dev/ttyUSB9"), 1);
    const auto json = cli.RunPelmora({"ports", "--json"});
    EXPECT_EQ(json.status, ExitOk) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out).at("portMap"), nlohmann::json({{"COM5", "/dev/ttyUSB9"}}));
}

}  // namespace
}  // namespace pelmora::cli
