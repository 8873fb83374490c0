#include "handheld/ConnectionRules.h"

#include "context/TcpAddress.h"

namespace pelmora::handheld {

namespace {

constexpr int kComPorts = 49;
constexpr int kLastBaudIndex = static_cast<int>(link::kBaudRates.size()) - 1;

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

std::vector<std::string> ComPortEntries() {
    std::vector<std::string> entries;
    for (int n = 1; n <= kComPorts; ++n) entries.push_back("COM" + std::to_string(n) + ":");
    return entries;
}

int BaudIndexOf(std::uint32_t rate) {
    for (int i = 0; i < kLastBaudIndex; ++i)
        if (link::kBaudRates[static_cast<std::size_t>(i)] == rate) return i;
    return kLastBaudIndex;
}

std::uint32_t BaudOfIndex(int index) {
    if (index >= 0 && index < kLastBaudIndex) return link::kBaudRates[static_cast<std::size_t>(index)];
    return link::kBaudRates.back();
}

ConnectionForm RestoreConnection(const context::SettingsStore& store) {
    ConnectionForm form;
    std::uint32_t portType = 0;
    std::uint32_t baudRate = 0;
    std::string port;
    store.GetRegDword(context::ProductKey, "uPortType", portType);
    store.GetRegString(context::ProductKey, "uPort", port);
    store.GetRegDword(context::ProductKey, "uBaudrate", baudRate);
    if (portType == kScreenTcp) {
        form.tcp = true;
        if (StartsWith(port, "NET")) {
            form.address = port.substr(3);
            form.tcpPort = std::to_string(baudRate);
        }
        return form;
    }
    if (StartsWith(port, "COM")) form.port = port;
    form.baudIndex = BaudIndexOf(baudRate);
    return form;
}

Gathered GatherConnection(const ConnectionForm& form) {
    Gathered gathered;
    HandheldComm& comm = gathered.comm;
    if (!form.tcp) {
        comm.screenPortType = kScreenSerial;
        comm.port = form.port;
        comm.baudRate = BaudOfIndex(form.baudIndex);
        return gathered;
    }
    comm.screenPortType = kScreenTcp;
    const std::string address = StartsWith(form.address, "NET") ? form.address.substr(3) : form.address;
    if (!context::IsDottedIpv4(address)) {
        gathered.problem = Gathered::BadAddress;
        return gathered;
    }
    const auto tcpPort = context::ParseTcpPort(form.tcpPort);
    if (!tcpPort) {
        gathered.problem = Gathered::BadTcpPort;
        return gathered;
    }
    comm.port = "NET" + address;
    comm.baudRate = *tcpPort;
    return gathered;
}

link::CommSettings LinkSettings(const HandheldComm& comm) {
    link::CommSettings settings;
    settings.portType = comm.screenPortType == kScreenSerial ? link::PortSerial : link::PortTcp;
    settings.port = comm.port;
    settings.baudRate = static_cast<std::int32_t>(comm.baudRate);
    settings.dataBits = 8;
    settings.parity = 0;
    settings.stopBits = 0;
    settings.flowControl = 1;
    return settings;
}

std::string SaveConnection(context::SettingsStore& store, const HandheldComm& comm) {
    store.TakeWriteFailure();  // an earlier failure is not this save's
    // One write: an address never meets the other screen's port or baud rate.
    store.SetRegValues(context::ProductKey,
                       {{"uPortType", comm.screenPortType}, {"uPort", comm.port}, {"uBaudrate", comm.baudRate}});
    return store.TakeWriteFailure();
}

}  // namespace pelmora::handheld
