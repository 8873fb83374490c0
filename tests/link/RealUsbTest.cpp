#include <gtest/gtest.h>

#include <fstream>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include "link/RealPlatform.h"
#include "support/DescriptorZero.h"
#include "support/PrinterRig.h"
#include "support/RecordingTrace.h"

namespace pelmora::link {
namespace {

TEST(RealUsb, OnlyADeviceNodeOpensAndOnlyOnce) {
    test::RecordingTrace trace;
    RealPlatform platform([](const std::string& name) { return name; }, trace);
    test::TempDir dir;
    const std::string file = (dir / "lp0").string();
    std::ofstream(file) << "settings";
    for (const std::string& path : {file, (dir / "missing").string(), dir.path().string()})
        EXPECT_EQ(platform.OpenUsb(path), nullptr) << path;
    EXPECT_EQ(test::ReadFile(file), "settings") << "never written into";

    // A pseudo-terminal stands in for the printer's character device node.
    termios raw{};
    cfmakeraw(&raw);
    int master = -1, slave = -1;
    char node[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, node, &raw, nullptr), 0);
    ::close(slave);
    auto printer = platform.OpenUsb(node);
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(platform.OpenUsb(node), nullptr) << "a second opener is refused";
    // A support log says why each was refused.
    EXPECT_EQ(trace.lines, (std::vector<std::string>{file + " is not a device",
                                                     "Cannot open " + (dir / "missing").string() + ": No such file or directory",
                                                     "Cannot open " + dir.path().string() + ": Is a directory",
                                                     std::string(node) + " is in use by another program"}));

    printer.reset();
    // Started with standard input closed, the program gets descriptor 0 for the node.
    EXPECT_TRUE(test::GivesDescriptorZeroBack([&] { EXPECT_NE(platform.OpenUsb(node), nullptr); }))
        << "closing releases the device, and descriptor 0 is one like any other";
    ::close(master);
}

}  // namespace
}  // namespace pelmora::link
