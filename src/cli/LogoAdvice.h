#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>

#include "nv/RasterConversion.h"

namespace pelmora::cli {

/// Above this share of black dots a logo prints as a block.
inline constexpr double kMostlyBlack = 0.7;
/// Shrunk more than this many times, thin lines and small text vanish.
inline constexpr double kShrunkTooFar = 2.0;

/// Warns on `err` when the dots made of `path` (a picture `sourceWidth` wide)
/// are mostly black or were shrunk more than twice, and says what to try.
void AdviseOnLogo(std::ostream& err, const std::string& path, std::uint32_t sourceWidth, const nv::Raster& raster,
                  nv::Dither dither);

}  // namespace pelmora::cli
