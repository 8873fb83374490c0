#include "link/DeviceEnumeration.h"

#include <algorithm>
#include <memory>

#include <fcntl.h>
#include <libserialport.h>
#include <libudev.h>
#include <unistd.h>

#include "link/SharedLibrary.h"

namespace pelmora::link {

namespace {
// libudev pulls libsystemd and its compression and crypto libraries in with it;
// opened only for a device list, it leaves them out of every other run.
#define PELMORA_UDEV_FUNCTIONS(X) \
    X(udev_new) X(udev_unref) X(udev_enumerate_new) \
    X(udev_enumerate_unref) X(udev_enumerate_add_match_subsystem) X(udev_enumerate_add_match_sysname) \
    X(udev_enumerate_scan_devices) X(udev_enumerate_get_list_entry) X(udev_list_entry_get_next) \
    X(udev_list_entry_get_name) X(udev_device_new_from_syspath) X(udev_device_unref) \
    X(udev_device_get_devnode)

PELMORA_LIBRARY_FUNCTIONS(Udev, "libudev.so.1", "libudev1", PELMORA_UDEV_FUNCTIONS);

struct UdevDeleter {
    void operator()(udev* context) const { Udev::Loaded().udev_unref(context); }
    void operator()(udev_enumerate* enumeration) const { Udev::Loaded().udev_enumerate_unref(enumeration); }
    void operator()(udev_device* device) const { Udev::Loaded().udev_device_unref(device); }
};
template <typename T>
using UdevPtr = std::unique_ptr<T, UdevDeleter>;

}  // namespace

std::string DeviceListProblem() { return Udev::Loaded().library.Problem(); }

std::vector<std::string> DeviceNodes(const char* subsystem, const char* sysname) {
    std::vector<std::string> nodes;
    const Udev& u = Udev::Loaded();
    if (!u.library.Usable()) return nodes;
    const UdevPtr<udev> context(u.udev_new());
    if (!context) return nodes;
    const UdevPtr<udev_enumerate> enumeration(u.udev_enumerate_new(context.get()));
    if (!enumeration || u.udev_enumerate_add_match_subsystem(enumeration.get(), subsystem) < 0 ||
        u.udev_enumerate_add_match_sysname(enumeration.get(), sysname) < 0 ||
        u.udev_enumerate_scan_devices(enumeration.get()) < 0) {
        return nodes;
    }
    for (udev_list_entry* entry = u.udev_enumerate_get_list_entry(enumeration.get()); entry;
         entry = u.udev_list_entry_get_next(entry)) {
        const UdevPtr<udev_device> device(
            u.udev_device_new_from_syspath(context.get(), u.udev_list_entry_get_name(entry)));
        if (!device) continue;
        if (const char* node = u.udev_device_get_devnode(device.get())) nodes.emplace_back(node);
    }
    return nodes;
}

namespace {
bool OpensReadWrite(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

std::string Description(const std::string& path) {
    sp_port* port = nullptr;
    std::string text;
    if (sp_get_port_by_name(path.c_str(), &port) == SP_OK) {
        if (const char* description = sp_get_port_description(port)) text = description;
        sp_free_port(port);
    }
    return text;
}

// Both lists leave out what only udev finds: the trace says why.
void TraceDeviceListProblem(TraceSink& trace) {
    if (const std::string problem = DeviceListProblem(); !problem.empty()) Tracef(trace, "%s\n", problem.c_str());
}
}  // namespace

std::vector<UsbPrinterInfo> ListUsbPrinters(TraceSink& trace) {
    TraceDeviceListProblem(trace);
    return LabelUsbPrinters(DeviceNodes("usbmisc", "lp*"), OpensReadWrite, trace);
}

std::vector<SerialPortInfo> ListSerialPorts(TraceSink& trace) {
    std::vector<SerialPortInfo> ports;
    sp_port** list = nullptr;
    const sp_return listed = sp_list_ports(&list);
    if (listed == SP_OK) {
        for (sp_port** port = list; *port; ++port) {
            const char* description = sp_get_port_description(*port);
            ports.push_back({sp_get_port_name(*port), description ? description : ""});
        }
        sp_free_port_list(list);
    } else if (listed == SP_ERR_FAIL) {
        char* message = sp_last_error_message();
        Tracef(trace, "sp_list_ports failed: %s", message ? message : "");
        sp_free_error_message(message);
    } else {
        Tracef(trace, "sp_list_ports failed (%d)", static_cast<int>(listed));
    }
    TraceDeviceListProblem(trace);
    for (const std::string& node : DeviceNodes("tty", "rfcomm*")) {
        const bool known = std::any_of(ports.begin(), ports.end(), [&](const SerialPortInfo& p) { return p.path == node; });
        if (!known) ports.push_back({node, Description(node)});
    }
    std::sort(ports.begin(), ports.end(),
              [](const SerialPortInfo& a, const SerialPortInfo& b) { return NaturalLess(a.path, b.path); });
    return ports;
}

}  // namespace pelmora::link
