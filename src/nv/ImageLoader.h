#pragma once
#include <optional>
#include <string>
#include <vector>

#include "nv/RasterConversion.h"
#include "nv/RgbImage.h"

namespace pelmora::nv {

/// Decodes a BMP, PNG, JPEG or GIF file, told apart by content. Files named
/// *.bmp, and BMP content under any name, go through LoadBitmapFile and its
/// checks. Transparent pixels are laid over white, the paper's colour. Nothing
/// when the file is missing or holds no whole image of these formats.
std::optional<RgbImage> LoadImageFile(const std::string& path);

/// Why LoadImageFile failed on `path` when the fault is this system's rather
/// than the file's: the library of its format cannot be loaded, named with
/// what to install. "" otherwise.
std::string ImageLibraryProblem(const std::string& path);

/// The raster `nv download` sends for an image file: LoadImageFile, then
/// ConvertToRaster. The error is "Failed to load image file!" when the file
/// does not load, else the conversion's.
RasterResult RasterFromImageFile(const std::string& path, std::int32_t brightness, Dither dither = Dither::Pattern);

/// The name patterns of the formats LoadImageFile reads: "*.bmp", "*.png", ...
std::vector<std::string> ImageFilePatterns();

}  // namespace pelmora::nv
