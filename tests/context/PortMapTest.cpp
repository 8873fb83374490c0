#include "context/PortMap.h"

#include <gtest/gtest.h>

#include "SettingsStoreTempDir.h"

namespace pelmora::context {
namespace {

class PortMapTest : public testing::TempDirTest {};

TEST_F(PortMapTest, ResolvesComNamesThroughTheMapLeavesPathsAloneAndListsTheComTextEntries) {
    testing::WriteFile(file(), "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora\\Ports]\n"
                               "\"COM3\"=\"/dev/ttyUSB0\"\n\"com5\"=\"\"\n\"COM7\"=dword:00000001\n"
                               "\"Printer\"=\"/dev/usb/lp0\"\n\"COM12\"=\"/dev/rfcomm0\"\n");
    const SettingsStore store(file());
    const struct { const char* name; const char* expected; } cases[] = {
        {"COM1", "/dev/ttyS0"}, {"COM1:", "/dev/ttyS0"}, {"\\\\.\\COM10", "/dev/ttyS9"}, {"com3", "/dev/ttyUSB0"},
        {"\\\\.\\COM3:", "/dev/ttyUSB0"}, {"COM03", "/dev/ttyUSB0"}, {"COM12", "/dev/rfcomm0"},
        {"COM5", "/dev/ttyS4"}, {"COM7", "/dev/ttyS6"},  // an empty entry maps nowhere, nor one that is no text
        {"COM0", "COM0"}, {"COM", "COM"}, {"COM1::", "COM1::"}, {"COM-1", "COM-1"}, {"COM 1", "COM 1"},
        {"COM99999999999999999999", "COM99999999999999999999"}, {"Printer", "Printer"}, {"", ""},
        {"/dev/ttyACM0", "/dev/ttyACM0"}, {"\\\\.\\/dev/rfcomm1", "/dev/rfcomm1"}, {"\\\\.\\USB001", "\\\\.\\USB001"},
    };
    for (const auto& c : cases) EXPECT_EQ(ResolvePortName(store, c.name), c.expected) << c.name;
    EXPECT_EQ(ReadPortMap(store), (std::map<std::string, std::string>{{"COM3", "/dev/ttyUSB0"}, {"COM12", "/dev/rfcomm0"}}));
    EXPECT_TRUE(ReadPortMap(SettingsStore(dir_ / "missing.reg")).empty());
}

}  // namespace
}  // namespace pelmora::context
