#include "nv/RasterConversion.h"

#include <algorithm>
#include <cstring>

namespace pelmora::nv {

namespace {

constexpr DitherTable kDitherMatrix{{
    {16, 8, 14, 6},
    {12, 4, 10, 2},
    {13, 5, 15, 7},
    {9, 1, 11, 3},
}};

// Non-zero when a channel is below the white limit, in a few operations that
// vectorise: with n = 255 - channel, the channel is dark when n >= 256 - limit,
// and then n + (limit - 128) has bit 7 set. A byte of 128 or more has it set
// already and is the only one that can carry into the next.
static_assert(kWhiteLimit > 128);
constexpr std::uint32_t kDarkAdd = 0x010101u * (kWhiteLimit - 128u);
constexpr std::uint32_t DarkBits(std::uint32_t rgb) {
    const std::uint32_t n = ~rgb & 0xFFFFFFu;
    return ((n + kDarkAdd) | n) & 0x808080u;
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

    // The source rows of one target row ANDed first, whole rows at a time; then across.
    std::vector<std::uint32_t> band(source.width);
    for (std::uint32_t ty = 0; ty < target.height; ++ty) {
        const std::uint32_t yEnd = RangeEnd(rows, ty, heighten);
        const std::uint32_t* first = &source.pixels[std::size_t{rows[ty]} * source.width];
        std::copy(first, first + source.width, band.begin());
        for (std::uint32_t sy = rows[ty] + 1; sy < yEnd; ++sy) {
            const std::uint32_t* src = &source.pixels[std::size_t{sy} * source.width];
            for (std::uint32_t sx = 0; sx < source.width; ++sx) band[sx] &= src[sx];
        }
        std::uint32_t* dst = &out.pixels[std::size_t{ty} * target.width];
        for (std::uint32_t tx = 0; tx < target.width; ++tx) {
            std::uint32_t acc = 0xFFFFFF;
            const std::uint32_t xEnd = RangeEnd(cols, tx, widen);
            for (std::uint32_t sx = cols[tx]; sx < xEnd; ++sx) acc &= band[sx];
            dst[tx] = acc;
        }
    }
    return out;
}

DitherTable DitherFor(std::int32_t brightness) {
    DitherTable table = kDitherMatrix;
    // The stored settings expect the cut at brightness x 16 / 100 in single
    // precision, between 6 (0.96) and 7 (1.12). That value is a whole number
    // only when it is exact (brightness a multiple of 25) and is otherwise at
    // least 0.04 from one, so the comparison in whole numbers is the same.
    for (auto& row : table)
        for (auto& entry : row)
            if (std::int64_t{entry} * 100 < std::int64_t{brightness} * 16) entry = 0;
    return table;
}

Raster ThresholdAndPack(const RgbImage& image, std::int32_t brightness) {
    Raster raster;
    raster.width = static_cast<std::uint16_t>(image.width);
    raster.height = static_cast<std::uint16_t>(image.height);
    const std::size_t rowBytes = (std::size_t{image.width} + 7) / 8;
    raster.bytes.assign(rowBytes * image.height, 0);
    if (image.width == 0) return raster;

    // For each row of the matrix, every dot's bit in its byte, or 0 where the
    // matrix clears it; the dots past the width stay 0.
    const bool dither = UsesDither(brightness);
    const DitherTable table = DitherFor(brightness);
    const std::size_t span = rowBytes * 8;
    std::vector<std::uint8_t> bits(4 * span, 0), dots(span, 0);
    for (std::size_t phase = 0; phase < 4; ++phase)
        for (std::size_t x = 0; x < image.width; ++x)
            if (!dither || table[x % 4][phase] != 0) bits[phase * span + x] = static_cast<std::uint8_t>(0x80u >> (x % 8));

    const std::uint32_t width = image.width;
    for (std::uint32_t y = 0; y < image.height; ++y) {
        const std::uint32_t* src = &image.pixels[std::size_t{y} * width];
        const std::uint8_t* bit = &bits[(y % 4) * span];
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint32_t dark = DarkBits(src[x]);
            const std::uint32_t any = ((dark | dark >> 8 | dark >> 16) >> 7) & 1;  // without a branch
            dots[x] = static_cast<std::uint8_t>(bit[x] & (0u - any));
        }
        // Each byte's eight dots hold distinct bits: OR them together.
        std::uint8_t* row = &raster.bytes[y * rowBytes];
        for (std::size_t i = 0; i < rowBytes; ++i) {
            std::uint64_t eight;
            std::memcpy(&eight, &dots[i * 8], sizeof eight);
            eight |= eight >> 32;
            eight |= eight >> 16;
            eight |= eight >> 8;
            row[i] = static_cast<std::uint8_t>(eight);
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

RasterResult ConvertToRaster(const RgbImage& bitmap, std::int32_t brightness, Dither dither) {
    RasterResult result;
    result.error = ConversionProblem(bitmap.width, bitmap.height);
    if (!result.ok()) return result;
    const Size size = ConversionSize(bitmap.width, bitmap.height);
    if (dither != Dither::Pattern) {
        result.raster = DiffuseAndPack(bitmap, size.width, size.height, dither, brightness);
    } else if (size.width == bitmap.width && size.height == bitmap.height) {
        result.raster = ThresholdAndPack(bitmap, brightness);
    } else {
        result.raster = ThresholdAndPack(StretchAnd(bitmap, size), brightness);
    }
    return result;
}

}  // namespace pelmora::nv
