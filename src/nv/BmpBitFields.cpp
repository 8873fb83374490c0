// 16-bit bitmaps and those whose channels are given by masks.
#include <algorithm>
#include <bit>

#include "nv/BitmapDecoder.h"
#include "nv/BmpCheck.h"

namespace pelmora::nv {

namespace {

constexpr std::uint32_t kRgb = 0, kBitFields = 3;
constexpr std::size_t kMasksAt = 14 + 40;  // after the 40-byte header, or inside a later one
constexpr std::uint32_t kVersion4Header = 108;

struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int width = 0;

    explicit Channel(std::uint32_t m) : mask(m), shift(m ? std::countr_zero(m) : 0), width(std::bit_width(m >> shift)) {}

    // The channel as 8 bits, its top bits: 5 bits 11111 is 248, as every
    // reader the logos were checked with has it.
    std::uint8_t Level(std::uint32_t pixel) const {
        const std::uint32_t v = (pixel & mask) >> shift;
        return static_cast<std::uint8_t>(width >= 8 ? v >> (width - 8) : v << (8 - width));
    }

    // Coverage fills all 8 bits: a set 1-bit alpha is opaque, not half transparent.
    std::uint8_t Coverage(std::uint32_t pixel) const {
        if (width == 0) return 255;
        if (width >= 8) return Level(pixel);
        std::uint32_t out = Level(pixel);
        for (int filled = width; filled < 8; filled *= 2) out |= out >> filled;
        return static_cast<std::uint8_t>(out);
    }
};

std::uint32_t Le32(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

}  // namespace

std::optional<RgbImage> DecodeBmpBitFields(const std::string& bytes) {
    const std::optional<BmpHeader> h = ParseBmpHeader(bytes);
    if (!h || h->core() || h->planes != 1 || h->width <= 0 || h->height == 0) return std::nullopt;
    const bool fields = h->compression == kBitFields && (h->bits == 16 || h->bits == 32);
    if (!fields && !(h->compression == kRgb && h->bits == 16)) return std::nullopt;
    const bool hasAlpha = fields && h->headerSize >= kVersion4Header;
    if (fields && bytes.size() < kMasksAt + (hasAlpha ? 16 : 12)) return std::nullopt;
    const auto* masks = reinterpret_cast<const unsigned char*>(bytes.data()) + kMasksAt;
    const Channel red(fields ? Le32(masks) : 0x7C00), green(fields ? Le32(masks + 4) : 0x03E0),
        blue(fields ? Le32(masks + 8) : 0x001F);
    const Channel alpha(hasAlpha ? Le32(masks + 12) : 0);
    const auto width = static_cast<std::uint32_t>(h->width);
    const bool topDown = h->height < 0;
    const auto height = static_cast<std::uint32_t>(topDown ? -h->height : h->height);
    const std::uint64_t rowBytes = h->rowBytes();
    if (!DecodableSize(width, height) || h->offset + rowBytes * height > bytes.size()) return std::nullopt;

    RgbImage image(width, height);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data()) + h->offset;
    const std::size_t step = h->bits / 8;
    for (std::uint32_t y = 0; y < height; ++y) {
        const unsigned char* src = data + rowBytes * (topDown ? y : height - 1 - y);
        for (std::uint32_t x = 0; x < width; ++x, src += step) {
            const std::uint32_t p = step == 2 ? std::uint32_t{src[0]} | std::uint32_t{src[1]} << 8 : Le32(src);
            const std::uint8_t a = alpha.Coverage(p);
            image.at(x, y) = RgbOverWhite(red.Level(p), green.Level(p), blue.Level(p), a);
        }
    }
    return image;
}

}  // namespace pelmora::nv
