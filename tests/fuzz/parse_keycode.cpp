// The key-code reply decoder: any bytes, codes of two bytes each.
#include "HostilePrinter.h"
#include "nv/KeyCodeReply.h"

using namespace pelmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const nv::KeyCodeBlock block = nv::ParseKeyCodeBlock({data, size});
    for (const std::string& code : block.codes) fuzz::Check(code.size() == 2, "a code that is not two bytes");
    if (block.kind != nv::KeyCodeBlock::Kind::Codes) fuzz::Check(block.codes.empty(), "codes in a block that holds none");
    if (block.kind == nv::KeyCodeBlock::Kind::Bad) fuzz::Check(!block.more, "a bad block that promises more");
    fuzz::Check(block.codes.size() <= size / 2, "more codes than the reply holds");
    return 0;
}
