// RLE8 and RLE4 bitmaps: runs of one index, literal stretches, line ends and jumps.
#include "nv/BitmapDecoder.h"
#include "nv/BmpCheck.h"

namespace pelmora::nv {

namespace {

constexpr std::uint32_t kRle8 = 1, kRle4 = 2;

// Index `i` of a run or literal: RLE4 alternates the high and low nibble.
std::uint8_t Nibble(std::uint8_t byte, std::uint32_t i, bool fourBit) {
    if (!fourBit) return byte;
    return i % 2 ? byte & 0x0F : byte >> 4;
}

// Walks the stream into `indexes` (row 0 is the bottom row, as stored).
// CheckBmpData has seen it stay inside the file; the bitmap's edges are
// still kept here, so no stream can write outside it.
void Expand(const std::string& b, std::size_t at, std::uint32_t width, std::uint32_t height, bool fourBit,
            std::vector<std::uint8_t>& indexes) {
    const auto byte = [&b](std::size_t i) { return static_cast<std::uint8_t>(b[i]); };
    std::uint64_t x = 0, y = 0;
    const auto put = [&](std::uint8_t index) {
        if (x < width && y < height) indexes[y * width + x] = index;
        ++x;
    };
    while (at + 2 <= b.size() && y < height) {
        const std::uint8_t count = byte(at), code = byte(at + 1);
        at += 2;
        if (count > 0) {
            for (std::uint32_t i = 0; i < count; ++i) put(Nibble(code, i, fourBit));
        } else if (code == 0) {
            x = 0;
            ++y;
        } else if (code == 1) {
            return;
        } else if (code == 2) {
            if (at + 2 > b.size()) return;
            x += byte(at);
            y += byte(at + 1);
            at += 2;
        } else {
            const std::size_t stored = fourBit ? (code + 1u) / 2u : code;
            if (at + stored > b.size()) return;
            for (std::uint32_t i = 0; i < code; ++i) put(Nibble(byte(at + (fourBit ? i / 2 : i)), i, fourBit));
            at += stored + stored % 2;
        }
    }
}

}  // namespace

std::optional<RgbImage> DecodeBmpRunLengths(const std::string& bytes) {
    const std::optional<BmpHeader> h = ParseBmpHeader(bytes);
    if (!h || h->core() || h->planes != 1 || h->width <= 0 || h->height <= 0) return std::nullopt;
    const bool fourBit = h->compression == kRle4;
    if (!(fourBit ? h->bits == 4 : h->compression == kRle8 && h->bits == 8)) return std::nullopt;
    const auto width = static_cast<std::uint32_t>(h->width), height = static_cast<std::uint32_t>(h->height);
    if (!DecodableSize(width, height) || h->offset > bytes.size()) return std::nullopt;
    const std::optional<BmpPalette> palette = ReadBmpPalette(bytes, *h);
    if (!palette) return std::nullopt;

    std::vector<std::uint8_t> indexes(std::size_t{width} * height, 0);
    Expand(bytes, h->offset, width, height, fourBit, indexes);
    RgbImage image(width, height);
    for (std::uint32_t y = 0; y < height; ++y) {
        const std::uint8_t* row = indexes.data() + std::size_t{height - 1 - y} * width;
        for (std::uint32_t x = 0; x < width; ++x) image.at(x, y) = (*palette)[row[x]];
    }
    return image;
}

}  // namespace pelmora::nv
