#pragma once
#include <string>

#include "context/SettingsStore.h"
#include "link/CommSettings.h"

/// The connection screen's rules, apart from its widgets: what it opens with
/// and what it gathers. What the store holds is read and written by
/// context/StoredCommSettings.
namespace pelmora::handheld {

/// The screen's controls.
struct ConnectionForm {
    bool tcp = false;
    std::string port = "COM1:";
    int baudIndex = link::kDefaultBaudIndex;  ///< -1 when none is selected
    std::string address = "192.168.1.1";
    std::string tcpPort = "9100";
};

/// The form for the stored connection.
ConnectionForm RestoreConnection(const context::SettingsStore& store);

struct Gathered {
    enum Problem { None, BadAddress, BadTcpPort } problem = None;
    link::CommSettings settings;
};
/// What the link gets from the form. TCP/IP: "NET" is put before the address
/// unless the box holds it already; the address and the port must be what
/// the link can take.
Gathered GatherConnection(const ConnectionForm& form);

}  // namespace pelmora::handheld
