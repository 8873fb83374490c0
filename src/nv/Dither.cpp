#include "nv/Dither.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "nv/RasterConversion.h"

namespace pelmora::nv {

namespace {

// Luminance 0..255 (ITU-R BT.601 weights, in whole numbers).
int Luma(std::uint32_t rgb) {
    const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return (299 * r + 587 * g + 114 * b + 500) / 1000;
}

// Source columns (or rows) [first, last) that fall onto target index t.
std::pair<std::uint32_t, std::uint32_t> Span(std::uint32_t t, std::uint32_t source, std::uint32_t target) {
    const std::uint32_t first = static_cast<std::uint32_t>(std::uint64_t{t} * source / target);
    const std::uint32_t last = static_cast<std::uint32_t>(std::uint64_t{t + 1} * source / target);
    return {first, std::max(last, first + 1)};
}

// The picture's luminance at the target size, each target pixel the mean of
// the source pixels it covers: thin dark lines shade their cell instead of
// blackening it, as a photo wants.
std::vector<int> AveragedLuma(const RgbImage& source, std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint64_t> sum(width, 0);
    std::vector<std::uint32_t> count(width, 0);
    std::vector<int> out(std::size_t{width} * height);
    for (std::uint32_t ty = 0; ty < height; ++ty) {
        std::fill(sum.begin(), sum.end(), 0);
        std::fill(count.begin(), count.end(), 0);
        const auto [y0, y1] = Span(ty, source.height, height);
        for (std::uint32_t tx = 0; tx < width; ++tx) {
            const auto [x0, x1] = Span(tx, source.width, width);
            for (std::uint32_t sy = y0; sy < y1; ++sy)
                for (std::uint32_t sx = x0; sx < x1; ++sx) sum[tx] += static_cast<std::uint64_t>(Luma(source.at(sx, sy)));
            count[tx] = (x1 - x0) * (y1 - y0);
        }
        for (std::uint32_t tx = 0; tx < width; ++tx)
            out[std::size_t{ty} * width + tx] = static_cast<int>(sum[tx] / count[tx]);
    }
    return out;
}

struct Spread {
    int dx, dy, share;
};
constexpr Spread kFloydSteinberg[] = {{1, 0, 7}, {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}};
constexpr int kFloydSteinbergWhole = 16;
// Atkinson passes on only six eighths of the error: highlights and shadows stay clean.
constexpr Spread kAtkinson[] = {{1, 0, 1}, {2, 0, 1}, {-1, 1, 1}, {0, 1, 1}, {1, 1, 1}, {0, 2, 1}};
constexpr int kAtkinsonWhole = 8;

}  // namespace

std::optional<Dither> DitherNamed(std::string_view name) {
    for (std::size_t i = 0; i < kDitherNames.size(); ++i)
        if (kDitherNames[i] == name) return static_cast<Dither>(i);
    return std::nullopt;
}

Raster DiffuseAndPack(const RgbImage& source, std::uint32_t width, std::uint32_t height, Dither kind,
                      std::int32_t brightness) {
    Raster raster;
    raster.width = static_cast<std::uint16_t>(width);
    raster.height = static_cast<std::uint16_t>(height);
    const std::size_t rowBytes = (std::size_t{width} + 7) / 8;
    raster.bytes.assign(rowBytes * height, 0);
    if (width == 0 || height == 0 || source.width == 0 || source.height == 0) return raster;

    std::vector<int> level = AveragedLuma(source, width, height);
    const int lift = std::clamp(brightness, 0, 100) * 128 / 100;
    for (int& v : level) v = std::min(255, v + lift);

    const bool atkinson = kind == Dither::Atkinson;
    const Spread* spread = atkinson ? kAtkinson : kFloydSteinberg;
    const std::size_t spreads = atkinson ? std::size(kAtkinson) : std::size(kFloydSteinberg);
    const int whole = atkinson ? kAtkinsonWhole : kFloydSteinbergWhole;
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const int old = level[std::size_t{y} * width + x];
            const bool black = old < 128;
            const int error = old - (black ? 0 : 255);
            if (black) raster.bytes[y * rowBytes + x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
            for (std::size_t i = 0; i < spreads; ++i) {
                const std::int64_t nx = std::int64_t{x} + spread[i].dx, ny = std::int64_t{y} + spread[i].dy;
                if (nx < 0 || nx >= width || ny >= height) continue;
                level[static_cast<std::size_t>(ny) * width + static_cast<std::size_t>(nx)] += error * spread[i].share / whole;
            }
        }
    }
    return raster;
}

double BlackShare(const Raster& raster) {
    if (raster.width == 0 || raster.height == 0) return 0;
    std::uint64_t black = 0;
    for (const std::uint8_t byte : raster.bytes) black += static_cast<std::uint64_t>(std::popcount(byte));
    return static_cast<double>(black) / (static_cast<double>(raster.width) * raster.height);
}

}  // namespace pelmora::nv
