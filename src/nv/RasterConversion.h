#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "nv/Dither.h"
#include "nv/RgbImage.h"

namespace pelmora::nv {

/// Conversion width limit for every printer, in dots.
inline constexpr std::uint32_t kConversionWidth = 384;
/// A channel value at or above this is light; a pixel is white only when all three are.
inline constexpr std::uint8_t kWhiteLimit = 226;
/// The raster definition's 16-bit length field holds 11 + raster bytes.
inline constexpr std::uint32_t kMaxRasterBytes = 65524;

/// A one-bit raster: rows of ceil(width / 8) bytes, top row first, leftmost
/// dot in the most significant bit, a set bit printing black.
struct Raster {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::vector<std::uint8_t> bytes;
};

/// A raster, or the reason there is none.
struct RasterResult {
    Raster raster;
    std::string error;
    bool ok() const { return error.empty(); }
};

struct Size {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

/// w' = 384 when w > 384, else w; h' = h x w' div w. `width` must be non-zero.
Size ConversionSize(std::uint32_t width, std::uint32_t height);

/// Stretches `source` to `target` like a plain copy in the platform's default
/// mode: each source pixel falls onto target pixel floor(x * w' / w) (rows
/// likewise) and, when several fall onto one, their colours are ANDed so dark
/// pixels survive; on enlargement pixels repeat.
RgbImage StretchAnd(const RgbImage& source, Size target);

/// The dither matrix for a brightness, indexed [x mod 4][y mod 4], with the
/// entries below brightness x 16 / 100 (single precision) cleared. Used only
/// when `UsesDither`: brightness 0 or less thresholds without it.
using DitherTable = std::array<std::array<std::uint8_t, 4>, 4>;
DitherTable DitherFor(std::int32_t brightness);
inline bool UsesDither(std::int32_t brightness) { return brightness > 0; }

/// Thresholds and packs an image that already has its final size.
Raster ThresholdAndPack(const RgbImage& image, std::int32_t brightness);

/// Why a w x h bitmap cannot become one raster (no pixels, no row left after
/// scaling, more than kMaxRasterBytes); empty when it can.
std::string ConversionProblem(std::uint32_t width, std::uint32_t height);

/// The whole conversion of a decoded bitmap. Refuses (with a message) a
/// bitmap without pixels, one whose scaled height is 0, and a raster over
/// kMaxRasterBytes.
RasterResult ConvertToRaster(const RgbImage& bitmap, std::int32_t brightness, Dither dither = Dither::Pattern);

}  // namespace pelmora::nv
