// The store file parser: any text parses, and writing what was read and
// reading it again gives the same document.
#include <string_view>

#include "HostilePrinter.h"
#include "context/RegSyntax.h"

using namespace pelmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const context::RegDocument first = context::ParseRegFile(text);
    const std::string written = context::RenderRegFile(first);
    const context::RegDocument again = context::ParseRegFile(written);
    fuzz::Check(!again.damaged, "a written store reads back damaged");
    fuzz::Check(context::RenderRegFile(again) == written, "the store does not survive a write and a read");
    return 0;
}
