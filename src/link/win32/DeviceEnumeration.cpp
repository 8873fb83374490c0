#include "link/DeviceEnumeration.h"

#include <windows.h>
#include <setupapi.h>

#include <algorithm>
#include <vector>

#include "link/win32/DcbLineState.h"

namespace pelmora::link {

namespace {
// The printer class's device interface (usbprint.sys), spelled out: not every
// SDK header set declares it.
const GUID kUsbPrintInterface = {0x28d78fad, 0x5a12, 0x11d1, {0xae, 0x5b, 0x00, 0x00, 0xf8, 0x03, 0xa8, 0xc2}};

bool OpensReadWrite(const std::string& path) {
    const HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(handle);
    return true;
}

std::vector<std::string> UsbPrintInterfaces() {
    std::vector<std::string> paths;
    const HDEVINFO devices = ::SetupDiGetClassDevsA(&kUsbPrintInterface, nullptr, nullptr,
                                                    DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (devices == INVALID_HANDLE_VALUE) return paths;
    SP_DEVICE_INTERFACE_DATA entry{};
    entry.cbSize = sizeof entry;
    for (DWORD i = 0; ::SetupDiEnumDeviceInterfaces(devices, nullptr, &kUsbPrintInterface, i, &entry); ++i) {
        DWORD size = 0;
        ::SetupDiGetDeviceInterfaceDetailA(devices, &entry, nullptr, 0, &size, nullptr);
        if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) continue;
        std::vector<unsigned char> buffer(size);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        if (::SetupDiGetDeviceInterfaceDetailA(devices, &entry, detail, size, nullptr, nullptr))
            paths.emplace_back(detail->DevicePath);
    }
    ::SetupDiDestroyDeviceInfoList(devices);
    return paths;
}
}  // namespace

std::string DeviceListProblem() { return {}; }

std::vector<UsbPrinterInfo> ListUsbPrinters(TraceSink& trace) {
    return LabelUsbPrinters(UsbPrintInterfaces(), OpensReadWrite, trace);
}

// The system's own list: every serial driver, Bluetooth's included, enters its
// ports in the device map while they exist.
std::vector<SerialPortInfo> ListSerialPorts(TraceSink& trace) {
    std::vector<SerialPortInfo> ports;
    HKEY map = nullptr;
    const LONG opened = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &map);
    if (opened != ERROR_SUCCESS) {
        if (opened != ERROR_FILE_NOT_FOUND) Tracef(trace, "Serial port list: %s", SystemMessage(opened).c_str());
        return ports;
    }
    for (DWORD i = 0;; ++i) {
        char device[256];
        char port[256];
        DWORD deviceSize = sizeof device, portSize = sizeof port, type = 0;
        const LONG read = ::RegEnumValueA(map, i, device, &deviceSize, nullptr, &type,
                                          reinterpret_cast<BYTE*>(port), &portSize);
        if (read == ERROR_NO_MORE_ITEMS) break;
        if (read != ERROR_SUCCESS || type != REG_SZ || portSize == 0) continue;
        ports.push_back({std::string(port, strnlen(port, portSize)), std::string(device, deviceSize)});
    }
    ::RegCloseKey(map);
    std::sort(ports.begin(), ports.end(),
              [](const SerialPortInfo& a, const SerialPortInfo& b) { return NaturalLess(a.path, b.path); });
    return ports;
}

}  // namespace pelmora::link
