#pragma once
#include <optional>
#include <string>

#include "nv/RgbImage.h"

namespace pelmora::nv {

/// Decodes a BMP file of any depth (palette images through their colour
/// table, RLE included). Nothing when the file is missing, is no regular file,
/// is no BMP or does not hold the pixel data its headers promise. Reads it once.
/// Needs no QGuiApplication.
std::optional<RgbImage> LoadBitmapFile(const std::string& path);

}  // namespace pelmora::nv
