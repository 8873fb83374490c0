#pragma once
#include <string>

#include "nv/RasterConversion.h"

namespace pelmora::nv {

/// A raster as a one-bit PNG, black on white, one pixel a dot; empty when the
/// raster holds fewer bytes than its size says.
std::string RasterPngBytes(const Raster& raster);

/// Writes RasterPngBytes to `path`, which must be a regular file or a new one
/// (a link is followed). The file is replaced whole or not at all; false with
/// `error` set when it cannot be.
bool WriteRasterPng(const Raster& raster, const std::string& path, std::string& error);

}  // namespace pelmora::nv
