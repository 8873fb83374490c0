#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pelmora::nv {

/// One key-code reply block is gathered in a buffer of this size.
inline constexpr std::size_t kKeyCodeBlockCapacity = 1024;

/// One decoded block of the key-code list: 37 72 status codes... 00.
struct KeyCodeBlock {
    enum class Kind {
        Bad,    ///< no "7r" header, or fewer than 4 bytes: answer CAN
        Empty,  ///< the printer holds no images
        Codes,
    };
    Kind kind = Kind::Bad;
    bool more = false;               ///< status "A": another block follows
    std::vector<std::string> codes;  ///< two bytes each, in reply order
};

/// Decodes the bytes one block delivered (up to and including its closing 00),
/// read as if from a zero-filled buffer of kKeyCodeBlockCapacity bytes. The
/// header is the first 37 or 00 among the first 250 bytes; junk before it is
/// skipped. An odd byte before the closing 00 is not a code and is dropped.
KeyCodeBlock ParseKeyCodeBlock(std::span<const std::uint8_t> received);

}  // namespace pelmora::nv
