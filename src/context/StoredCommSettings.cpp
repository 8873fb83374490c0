#include "context/StoredCommSettings.h"

#include <algorithm>

#include "context/RegSyntax.h"
#include "context/TcpAddress.h"

namespace pelmora::context {

namespace {

constexpr int kComPorts = 49;
constexpr std::uint16_t kDefaultTcpPort = 9100;
constexpr const char* kDesktopAddress = "0.0.0.0";
constexpr const char* kHandheldAddress = "192.168.1.1";
// The handheld offers serial or TCP/IP and stores TCP/IP as 2, its own number.
constexpr std::uint32_t kHandheldTcp = 2;

const std::vector<std::string>& NamesKept(Layout program) {
    static const std::vector<std::string> desktop{"uPortType", "uPort",   "uBaudrate",   "uDatabit",
                                                  "uParity",   "uStopbit", "uFlowcontrol"};
    static const std::vector<std::string> handheld{"uPortType", "uPort", "uBaudrate"};
    return program == Layout::Desktop ? desktop : handheld;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

std::int32_t Signed(std::uint32_t value) { return static_cast<std::int32_t>(value); }

/// What the store holds; a failed number read gives 0, a failed text read "".
struct Raw {
    bool portTypeRead = false;
    std::uint32_t portType = 0, baud = 0, dataBits = 0, parity = 0, stopBits = 0, flow = 0;
    std::string port;
};

Raw ReadRaw(const SettingsStore& store) {
    Raw raw;
    raw.portTypeRead = store.GetRegDword(ProductKey, "uPortType", raw.portType) == 1;
    store.GetRegString(ProductKey, "uPort", raw.port);
    store.GetRegDword(ProductKey, "uBaudrate", raw.baud);
    store.GetRegDword(ProductKey, "uDatabit", raw.dataBits);
    store.GetRegDword(ProductKey, "uParity", raw.parity);
    store.GetRegDword(ProductKey, "uStopbit", raw.stopBits);
    store.GetRegDword(ProductKey, "uFlowcontrol", raw.flow);
    return raw;
}

link::CommSettings AsStored(const Raw& raw) {
    return {Signed(raw.portType), raw.port,         Signed(raw.baud), Signed(raw.dataBits),
            Signed(raw.parity),   Signed(raw.stopBits), Signed(raw.flow)};
}

void AddOnce(std::vector<std::string>& names, const std::string& name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

link::CommSettings FromDesktopStore(const Raw& raw, std::vector<std::string>& unreadable) {
    if (!raw.portTypeRead) return {};  // the window's defaults
    link::CommSettings s = AsStored(raw);
    switch (s.portType) {
    case link::PortSerial:
    case link::PortBluetooth: {
        const link::CommSettings lists;  // the entries each list opens on
        const auto ports = ComPortEntries(Layout::Desktop);
        if (std::find(ports.begin(), ports.end(), raw.port) == ports.end()) s.port = lists.port;
        if (!link::IsListedBaudRate(raw.baud)) s.baudRate = lists.baudRate;
        if (raw.parity > 2) s.parity = lists.parity;
        s.dataBits = lists.dataBits;
        s.stopBits = StopBitsFromStore(raw.stopBits);
        s.flowControl = lists.flowControl;  // hardware flow control is never offered at opening
        break;
    }
    case link::PortTcp: {
        std::string address = link::NetAddress(raw.port);
        if (!IsDottedIpv4(address)) {
            address = kDesktopAddress;
            AddOnce(unreadable, "uPort");
        }
        s.port = "NET" + address;
        s.baudRate = kDefaultTcpPort;  // the port box always opens on 9100
        break;
    }
    default:
        break;  // USB, and types no window lists: jobs run with what is stored
    }
    return s;
}

link::CommSettings FromHandheldStore(const Raw& raw) {
    if (raw.portType == kHandheldTcp) {
        if (!StartsWith(raw.port, "NET")) return HandheldLink(link::PortTcp, std::string("NET") + kHandheldAddress, kDefaultTcpPort);
        return HandheldLink(link::PortTcp, raw.port, raw.baud);
    }
    return HandheldLink(link::PortSerial, StartsWith(raw.port, "COM") ? raw.port : ComPortEntries(Layout::Handheld).front(),
                        link::IsListedBaudRate(raw.baud) ? raw.baud : link::kDefaultBaudRate);
}

std::vector<std::string> UnreadableValues(const SettingsStore& store, Layout program) {
    std::vector<std::string> unreadable;
    // Also a file that is no store at all: it reads as nothing, which would look like a first start.
    if (!store.ReadProblem().empty() || store.Damaged())
        unreadable.emplace_back("(file)");
    const std::vector<std::string> present = store.ValueNames(ProductKey);
    for (const std::string& name : NamesKept(program)) {
        if (std::none_of(present.begin(), present.end(), [&](const std::string& p) { return EqualsNoCase(p, name); }))
            continue;
        std::string text = "?";  // an empty stored text empties it and still reads 0
        std::uint32_t number = 0;
        const bool read = name == "uPort" ? store.GetRegString(ProductKey, name, text) == 1 || text.empty()
                                          : store.GetRegDword(ProductKey, name, number) == 1;
        if (!read) unreadable.push_back(name);
    }
    return unreadable;
}

}  // namespace

link::CommSettings HandheldLink(std::int32_t portType, std::string port, std::uint32_t baudRate) {
    link::CommSettings s;
    s.portType = portType;
    s.port = std::move(port);
    s.baudRate = Signed(baudRate);
    s.flowControl = 1;
    return s;
}

std::int32_t StopBitsFromStore(std::uint32_t stored) { return stored == 1 || stored == 2 ? 2 : 0; }

std::vector<std::string> ComPortEntries(Layout program) {
    std::vector<std::string> entries;
    for (int n = 1; n <= kComPorts; ++n)
        entries.push_back("COM" + std::to_string(n) + (program == Layout::Handheld ? ":" : ""));
    return entries;
}

StoredComm ReadCommSettings(const SettingsStore& store, Layout program) {
    StoredComm stored;
    stored.unreadable = UnreadableValues(store, program);
    const Raw raw = ReadRaw(store);
    stored.settings = program == Layout::Desktop ? FromDesktopStore(raw, stored.unreadable) : FromHandheldStore(raw);
    return stored;
}

std::string WriteCommSettings(SettingsStore& store, const link::CommSettings& s, Layout program) {
    const auto number = [](std::int32_t value) { return static_cast<std::uint32_t>(value); };
    store.TakeWriteFailure();  // an earlier failure is not this write's
    // One write, so a port never meets the other port type's numbers.
    if (program == Layout::Handheld)
        store.SetRegValues(ProductKey, {{"uPortType", s.portType == link::PortSerial ? 0u : kHandheldTcp},
                                        {"uPort", s.port},
                                        {"uBaudrate", number(s.baudRate)}});
    else
        store.SetRegValues(ProductKey, {{"uPortType", number(s.portType)},
                                        {"uPort", s.port},
                                        {"uBaudrate", number(s.baudRate)},
                                        {"uDatabit", number(s.dataBits)},
                                        {"uParity", number(s.parity)},
                                        {"uStopbit", number(s.stopBits)},
                                        {"uFlowcontrol", number(s.flowControl)}});
    return store.TakeWriteFailure();
}

}  // namespace pelmora::context
