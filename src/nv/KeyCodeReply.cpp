#include "nv/KeyCodeReply.h"

#include <algorithm>
#include <array>

#include "nv/NvCommands.h"

namespace pelmora::nv {

namespace {
constexpr std::size_t kHeaderSearch = 250;
constexpr std::size_t kMinimumBlock = 4;
}  // namespace

KeyCodeBlock ParseKeyCodeBlock(std::span<const std::uint8_t> received) {
    KeyCodeBlock block;
    std::array<std::uint8_t, kKeyCodeBlockCapacity> buffer{};
    const std::size_t count = std::min(received.size(), buffer.size());
    std::copy_n(received.begin(), count, buffer.begin());

    std::size_t p = 0;
    while (p < kHeaderSearch && buffer[p] != byte::ReplyHeader && buffer[p] != 0x00) ++p;
    if (count < kMinimumBlock || buffer[p] != byte::ReplyHeader || buffer[p + 1] != byte::KeyCodeReplyTag)
        return block;

    block.more = buffer[p + 2] == byte::MoreBlocksFollow;
    if (buffer[p + 3] == 0x00) {
        block.kind = KeyCodeBlock::Kind::Empty;
        return block;
    }
    block.kind = KeyCodeBlock::Kind::Codes;
    const std::size_t last = count - 1;  // the closing 00
    for (std::size_t i = p + 3; i + 1 < last; i += 2)
        block.codes.push_back(std::string{static_cast<char>(buffer[i]), static_cast<char>(buffer[i + 1])});
    return block;
}

}  // namespace pelmora::nv
