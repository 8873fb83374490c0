#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include "link/RealPlatform.h"
#include "support/PrinterRig.h"

namespace pelmora::link {
namespace {

struct RealUsb : testing::Test {
    NullTrace trace;
    RealPlatform platform{[](const std::string& name) { return name; }, trace};
};

TEST_F(RealUsb, StoredPathOfAnOrdinaryFileIsNeverWrittenInto) {
    test::TempDir dir;
    const std::string file = (dir / "lp0").string();
    std::ofstream(file) << "settings";
    EXPECT_EQ(platform.OpenUsb(file), nullptr);
    EXPECT_EQ(platform.OpenUsb((dir / "missing").string()), nullptr);
    EXPECT_EQ(platform.OpenUsb(dir.path().string()), nullptr);
    std::ifstream in(file);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "settings");
}

// A pseudo-terminal stands in for the printer's character device node.
TEST_F(RealUsb, DeviceNodeOpensOnceAndCarriesBytes) {
    termios raw{};
    cfmakeraw(&raw);
    int master = -1, slave = -1;
    char node[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, node, &raw, nullptr), 0);
    ::close(slave);

    auto printer = platform.OpenUsb(node);
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(platform.OpenUsb(node), nullptr) << "a second opener must be refused";

    const std::uint8_t command[] = {0x1B, 0x40};
    EXPECT_EQ(printer->Write(command, 2), 2);
    char received[2] = {};
    ASSERT_EQ(::read(master, received, 2), 2);
    EXPECT_EQ(received[1], 0x40);

    ASSERT_EQ(::write(master, "OK", 2), 2);
    std::uint8_t reply[10] = {};
    EXPECT_EQ(printer->Read(reply, sizeof reply), 2);
    EXPECT_EQ(reply[0], 'O');

    printer.reset();
    EXPECT_NE(platform.OpenUsb(node), nullptr) << "closing releases the device";
    ::close(master);
}

}  // namespace
}  // namespace pelmora::link
