#pragma once
#include <cstdint>
#include <vector>

namespace pelmora::nv {

/// A bitmap as 0x00RRGGBB pixels, row by row from the top, no padding.
struct RgbImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint32_t> pixels;

    RgbImage() = default;
    RgbImage(std::uint32_t w, std::uint32_t h, std::uint32_t fill = 0xFFFFFF)
        : width(w), height(h), pixels(std::size_t{w} * h, fill) {}

    std::uint32_t& at(std::uint32_t x, std::uint32_t y) { return pixels[std::size_t{y} * width + x]; }
    std::uint32_t at(std::uint32_t x, std::uint32_t y) const { return pixels[std::size_t{y} * width + x]; }
};

constexpr std::uint32_t Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
}

/// A pixel with coverage `alpha` (0 clear, 255 opaque) laid over white, the paper's colour.
constexpr std::uint32_t RgbOverWhite(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t alpha) {
    auto over = [alpha](std::uint32_t c) { return (c * alpha + 255u * (255u - alpha) + 127u) / 255u; };
    return over(r) << 16 | over(g) << 8 | over(b);
}

/// Decoded pixels are held four bytes each; a file that would take more is
/// refused, however small it is (a few compressed bytes can promise billions
/// of pixels). The bound the image reader of the windows' toolkit kept.
inline constexpr std::uint64_t kMaxDecodedBytes = 256u << 20;

/// Whether a picture of this size may be decoded: not empty and within kMaxDecodedBytes.
constexpr bool DecodableSize(std::uint64_t width, std::uint64_t height) {
    return width > 0 && height > 0 && width <= kMaxDecodedBytes && width * height * 4 <= kMaxDecodedBytes;
}

}  // namespace pelmora::nv
