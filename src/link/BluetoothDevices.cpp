#include "link/BluetoothDevices.h"

#include <systemd/sd-bus.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <thread>
#include <tuple>

#include "link/SharedLibrary.h"

namespace pelmora::link {

namespace {
using Clock = std::chrono::steady_clock;

constexpr const char* kBluez = "org.bluez";
constexpr const char* kAdapterInterface = "org.bluez.Adapter1";
constexpr const char* kDeviceInterface = "org.bluez.Device1";
// Long enough for a busy BlueZ with many devices cached, short enough that a hung one is told.
constexpr std::chrono::seconds kCallTimeout{5};
constexpr std::chrono::milliseconds kWaitSlice{50};

// sd-bus comes with libsystemd and what it pulls in; opened only for the
// Bluetooth search, it leaves them out of every other run.
#define PELMORA_SD_BUS_FUNCTIONS(X) \
    X(sd_bus_call_async) X(sd_bus_close_unref) X(sd_bus_is_ready) \
    X(sd_bus_message_append) X(sd_bus_message_enter_container) X(sd_bus_message_exit_container) \
    X(sd_bus_message_get_error) X(sd_bus_message_is_method_error) X(sd_bus_message_new_method_call) \
    X(sd_bus_message_peek_type) X(sd_bus_message_read) X(sd_bus_message_ref) \
    X(sd_bus_message_skip) X(sd_bus_message_unref) X(sd_bus_open_system) \
    X(sd_bus_process) X(sd_bus_slot_unref) X(sd_bus_wait)

PELMORA_LIBRARY_FUNCTIONS(SdBus, "libsystemd.so.0", "libsystemd0", PELMORA_SD_BUS_FUNCTIONS);
const SdBus& Lib() { return SdBus::Loaded(); }

struct Unref {
    // No flush: every call is answered before the next, and a flush would wait out a silent bus.
    void operator()(sd_bus* bus) const { Lib().sd_bus_close_unref(bus); }
    void operator()(sd_bus_message* message) const { Lib().sd_bus_message_unref(message); }
    void operator()(sd_bus_slot* slot) const { Lib().sd_bus_slot_unref(slot); }
};
using BusPtr = std::unique_ptr<sd_bus, Unref>;
using MessagePtr = std::unique_ptr<sd_bus_message, Unref>;
using SlotPtr = std::unique_ptr<sd_bus_slot, Unref>;

std::string NotRunning() { return "BlueZ is not running (bluetooth.service): start it with `sudo systemctl start bluetooth`"; }

std::string Problem(int error, const sd_bus_error* reply = nullptr) {
    const std::string name = reply && reply->name ? reply->name : "";
    const auto startsWith = [&](const char* prefix) { return name.rfind(prefix, 0) == 0; };
    // Without BlueZ the bus daemon answers, or systemd when it fails to start it for the call.
    if (name == SD_BUS_ERROR_SERVICE_UNKNOWN || name == SD_BUS_ERROR_NAME_HAS_NO_OWNER ||
        startsWith("org.freedesktop.systemd1.") || startsWith("org.freedesktop.DBus.Error.Spawn."))
        return NotRunning();
    if (error == -ETIMEDOUT || name == SD_BUS_ERROR_NO_REPLY || name == SD_BUS_ERROR_TIMEOUT)
        return "BlueZ did not answer within " + std::to_string(kCallTimeout.count()) +
               " s: restart it with `sudo systemctl restart bluetooth`";
    if (error == -ECANCELED) return "the Bluetooth search was stopped";
    if (!name.empty())
        return "BlueZ answered with an error (" + name + ": " + (reply->message ? reply->message : "") +
               "): see `journalctl -u bluetooth`";
    return std::string("BlueZ's answer could not be read (") + std::strerror(-error) +
           "): see who holds org.bluez on the system bus";
}

std::string SystemBusProblem(const std::string& why, const char* step = "start") {
    return "the system D-Bus cannot be reached (" + why + "), and BlueZ answers only there: " + step +
           " it with `sudo systemctl " + step + " dbus`";
}

struct Malformed {
    int error;
};
int Check(int r) {
    if (r < 0) throw Malformed{r};
    return r;
}

struct Answer {
    MessagePtr reply;
    std::string problem;
};

// sd_bus_call would wait out the bus's own time-outs (90 s while authenticating)
// and no stop: this one ends at kCallTimeout or, given `stop`, when it is requested.
Answer Call(sd_bus* bus, sd_bus_message* call, const StopRequest* stop) {
    struct Pending {
        MessagePtr reply;
    } pending;
    const auto onReply = [](sd_bus_message* reply, void* data, sd_bus_error*) {
        static_cast<Pending*>(data)->reply.reset(Lib().sd_bus_message_ref(reply));
        return 0;
    };
    sd_bus_slot* rawSlot = nullptr;
    const auto timeoutUs = std::chrono::microseconds(kCallTimeout).count();
    if (const int r = Lib().sd_bus_call_async(bus, &rawSlot, call, onReply, &pending, timeoutUs); r < 0)
        return {{}, SystemBusProblem(std::strerror(-r), "restart")};
    const SlotPtr slot(rawSlot);  // dropped before `pending`: no late reply reaches it
    const auto deadline = Clock::now() + kCallTimeout;
    while (!pending.reply) {
        if (stop && stop->Requested()) return {{}, Problem(-ECANCELED)};
        if (Clock::now() >= deadline)
            return {{}, Lib().sd_bus_is_ready(bus) > 0 ? Problem(-ETIMEDOUT)
                                                       : SystemBusProblem("it did not answer", "restart")};
        int r = Lib().sd_bus_process(bus, nullptr);
        if (r == 0) r = Lib().sd_bus_wait(bus, std::chrono::microseconds(kWaitSlice).count());
        if (r < 0 && r != -EINTR) return {{}, SystemBusProblem(std::strerror(-r), "restart")};
    }
    if (Lib().sd_bus_message_is_method_error(pending.reply.get(), nullptr))
        return {{}, Problem(-EIO, Lib().sd_bus_message_get_error(pending.reply.get()))};
    return {std::move(pending.reply), {}};
}

MessagePtr NewCall(sd_bus* bus, const std::string& path, const char* interface, const char* member) {
    sd_bus_message* call = nullptr;
    Check(Lib().sd_bus_message_new_method_call(bus, &call, kBluez, path.c_str(), interface, member));
    return MessagePtr(call);
}

// Reads the properties `onProperty` takes (it returns true when it read the
// value) and skips the rest, so a property BlueZ adds or retypes is no error.
template <typename OnProperty>
void ReadProperties(sd_bus_message* m, OnProperty onProperty) {
    Check(Lib().sd_bus_message_enter_container(m, 'a', "{sv}"));
    while (Check(Lib().sd_bus_message_enter_container(m, 'e', "sv")) > 0) {
        const char* name = nullptr;
        const char* type = nullptr;
        Check(Lib().sd_bus_message_read(m, "s", &name));
        Check(Lib().sd_bus_message_peek_type(m, nullptr, &type));
        if (!onProperty(std::string_view(name), std::string_view(type ? type : "")))
            Check(Lib().sd_bus_message_skip(m, "v"));
        Check(Lib().sd_bus_message_exit_container(m));
    }
    Check(Lib().sd_bus_message_exit_container(m));
}

std::string ReadString(sd_bus_message* m) {
    const char* text = nullptr;
    Check(Lib().sd_bus_message_read(m, "v", "s", &text));
    return text;
}

bool ReadBool(sd_bus_message* m) {
    int value = 0;
    Check(Lib().sd_bus_message_read(m, "v", "b", &value));
    return value != 0;
}

std::vector<std::string> ReadStrings(sd_bus_message* m) {
    std::vector<std::string> strings;
    Check(Lib().sd_bus_message_enter_container(m, 'v', "as"));
    Check(Lib().sd_bus_message_enter_container(m, 'a', "s"));
    const char* text = nullptr;
    while (Check(Lib().sd_bus_message_read(m, "s", &text)) > 0) strings.emplace_back(text);
    Check(Lib().sd_bus_message_exit_container(m));
    Check(Lib().sd_bus_message_exit_container(m));
    return strings;
}

bool SameUuid(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

struct Adapter {
    std::string path;
    bool powered = false;
};

struct Device {
    BluetoothDevice shown;
    bool uuidsTold = false;
    bool lowEnergyOnly = false;  // a random address: never a classic device, so no serial port profile
};

struct Objects {
    std::vector<Adapter> adapters;
    std::vector<Device> devices;
};

Device ReadDevice(sd_bus_message* m) {
    Device device;
    BluetoothDevice& shown = device.shown;
    std::string alias, name;
    ReadProperties(m, [&](std::string_view key, std::string_view type) {
        if (type == "s" && key == "Address") shown.address = ReadString(m);
        else if (type == "s" && key == "Alias") alias = ReadString(m);
        else if (type == "s" && key == "Name") name = ReadString(m);
        else if (type == "s" && key == "AddressType") device.lowEnergyOnly = ReadString(m) == "random";
        else if (type == "b" && key == "Paired") shown.paired = ReadBool(m);
        else if (type == "b" && key == "Connected") shown.connected = ReadBool(m);
        else if (type == "as" && key == "UUIDs") {
            for (const std::string& uuid : ReadStrings(m)) {
                device.uuidsTold = true;
                shown.serialProfile = shown.serialProfile || SameUuid(uuid, kSerialPortProfileUuid);
            }
        } else return false;
        return true;
    });
    shown.name = alias.empty() ? name : alias;
    return device;
}

Objects ReadObjects(sd_bus_message* m) {
    Objects objects;
    Check(Lib().sd_bus_message_enter_container(m, 'a', "{oa{sa{sv}}}"));
    while (Check(Lib().sd_bus_message_enter_container(m, 'e', "oa{sa{sv}}")) > 0) {
        const char* path = nullptr;
        Check(Lib().sd_bus_message_read(m, "o", &path));
        Check(Lib().sd_bus_message_enter_container(m, 'a', "{sa{sv}}"));
        while (Check(Lib().sd_bus_message_enter_container(m, 'e', "sa{sv}")) > 0) {
            const char* interface = nullptr;
            Check(Lib().sd_bus_message_read(m, "s", &interface));
            if (std::strcmp(interface, kAdapterInterface) == 0) {
                Adapter adapter{path};
                ReadProperties(m, [&](std::string_view key, std::string_view type) {
                    if (type != "b" || key != "Powered") return false;
                    adapter.powered = ReadBool(m);
                    return true;
                });
                objects.adapters.push_back(adapter);
            } else if (std::strcmp(interface, kDeviceInterface) == 0) {
                objects.devices.push_back(ReadDevice(m));
            } else {
                Check(Lib().sd_bus_message_skip(m, "a{sv}"));
            }
            Check(Lib().sd_bus_message_exit_container(m));
        }
        Check(Lib().sd_bus_message_exit_container(m));
        Check(Lib().sd_bus_message_exit_container(m));
    }
    Check(Lib().sd_bus_message_exit_container(m));
    return objects;
}

std::string Fetch(sd_bus* bus, const StopRequest* stop, Objects& objects) {
    const MessagePtr call = NewCall(bus, "/", "org.freedesktop.DBus.ObjectManager", "GetManagedObjects");
    Answer answer = Call(bus, call.get(), stop);
    if (answer.problem.empty()) objects = ReadObjects(answer.reply.get());
    return answer.problem;
}

// Discovery belongs to this connection: BlueZ ends it when the connection
// closes, even if StopDiscovery was never answered.
void Scan(sd_bus* bus, const std::vector<Adapter>& adapters, std::uint32_t scanMs, const StopRequest& stop) {
    std::vector<const Adapter*> scanning;
    for (const Adapter& adapter : adapters) {
        const MessagePtr filter = NewCall(bus, adapter.path, kAdapterInterface, "SetDiscoveryFilter");
        Check(Lib().sd_bus_message_append(filter.get(), "a{sv}", 1, "Transport", "s", "bredr"));
        Call(bus, filter.get(), &stop);  // an older BlueZ without filters looks for every kind
        const MessagePtr start = NewCall(bus, adapter.path, kAdapterInterface, "StartDiscovery");
        if (Call(bus, start.get(), &stop).problem.empty()) scanning.push_back(&adapter);
    }
    const auto end = Clock::now() + std::chrono::milliseconds(scanMs);
    for (auto now = Clock::now(); !scanning.empty() && now < end && !stop.Requested(); now = Clock::now())
        std::this_thread::sleep_for(std::min<Clock::duration>(kWaitSlice, end - now));
    for (const Adapter* adapter : scanning) Call(bus, NewCall(bus, adapter->path, kAdapterInterface, "StopDiscovery").get(), nullptr);
}

std::vector<BluetoothDevice> Printers(const std::vector<Device>& devices, const std::map<std::string, std::string>& rfcomm) {
    std::vector<BluetoothDevice> shown;
    for (const Device& device : devices) {
        const BluetoothDevice& d = device.shown;
        if (d.address.empty() || device.lowEnergyOnly) continue;
        if (!d.serialProfile && (d.paired || device.uuidsTold)) continue;
        shown.push_back(d);
        if (const auto bound = rfcomm.find(d.address); bound != rfcomm.end()) shown.back().rfcommDevice = bound->second;
    }
    // A device seen by two adapters is listed once, as the one that knows it best.
    const auto key = [](const BluetoothDevice& d) { return std::tuple(d.address, !d.connected, !d.paired); };
    std::sort(shown.begin(), shown.end(), [&](const auto& a, const auto& b) { return key(a) < key(b); });
    shown.erase(std::unique(shown.begin(), shown.end(), [](const auto& a, const auto& b) { return a.address == b.address; }),
                shown.end());
    return shown;
}
}  // namespace

BluetoothListing ListBluetoothDevices(std::uint32_t scanMs, const StopRequest& stop) {
    if (!Lib().library.Usable()) return {{}, Lib().library.Problem()};
    sd_bus* rawBus = nullptr;
    if (const int r = Lib().sd_bus_open_system(&rawBus); r < 0) return {{}, SystemBusProblem(std::strerror(-r))};
    const BusPtr bus(rawBus);
    try {
        Objects objects;
        if (std::string problem = Fetch(bus.get(), &stop, objects); !problem.empty()) return {{}, problem};
        if (objects.adapters.empty())
            return {{}, "no Bluetooth adapter: plug one in, or see `journalctl -u bluetooth` for why BlueZ has none"};
        std::vector<Adapter> powered;
        std::copy_if(objects.adapters.begin(), objects.adapters.end(), std::back_inserter(powered),
                     [](const Adapter& a) { return a.powered; });
        if (powered.empty())
            return {{}, "Bluetooth is switched off (no adapter powered): switch it on with `bluetoothctl power on` "
                        "(after `rfkill unblock bluetooth` if it is blocked)"};
        if (scanMs > 0) {
            Scan(bus.get(), powered, scanMs, stop);
            // What the scan found by the time it ended is listed even after a stop.
            if (std::string problem = Fetch(bus.get(), nullptr, objects); !problem.empty()) return {{}, problem};
        }
        return {Printers(objects.devices, RfcommBindings()), {}};
    } catch (const Malformed& malformed) {
        return {{}, Problem(malformed.error)};
    }
}

}  // namespace pelmora::link
