#include "nv/RasterConversion.h"

namespace pelmora::nv {

namespace {

constexpr DitherTable kDitherMatrix{{
    {16, 8, 14, 6},
    {12, 4, 10, 2},
    {13, 5, 15, 7},
    {9, 1, 11, 3},
}};

bool IsDark(std::uint32_t rgb) {
    return ((rgb >> 16) & 0xFF) < kWhiteLimit || ((rgb >> 8) & 0xFF) < kWhiteLimit ||
           (rgb & 0xFF) < kWhiteLimit;
}

/// For every target index, the first source index that falls onto it; one
/// more entry closes the last range. On enlargement a range is one source index.
std::vector<std::uint32_t> SourceStarts(std::uint32_t source, std::uint32_t target) {
    std::vector<std::uint32_t> starts(std::size_t{target} + 1);
    if (target <= source) {
        // first x with floor(x * target / source) == t is ceil(t * source / target)
        for (std::uint32_t t = 0; t <= target; ++t)
            starts[t] = static_cast<std::uint32_t>((std::uint64_t{t} * source + target - 1) / target);
    } else {
        for (std::uint32_t t = 0; t < target; ++t)
            starts[t] = static_cast<std::uint32_t>(std::uint64_t{t} * source / target);
        starts[target] = source;
    }
    return starts;
}

std::uint32_t RangeEnd(const std::vector<std::uint32_t>& starts, std::uint32_t t, bool enlarging) {
    return enlarging ? starts[t] + 1 : starts[t + 1];
}

}  // namespace

Size ConversionSize(std::uint32_t width, std::uint32_t height) {
    const std::uint32_t w = width > kConversionWidth ? kConversionWidth : width;
    const auto h = static_cast<std::uint32_t>(std::uint64_t{height} * w / width);
    return {w, h};
}

RgbImage StretchAnd(const RgbImage& source, Size target) {
    RgbImage out(target.width, target.height, 0);
    if (target.width == 0 || target.height == 0 || source.width == 0 || source.height == 0) return out;
    const auto cols = SourceStarts(source.width, target.width);
    const auto rows = SourceStarts(source.height, target.height);
    const bool widen = target.width > source.width;
    const bool heighten = target.height > source.height;

    for (std::uint32_t ty = 0; ty < target.height; ++ty) {
        std::uint32_t* dst = &out.pixels[std::size_t{ty} * target.width];
        for (std::uint32_t tx = 0; tx < target.width; ++tx) dst[tx] = 0xFFFFFF;
        const std::uint32_t yEnd = RangeEnd(rows, ty, heighten);
        for (std::uint32_t sy = rows[ty]; sy < yEnd; ++sy) {
            const std::uint32_t* src = &source.pixels[std::size_t{sy} * source.width];
            for (std::uint32_t tx = 0; tx < target.width; ++tx) {
                std::uint32_t acc = dst[tx];
                const std::uint32_t xEnd = RangeEnd(cols, tx, widen);
                for (std::uint32_t sx = cols[tx]; sx < xEnd; ++sx) acc &= src[sx];
                dst[tx] = acc;
            }
        }
    }
    return out;
}

DitherTable DitherFor(std::int32_t brightness) {
    DitherTable table = kDitherMatrix;
    // Computed in double and kept in single precision, so that the cut between
    // brightness 6 (0.96) and 7 (1.12) falls where the stored settings expect it.
    const auto threshold = static_cast<float>(brightness * 16.0 / 100.0);
    for (auto& row : table)
        for (auto& entry : row)
            if (static_cast<float>(entry) < threshold) entry = 0;
    return table;
}

Raster ThresholdAndPack(const RgbImage& image, std::int32_t brightness) {
    Raster raster;
    raster.width = static_cast<std::uint16_t>(image.width);
    raster.height = static_cast<std::uint16_t>(image.height);
    const std::size_t rowBytes = (std::size_t{image.width} + 7) / 8;
    raster.bytes.assign(rowBytes * image.height, 0);

    const bool dither = UsesDither(brightness);
    const DitherTable table = DitherFor(brightness);
    for (std::uint32_t y = 0; y < image.height; ++y) {
        const std::uint32_t* src = &image.pixels[std::size_t{y} * image.width];
        std::uint8_t* row = &raster.bytes[y * rowBytes];
        for (std::uint32_t x = 0; x < image.width; ++x) {
            if (dither && table[x % 4][y % 4] == 0) continue;
            if (IsDark(src[x])) row[x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
        }
    }
    return raster;
}

std::string ConversionProblem(std::uint32_t width, std::uint32_t height) {
    if (width == 0 || height == 0) return "Image file has no pixels!";
    const Size size = ConversionSize(width, height);
    if (size.height == 0)
        return "Image is too flat: no row is left at " + std::to_string(size.width) + " dots wide!";
    const std::uint64_t rasterBytes = (std::uint64_t{size.width} + 7) / 8 * size.height;
    if (rasterBytes > kMaxRasterBytes)
        return "Image is too large for one NV image: " + std::to_string(rasterBytes) + " bytes of raster, at most " +
               std::to_string(kMaxRasterBytes) + " (at most 1365 rows at 384 dots)!";
    return {};
}

RasterResult ConvertToRaster(const RgbImage& bitmap, std::int32_t brightness) {
    RasterResult result;
    result.error = ConversionProblem(bitmap.width, bitmap.height);
    if (!result.ok()) return result;
    const Size size = ConversionSize(bitmap.width, bitmap.height);
    if (size.width == bitmap.width && size.height == bitmap.height) {
        result.raster = ThresholdAndPack(bitmap, brightness);
    } else {
        result.raster = ThresholdAndPack(StretchAnd(bitmap, size), brightness);
    }
    return result;
}

}  // namespace pelmora::nv
