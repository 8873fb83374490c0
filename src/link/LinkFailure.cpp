#include "link/LinkFailure.h"

#include <utility>

namespace pelmora::link {

namespace {
thread_local LinkFailure lastFailure;
}  // namespace

void NoteOpenFailure(LinkFailure failure) {
    lastFailure = std::move(failure);
}

LinkFailure TakeOpenFailure() {
    return std::exchange(lastFailure, LinkFailure{});
}

}  // namespace pelmora::link
