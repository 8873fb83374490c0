#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "nv/RgbImage.h"

namespace pelmora::nv {

struct Raster;

/// How a picture becomes dots. Pattern is the conversion the windows use (the
/// picture stretched with dark pixels kept, then the brightness pattern);
/// the error-diffusion kinds average the picture down and spread each dot's
/// error to its neighbours, which keeps the shades of a photo.
enum class Dither { Pattern, FloydSteinberg, Atkinson };

/// The names the command line takes, in the order of the enum.
inline constexpr std::array<std::string_view, 3> kDitherNames{"pattern", "floyd-steinberg", "atkinson"};
std::optional<Dither> DitherNamed(std::string_view name);

/// Averages `source` down (or repeats it up) to `width` x `height`, spreads
/// the error by `kind` (not Pattern) and packs the dots. Brightness 0..100
/// lightens the picture by up to half the scale before the dots are chosen.
Raster DiffuseAndPack(const RgbImage& source, std::uint32_t width, std::uint32_t height, Dither kind,
                      std::int32_t brightness);

/// The share of dots that print black, 0..1.
double BlackShare(const Raster& raster);

}  // namespace pelmora::nv
