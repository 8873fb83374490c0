#pragma once
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "link/StopRequest.h"

namespace pelmora::link {

/// The serial port profile: what a Bluetooth printer offers for its rfcomm link.
inline constexpr std::string_view kSerialPortProfileUuid = "00001101-0000-1000-8000-00805f9b34fb";

struct BluetoothDevice {
    std::string address;         ///< "00:11:22:33:44:55", as BlueZ writes it
    std::string name;            ///< BlueZ's Alias, else its Name
    bool paired = false, connected = false;
    bool serialProfile = false;  ///< its UUIDs hold the serial port profile
    std::string rfcommDevice;    ///< "/dev/rfcomm0" when one is bound to this address, else ""
};

struct BluetoothListing {
    /// Those offering the serial port profile, and those not paired that have
    /// told no UUIDs yet; sorted by address.
    std::vector<BluetoothDevice> devices;
    std::string problem;  ///< why nothing could be listed, with the next step; "" when BlueZ answered
};

/// The devices BlueZ knows, over the system D-Bus. With `scanMs` > 0, every
/// powered adapter first looks for classic (BR/EDR) devices in range for that
/// long, so printers not paired yet appear too. `stop` ends the scan early
/// (what it found is still listed) and any question still unanswered; no
/// question waits longer than 5 s. On Windows: nothing, and a problem saying
/// where Bluetooth printers are found there.
BluetoothListing ListBluetoothDevices(std::uint32_t scanMs, const StopRequest& stop);

/// Bound rfcomm ports by remote address (upper case), read from the tty class
/// folder the kernel gives (`rfcommN/address`); the lowest N when several are bound. Linux only.
std::map<std::string, std::string> RfcommBindings(const std::filesystem::path& ttyClass = "/sys/class/tty");

}  // namespace pelmora::link
