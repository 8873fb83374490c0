#pragma once
#include <windows.h>

#include <string>

#include "link/Platform.h"

namespace pelmora::link {

/// `base` (what GetCommState read) with the members a line state names; the
/// rest (XON/XOFF characters and limits) stays the driver's.
DCB ToDcb(const SerialLineState& state, DCB base);
/// The line state a device control block stands for.
SerialLineState FromDcb(const DCB& dcb);

/// The classic time-outs as the system takes them, member for member.
COMMTIMEOUTS ToCommTimeouts(const SerialTimeouts& timeouts);

/// The system's text for `error` (GetLastError), without the trailing line break.
std::string SystemMessage(unsigned long error);

}  // namespace pelmora::link
