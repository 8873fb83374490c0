#pragma once
#include <cstdint>
#include <string_view>

#include "nv/RgbImage.h"

namespace pelmora::nv {

/// The orientation tag (1 to 8) of an EXIF block as a JPEG's APP1 segment
/// holds it ("Exif\0\0", then a TIFF header); 1, upright, when it has none or
/// cannot be read.
int ExifOrientation(std::string_view app1);

/// `image` turned and mirrored so that a picture stored with `orientation`
/// shows upright; 5 to 8 swap width and height.
RgbImage Oriented(const RgbImage& image, int orientation);

}  // namespace pelmora::nv
