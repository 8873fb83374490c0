#include "link/LinkFailure.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace pelmora::link {

namespace {
thread_local LinkFailure lastFailure;
}  // namespace

LinkFailure FailureFromErrno(int error, const std::string& where) {
    LinkFailure f;
    f.where = where;
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO: f.kind = LinkFailure::Kind::NoSuchDevice; break;
    case EACCES:
    case EPERM:
        f.kind = LinkFailure::Kind::PermissionDenied;
        f.detail = GroupOf(where);
        break;
    case EBUSY:
        f.kind = LinkFailure::Kind::InUse;
        f.detail = HolderOf(where);
        break;
    case ECONNREFUSED: f.kind = LinkFailure::Kind::Refused; break;
    case ENETUNREACH:
    case EHOSTUNREACH:
    case ENETDOWN: f.kind = LinkFailure::Kind::Unreachable; break;
    case ETIMEDOUT: f.kind = LinkFailure::Kind::ConnectTimedOut; break;
    default:
        f.kind = IsHostDown(error) ? LinkFailure::Kind::Unreachable : LinkFailure::Kind::System;
        if (f.kind == LinkFailure::Kind::System) f.detail = std::strerror(error);
        break;
    }
    return f;
}

void NoteOpenFailure(LinkFailure failure) {
    lastFailure = std::move(failure);
}

LinkFailure TakeOpenFailure() {
    return std::exchange(lastFailure, LinkFailure{});
}

}  // namespace pelmora::link
