#pragma once
#include <cstdint>
#include <string>
#include <utility>

namespace pelmora::link {

/// Why a port did not open, as the system told it. The texts people read are
/// made from this in one table (`context/FailureCause.h`).
struct LinkFailure {
    enum class Kind {
        None,
        NoSuchDevice,      ///< `where` does not exist
        NotADevice,        ///< `where` is there but no device of that kind
        PermissionDenied,  ///< `detail`: the node's group, empty when unknown
        InUse,             ///< `detail`: "name (pid N)" of a holder, empty when the system does not tell
        Refused,           ///< nothing listens on that port
        Unreachable,       ///< no route to the host or network
        ConnectTimedOut,   ///< `waitedMs` passed without an answer
        UnknownHost,       ///< the name resolves to no address
        BadAddress,        ///< the text is no address a printer can have
        PrinterOff,        ///< a serial port opened, but DSR stayed low
        LineSettings,      ///< the port did not take the line settings
        System,            ///< `detail`: the system's own error text
    };
    Kind kind = Kind::None;
    std::string where;   ///< the port, device path or "host:port"
    std::string detail;
    std::uint32_t waitedMs = 0;
};

inline LinkFailure Failure(LinkFailure::Kind kind, std::string where, std::string detail = {}) {
    return {kind, std::move(where), std::move(detail), 0};
}

/// A failure from `errno` of an open() or connect() on `where`: the common
/// errors get their kind (with the node's group or the holder where the system
/// tells), the rest keep the system's text.
LinkFailure FailureFromErrno(int error, const std::string& where);
/// The group owning `path`, empty when it cannot be told.
std::string GroupOf(const std::string& path);
/// "name (pid N)" of a process of ours that has `path` open, empty when none is seen.
std::string HolderOf(const std::string& path);
/// The system's "host is down" error, which not every system has.
bool IsHostDown(int error);

/// The failure of the last open on this thread. The backends note it where the
/// system answers; the link takes it once the open has failed. Per thread, as
/// several printers are opened at once on one platform.
void NoteOpenFailure(LinkFailure failure);
LinkFailure TakeOpenFailure();

}  // namespace pelmora::link
