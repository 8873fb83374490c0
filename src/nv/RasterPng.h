#pragma once
#include <string>

#include "nv/RasterConversion.h"

namespace pelmora::nv {

/// Writes a raster as a one-bit PNG, black on white, one pixel a dot. The file
/// is replaced whole or not at all; false with `error` set when it cannot be.
bool WriteRasterPng(const Raster& raster, const std::string& path, std::string& error);

}  // namespace pelmora::nv
