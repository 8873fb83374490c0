#include "nv/BitmapDecoder.h"

#include "nv/BmpCheck.h"

namespace pelmora::nv {

namespace {

// Compilers make this one load on little-endian machines.
std::uint32_t Load32(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

void Row24(const unsigned char* src, std::uint32_t* out, std::uint32_t width) {
    std::uint32_t x = 0;
    // Four pixels from three words.
    for (; x + 4 <= width; x += 4, src += 12) {
        const std::uint32_t a = Load32(src), b = Load32(src + 4), c = Load32(src + 8);
        out[x] = a & 0xFFFFFF;
        out[x + 1] = (a >> 24 | b << 8) & 0xFFFFFF;
        out[x + 2] = (b >> 16 | c << 16) & 0xFFFFFF;
        out[x + 3] = c >> 8;
    }
    for (; x < width; ++x, src += 3) out[x] = Rgb(src[2], src[1], src[0]);
}

void Row32(const unsigned char* src, std::uint32_t* out, std::uint32_t width) {
    for (std::uint32_t x = 0; x < width; ++x) out[x] = Load32(src + 4 * std::size_t{x}) & 0xFFFFFF;
}

void RowIndexed(const unsigned char* src, std::uint32_t* out, std::uint32_t width, std::uint32_t bits,
                const BmpPalette& palette) {
    switch (bits) {
    case 8:
        for (std::uint32_t x = 0; x < width; ++x) out[x] = palette[src[x]];
        break;
    case 4:
        for (std::uint32_t x = 0; x < width; ++x) out[x] = palette[(src[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F];
        break;
    default:
        for (std::uint32_t x = 0; x < width; ++x) out[x] = palette[(src[x / 8] >> (7 - x % 8)) & 1];
        break;
    }
}

}  // namespace

std::optional<RgbImage> DecodeBmpRows(const std::string& bytes) {
    const std::optional<BmpHeader> h = ParseBmpHeader(bytes);
    if (!h || h->compression != 0 || h->planes != 1 || h->width <= 0 || h->height == 0) return std::nullopt;
    // The reader takes the oldest header's sizes as signed 16-bit numbers.
    if (h->core() && (h->width > 0x7FFF || h->height > 0x7FFF)) return std::nullopt;
    const bool indexed = h->bits == 1 || h->bits == 4 || h->bits == 8;
    if (!indexed && h->bits != 24 && h->bits != 32) return std::nullopt;
    const auto width = static_cast<std::uint32_t>(h->width);
    const bool topDown = h->height < 0;
    const auto height = static_cast<std::uint32_t>(topDown ? -h->height : h->height);
    if (!DecodableSize(width, height)) return std::nullopt;
    const std::uint64_t rowBytes = h->rowBytes();
    if (h->offset < 14 + std::uint64_t{h->headerSize} || h->offset + rowBytes * height > bytes.size())
        return std::nullopt;
    std::optional<BmpPalette> palette;
    if (indexed && !(palette = ReadBmpPalette(bytes, *h))) return std::nullopt;

    RgbImage image(width, height);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data()) + h->offset;
    for (std::uint32_t y = 0; y < height; ++y) {
        const unsigned char* src = data + rowBytes * (topDown ? y : height - 1 - y);
        std::uint32_t* out = image.pixels.data() + std::size_t{y} * width;
        if (h->bits == 24) Row24(src, out, width);
        else if (h->bits == 32) Row32(src, out, width);
        else RowIndexed(src, out, width, h->bits, *palette);
    }
    return image;
}

}  // namespace pelmora::nv
