// Windows keeps no group on a port, and another program's handles cannot be
// read without privileges: the kinds come from the C library's errno alone.
#include <cerrno>
#include <cstring>

#include "link/LinkFailure.h"

namespace pelmora::link {

std::string GroupOf(const std::string&) { return {}; }

std::string HolderOf(const std::string&) { return {}; }

LinkFailure FailureFromErrno(int error, const std::string& where) {
    LinkFailure f;
    f.where = where;
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO: f.kind = LinkFailure::Kind::NoSuchDevice; break;
    case EACCES:
    case EPERM: f.kind = LinkFailure::Kind::PermissionDenied; break;
    case EBUSY: f.kind = LinkFailure::Kind::InUse; break;
    case ECONNREFUSED: f.kind = LinkFailure::Kind::Refused; break;
    case ENETUNREACH:
    case EHOSTUNREACH:
    case ENETDOWN: f.kind = LinkFailure::Kind::Unreachable; break;
    case ETIMEDOUT: f.kind = LinkFailure::Kind::ConnectTimedOut; break;
    default:
        f.kind = LinkFailure::Kind::System;
        f.detail = std::strerror(error);
        break;
    }
    return f;
}

}  // namespace pelmora::link
