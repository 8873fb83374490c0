#include "context/PortMap.h"

namespace pelmora::context {

std::string ComDevice(unsigned number) { return "/dev/ttyS" + std::to_string(number - 1); }

}  // namespace pelmora::context
