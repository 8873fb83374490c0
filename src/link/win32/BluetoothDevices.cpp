#include "link/BluetoothDevices.h"

namespace pelmora::link {

// Windows pairs a Bluetooth printer into a virtual COM port: the serial port list already shows it.
BluetoothListing ListBluetoothDevices(std::uint32_t, const StopRequest&) {
    return {{}, "Bluetooth printers are found as COM ports on Windows: pair the printer in Settings > Bluetooth, "
                "then use the outgoing COM port it was given (`pelmora ports` lists it)"};
}

}  // namespace pelmora::link
