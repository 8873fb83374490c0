// Windows keeps no group on a port, and another program's handles cannot be
// read without privileges; its C library has no "host is down".
#include "link/LinkFailure.h"

namespace pelmora::link {

std::string GroupOf(const std::string&) { return {}; }

std::string HolderOf(const std::string&) { return {}; }

bool IsHostDown(int) { return false; }

}  // namespace pelmora::link
