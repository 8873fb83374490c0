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

}  // namespace pelmora::nv
