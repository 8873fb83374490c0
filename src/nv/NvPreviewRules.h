#pragma once
#include <cstdint>
#include <vector>

#include "nv/RasterConversion.h"

namespace pelmora::nv {

/// The manager's preview of a w x h bitmap in a frame `frameWidth` wide: a
/// bitmap narrower than the frame is drawn frameWidth x w / 384 wide (as the
/// printer's 384 dots would place it), a wider one fills the frame; the height
/// follows in proportion. Zero sizes give zero.
Size PreviewDrawSize(std::uint32_t frameWidth, std::uint32_t width, std::uint32_t height);

/// The "As printed" preview of a raster: 384 dots span the frame.
Size PrintedDrawSize(std::uint32_t frameWidth, std::uint32_t rasterWidth, std::uint32_t rasterHeight);

/// What the preview adds to every colour channel at a slider position 0..100
/// (the sum is limited to 255).
std::uint8_t PreviewBrightnessOffset(std::int32_t position);

/// The number the current image list entry has after the entries numbered
/// `removed` went and the rest were renumbered; -1 when it went itself or
/// there was none.
std::int32_t NumberAfterRemoval(std::int32_t current, const std::vector<std::int32_t>& removed);

}  // namespace pelmora::nv
