#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "link/BluetoothDevices.h"
#include "support/TempDir.h"

namespace pelmora::link {
namespace {

// A private bus with python3-dbusmock's BlueZ (argv: mode, the serial profile's
// UUID). Prints the bus address, then the adapter's scan state for each line
// read; takes everything down at the end of its input.
constexpr const char* kMockBluez = R"(
import os, subprocess, sys, time
mode, uuid = sys.argv[1:3]
try:
    import dbus, dbusmock
    bus_daemon = subprocess.Popen(['dbus-daemon', '--session', '--nofork', '--print-address=1'],
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
except (ImportError, OSError) as missing:
    sys.exit(print('skip:', missing, '(scripts/bootstrap installs it)', flush=True))
address, children = bus_daemon.stdout.readline().strip(), [bus_daemon]
try:
    if mode != 'no-bluez':
        children.append(subprocess.Popen([sys.executable, '-m', 'dbusmock', '--system', '--template', 'bluez5'],
                                         env=dict(os.environ, DBUS_SYSTEM_BUS_ADDRESS=address), stdout=subprocess.DEVNULL))
        bus = dbus.bus.BusConnection(address)
        while not bus.name_has_owner('org.bluez') and children[-1].poll() is None:
            time.sleep(0.05)
        mock = dbus.Interface(bus.get_object('org.bluez', '/'), 'org.bluez.Mock')
    if mode == 'printers':
        mock.AddAdapter('hci0', 'desk')
        for device, name, props in [
                ('AA:BB:CC:00:00:02', 'Headset', {'Paired': True, 'UUIDs': ['0000110b-0000-1000-8000-00805f9b34fb']}),
                ('00:11:22:33:44:55', 'MPT-Q700VII', {'Paired': True, 'Connected': True, 'UUIDs': [uuid]}),
                ('5E:00:00:00:00:09', 'Beacon', {'AddressType': 'random'}),
                ('11:00:00:00:00:01', 'Not paired', {'Connected': 'retyped'})]:
            bus.get_object('org.bluez', mock.AddDevice('hci0', device, name)).UpdateProperties(
                'org.bluez.Device1', props, dbus_interface='org.freedesktop.DBus.Mock')
    print(address, flush=True)
    for _ in sys.stdin:
        adapter = bus.get_object('org.bluez', '/org/bluez/hci0').GetAll(
            'org.bluez.Adapter1', dbus_interface='org.freedesktop.DBus.Properties')
        print(bool(adapter['Discovering']), adapter.get('DiscoveryFilter', {}).get('Transport', '-'), flush=True)
finally:
    for child in children:
        child.terminate()
        child.wait()
)";
constexpr const char* kPython = "/usr/bin/python3";  // where Debian's python3-dbusmock is

struct MockBluez {
    explicit MockBluez(const char* mode) {
        int in[2], out[2];
        if (::access(kPython, X_OK) != 0 || ::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) return;
        const std::string uuid(kSerialPortProfileUuid);
        if ((pid = ::fork()) == 0) {
            ::dup2(in[0], STDIN_FILENO);
            ::dup2(out[1], STDOUT_FILENO);
            ::execl(kPython, kPython, "-c", kMockBluez, mode, uuid.c_str(), nullptr);
            std::_Exit(127);
        }
        ::close(in[0]);
        ::close(out[1]);
        to = in[1];
        from = ::fdopen(out[0], "r");
        address = Line();
        ::setenv("DBUS_SYSTEM_BUS_ADDRESS", address.c_str(), 1);
    }
    ~MockBluez() {
        ::unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
        if (pid <= 0) return;
        ::close(to);  // the helper's end of input
        ::waitpid(pid, nullptr, 0);
        std::fclose(from);
    }
    std::string Line() {
        char line[512];
        if (!std::fgets(line, sizeof line, from)) return "the helper ended";
        return std::string(line, std::strcspn(line, "\n"));
    }
    /// "False bredr": whether the adapter is discovering, and the transport it was told.
    std::string ScanState() { return ::write(to, "\n", 1) == 1 ? Line() : "the helper ended"; }

    std::string address = "skip: no python3 (scripts/bootstrap installs python3-dbusmock)";
    pid_t pid = -1;
    int to = -1;
    FILE* from = nullptr;
};

std::string Shown(const BluetoothListing& listing) {
    std::string text = listing.problem;
    for (const BluetoothDevice& d : listing.devices)
        text += d.address + " " + d.name + (d.paired ? " paired" : "") + (d.connected ? " connected" : "") +
                (d.serialProfile ? " serial" : "") + ";";
    return text;
}
// Neither the headset nor the low-energy beacon.
constexpr const char* kListed = "00:11:22:33:44:55 MPT-Q700VII paired connected serial;11:00:00:00:00:01 Not paired;";

TEST(BluetoothDevices, ListsSerialPrintersAndDevicesNotYetKnownInAddressOrder) {
    MockBluez bluez("printers");
    if (bluez.address.rfind("skip:", 0) == 0) GTEST_SKIP() << bluez.address;
    EXPECT_EQ(Shown(ListBluetoothDevices(0, StopRequest())), kListed);
}

TEST(BluetoothDevices, ScansForItsTimeOrUntilStoppedThenListsWhatIsKnown) {
    MockBluez bluez("printers");
    if (bluez.address.rfind("skip:", 0) == 0) GTEST_SKIP() << bluez.address;
    using namespace std::chrono;
    StopRequest stop;
    auto started = steady_clock::now();
    EXPECT_EQ(Shown(ListBluetoothDevices(300, stop)), kListed);
    EXPECT_GE(steady_clock::now() - started, milliseconds(300));
    EXPECT_EQ(bluez.ScanState(), "False bredr");

    started = steady_clock::now();
    std::thread stopper([&] {
        std::this_thread::sleep_for(milliseconds(200));
        stop.Request();
    });
    EXPECT_EQ(Shown(ListBluetoothDevices(60000, stop)), kListed);
    stopper.join();
    EXPECT_LT(steady_clock::now() - started, seconds(5));
    EXPECT_EQ(bluez.ScanState(), "False bredr");
}

TEST(BluetoothDevices, SaysWhyNothingCouldBeListed) {
    for (const char* mode : {"no-adapter", "no-bluez"}) {
        MockBluez bluez(mode);
        if (bluez.address.rfind("skip:", 0) == 0) GTEST_SKIP() << bluez.address;
        EXPECT_EQ(Shown(ListBluetoothDevices(1000, StopRequest())),
                  mode == std::string("no-bluez")
                      ? "BlueZ is not running (bluetooth.service): start it with `sudo systemctl start bluetooth`"
                      : "no Bluetooth adapter: plug one in, or see `journalctl -u bluetooth` for why BlueZ has none");
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
