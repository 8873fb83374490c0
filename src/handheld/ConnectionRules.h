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
    std::string tcpPort = std::to_string(link::kPrinterTcpPort);
};

/// The form for the stored connection.
ConnectionForm RestoreConnection(const context::SettingsStore& store);

struct Gathered {
    enum Problem { None, BadAddress, BadTcpPort } problem = None;
    link::CommSettings settings;
};
/// What the link gets from the form. TCP/IP: the box's address as the link
/// reads it (so "NET" typed in the box is not doubled) must be what the link
/// can take, and so must the port.
Gathered GatherConnection(const ConnectionForm& form);

}  // namespace pelmora::handheld
