// The virtual printer restarts after a firmware stream: away for --restart-ms,
// back with --next-version and its factory settings.
#include <gtest/gtest.h>

#include <fstream>

#include "sim/ConfigHandler.h"
#include "sim/PrinterModel.h"

#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

TEST(SimRestart, ComesBackWithTheNextVersionAndFactorySettings) {
    sim::PrinterModel printer;
    auto& held = printer.Handler<sim::ConfigHandler>()->settings;
    held.switches[5] = 30;
    printer.Restart("V1.00 123115");
    EXPECT_EQ(printer.identity.versionText, "V1.00 123115");
    EXPECT_EQ(printer.FirmwareNumber(), 101001u);
    EXPECT_EQ(held, sim::FactorySettings());
    printer.Restart("");
    EXPECT_EQ(printer.identity.versionText, "V1.00 123115") << "no next version: the version stays";
}

TEST(SimRestart, RefusesConnectionsWhileRestarting) {
    test::TempDir dir;
    const auto firmware = dir / "x.fls";
    std::ofstream(firmware) << std::string(5000, '\x7f');
    test::SimProcess sim({"--restart-ms", "60000"});
    ASSERT_EQ(test::RunCli({"--tcp", sim.address(), "identify"}).status, 0);
    ASSERT_EQ(test::RunCli({"--tcp", sim.address(), "firmware", firmware.string()}).status, 0);
    const auto run = test::RunCli({"--tcp", sim.address(), "identify"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Port open error!\n");
    EXPECT_EQ(sim.Stop(), 0) << "a stop request ends the restart wait";
}

}  // namespace
}  // namespace pelmora
