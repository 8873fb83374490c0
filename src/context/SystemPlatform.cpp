#include "context/SystemPlatform.h"

#include <cstdlib>
#include <string_view>

#include "context/PortMap.h"
#include "link/RealPlatform.h"
#include "link/Trace.h"

namespace pelmora::context {

namespace {

bool TraceWanted() {
    const char* value = std::getenv("PELMORA_TRACE");
    return value && *value && std::string_view(value) != "0";
}

}  // namespace

std::unique_ptr<link::Platform> StartSystemPlatform(StoreSource store, bool traced) {
    // Sinks without state, shared by every platform of the process.
    static link::NullTrace quiet;
    static link::StderrTrace loud;
    return std::make_unique<link::RealPlatform>(
        [store = std::move(store)](const std::string& name) { return ResolvePortName(store(), name); },
        traced || TraceWanted() ? static_cast<link::TraceSink&>(loud) : quiet);
}

}  // namespace pelmora::context
