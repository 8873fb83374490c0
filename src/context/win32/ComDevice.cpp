#include "context/PortMap.h"

namespace pelmora::context {

// The device namespace form reaches COM10 and above too.
std::string ComDevice(unsigned number) { return "\\\\.\\COM" + std::to_string(number); }

}  // namespace pelmora::context
