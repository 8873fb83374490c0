#pragma once
#include <string>

#include "nv/RasterConversion.h"

namespace pelmora::nv {

/// `raster` as a one-bit palette PNG (index 0 paper, 1 a dot), by the
/// system's PNG library: libpng here (PngEncoder.cpp), the Windows Imaging
/// Component on Windows. Its bytes are already checked against its size.
/// Empty when the library fails.
std::string EncodeRasterPng(const Raster& raster);

}  // namespace pelmora::nv
