#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "link/BluetoothDevices.h"
#include "support/MockBluez.h"
#include "support/TempDir.h"

namespace pelmora::link {
namespace {

using test::MockBluez;

std::string Shown(const BluetoothListing& listing) {
    std::string text = listing.problem;
    for (const BluetoothDevice& d : listing.devices)
        text += d.address + " " + d.name + (d.paired ? " paired" : "") + (d.connected ? " connected" : "") +
                (d.serialProfile ? " serial" : "") + ";";
    return text;
}
// Not the headset, nor the speaker that told its profiles without being paired, nor the low-energy beacon.
constexpr const char* kListed = "00:11:22:33:44:55 MPT-Q700VII paired connected serial;11:00:00:00:00:01 Not paired;";

// Without a scan the known devices at once; with one, after its time or a stop.
TEST(BluetoothDevices, ListsSerialPrintersAndDevicesNotYetKnownScanningForItsTimeOrUntilStopped) {
    MockBluez bluez("printers");
    if (bluez.Skipped()) GTEST_SKIP() << bluez.address();
    using namespace std::chrono;
    StopRequest stop;
    EXPECT_EQ(Shown(ListBluetoothDevices(0, stop)), kListed);
    auto started = steady_clock::now();
    EXPECT_EQ(Shown(ListBluetoothDevices(300, stop)), kListed);
    EXPECT_GE(steady_clock::now() - started, milliseconds(300));
    EXPECT_EQ(bluez.ScanState(), "False bredr");

    started = steady_clock::now();
    std::thread stopper([&] { std::this_thread::sleep_for(milliseconds(200)), stop.Request(); });
    EXPECT_EQ(Shown(ListBluetoothDevices(60000, stop)), kListed);
    stopper.join();
    EXPECT_LT(steady_clock::now() - started, seconds(5));
    EXPECT_EQ(bluez.ScanState(), "False bredr");
}

TEST(BluetoothDevices, SaysWhyNothingCouldBeListed) {
    for (const auto& [mode, problem] : {
             std::pair{"no-adapter", "no Bluetooth adapter: plug one in, or see `journalctl -u bluetooth` for why BlueZ has none"},
             {"no-bluez", "BlueZ is not running (bluetooth.service): start it with `sudo systemctl start bluetooth`"},
             {"refusing", "BlueZ answered with an error (org.bluez.Error.NotReady: not now): see `journalctl -u bluetooth`"}}) {
        MockBluez bluez(mode);
        if (bluez.Skipped()) GTEST_SKIP() << bluez.address();
        EXPECT_EQ(Shown(ListBluetoothDevices(1000, StopRequest())), problem);
    }
    ::setenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/pelmora-bus", 1);
    const std::string problem = ListBluetoothDevices(0, StopRequest()).problem;
    ::unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
    EXPECT_EQ(problem.rfind("the system D-Bus cannot be reached (No such file or directory)", 0), 0u) << problem;
}

TEST(RfcommBindings, MapsEachBoundAddressToItsLowestRfcommNode) {
    const test::TempDir ttys;
    for (const auto& [tty, address] : {std::pair{"rfcomm10", "00:11:22:33:44:55"}, {"rfcomm2", "00:11:22:33:44:55"},
                                       {"rfcomm3", "aa:bb:cc:dd:ee:0f"}, {"rfcomm4", ""}, {"ttyS0", "11:22:33:44:55:66"}}) {
        std::filesystem::create_directories(ttys / tty);
        if (*address) std::ofstream(ttys / tty / "address") << address << '\n';
    }
    // The kernel writes lower case, BlueZ upper.
    EXPECT_EQ(RfcommBindings(ttys.path()), (std::map<std::string, std::string>{
                                               {"00:11:22:33:44:55", "/dev/rfcomm2"}, {"AA:BB:CC:DD:EE:0F", "/dev/rfcomm3"}}));
}

}  // namespace
}  // namespace pelmora::link
