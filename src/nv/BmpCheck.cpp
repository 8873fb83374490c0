#include "nv/BmpCheck.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>

#include "nv/RgbImage.h"

namespace pelmora::nv {

namespace {

constexpr std::size_t kCoreHeader = 12;
constexpr std::size_t kInfoHeader = 40;
// The 40-byte header and the larger ones built on it that the decoder reads as such.
constexpr std::size_t kLaterHeaders[] = {kInfoHeader, 64, 108, 124};
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;
constexpr std::size_t kColoursUsed = 46;

std::uint32_t Le(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

// Walks the RLE stream from `at`; false when it leaves the file, a row or the
// bitmap, or ends before its end mark without having filled every row.
bool RleHeld(const std::string& b, std::size_t at, std::int64_t width, std::int64_t height, bool fourBit) {
    std::int64_t x = 0, y = 0;
    while (at + 2 <= b.size()) {
        const unsigned count = static_cast<unsigned char>(b[at]);
        const unsigned code = static_cast<unsigned char>(b[at + 1]);
        at += 2;
        if (count > 0) {
            x += count;
        } else if (code == 0) {  // end of line
            x = 0;
            ++y;
        } else if (code == 1) {  // end of bitmap
            return true;
        } else if (code == 2) {  // move right and up
            if (at + 2 > b.size()) return false;
            x += static_cast<unsigned char>(b[at]);
            y += static_cast<unsigned char>(b[at + 1]);
            at += 2;
        } else {  // `code` pixels stored literally, padded to a whole 16-bit word
            const std::size_t stored = fourBit ? (code + 1) / 2 : code;
            at += stored + stored % 2;
            if (at > b.size()) return false;
            x += code;
        }
        if (x > width || y > height) return false;
    }
    return y >= height;
}

}  // namespace

std::optional<BmpHeader> ParseBmpHeader(const std::string& b) {
    if (b.size() < 14 + 4 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    BmpHeader h;
    h.offset = Le(b, 10, 4);
    h.headerSize = Le(b, 14, 4);
    if (h.core()) {
        if (b.size() < 14 + kCoreHeader) return std::nullopt;
        h.width = Le(b, 18, 2);
        h.height = Le(b, 20, 2);
        h.planes = Le(b, 22, 2);
        h.bits = Le(b, 24, 2);
        return h;
    }
    if (b.size() < 14 + kInfoHeader) return std::nullopt;
    h.width = static_cast<std::int32_t>(Le(b, 18, 4));
    h.height = static_cast<std::int32_t>(Le(b, 22, 4));
    h.planes = Le(b, 26, 2);
    h.bits = Le(b, 28, 2);
    h.compression = Le(b, 30, 4);
    h.colours = Le(b, kColoursUsed, 4);
    return h;
}

std::optional<BmpPalette> ReadBmpPalette(const std::string& bytes, const BmpHeader& h) {
    const std::uint32_t count = h.colours ? h.colours : 1u << h.bits;
    const std::size_t entry = h.core() ? 3 : 4;
    const std::size_t at = 14 + std::size_t{h.headerSize};
    if (h.bits > 8 || count > (1u << h.bits) || at + count * entry > h.offset || h.offset > bytes.size())
        return std::nullopt;
    BmpPalette palette;
    palette.fill(h.bits == 1 ? 0xFFFFFF : 0x000000);
    const auto* table = reinterpret_cast<const unsigned char*>(bytes.data()) + at;
    for (std::uint32_t i = 0; i < count; ++i, table += entry) palette[i] = Rgb(table[2], table[1], table[0]);
    return palette;
}

bool CheckBmpData(std::string& b) {
    if (b.size() < 14 + 4 || b[0] != 'B' || b[1] != 'M') return true;  // the decoder refuses it
    const std::uint32_t header = Le(b, 14, 4);
    const bool later = std::find(std::begin(kLaterHeaders), std::end(kLaterHeaders), header) != std::end(kLaterHeaders);
    // The decoder would read a header of any other size as the 12-byte one.
    if (header != kCoreHeader && !later) return false;
    const std::optional<BmpHeader> h = ParseBmpHeader(b);
    if (!h) return true;
    if (!h->core() && h->bits >= 1 && h->bits <= 8 && h->colours > (1u << h->bits))
        for (std::size_t i = 0; i < 4; ++i) b[kColoursUsed + i] = 0;  // 0: as many as the depth indexes
    const std::uint32_t offset = h->offset;
    const std::int64_t width = h->width, height = std::llabs(h->height);
    const std::uint32_t compression = h->compression;
    if (offset > b.size()) return false;
    if (width <= 0 || height <= 0) return true;  // nothing to hold; the decoder refuses it
    switch (compression) {
    case kRgb:
    case kBitFields:
    case kAlphaBitFields: {
        return h->rowBytes() * static_cast<std::uint64_t>(height) <= b.size() - offset;
    }
    case kRle8: return RleHeld(b, offset, width, height, false);
    case kRle4: return RleHeld(b, offset, width, height, true);
    default: return true;
    }
}

}  // namespace pelmora::nv
