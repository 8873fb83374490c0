#include "handheld/ConnectionRules.h"

#include "context/StoredCommSettings.h"
#include "context/TcpAddress.h"

namespace pelmora::handheld {

ConnectionForm RestoreConnection(const context::SettingsStore& store) {
    const link::CommSettings stored = context::ReadCommSettings(store, context::Layout::Handheld).settings;
    ConnectionForm form;
    form.tcp = stored.portType == link::PortTcp;
    if (form.tcp) {
        form.address = link::NetAddress(stored.port);
        form.tcpPort = std::to_string(stored.baudRate);
    } else {
        form.port = stored.port;
        form.baudIndex = link::BaudIndexOf(stored.baudRate);
    }
    return form;
}

Gathered GatherConnection(const ConnectionForm& form) {
    Gathered gathered;
    if (!form.tcp) {
        gathered.settings = context::HandheldLink(link::PortSerial, form.port, link::BaudRateAt(form.baudIndex));
        return gathered;
    }
    const context::TcpAddress tcp = context::CheckTcpAddress(link::NetAddress(form.address), form.tcpPort);
    if (tcp.problem == context::TcpAddress::BadAddress) gathered.problem = Gathered::BadAddress;
    else if (tcp.problem == context::TcpAddress::BadPort) gathered.problem = Gathered::BadTcpPort;
    else gathered.settings = context::HandheldLink(link::PortTcp, link::NetPort(tcp.host), tcp.port);
    return gathered;
}

}  // namespace pelmora::handheld
