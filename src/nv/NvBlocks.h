#pragma once
#include <cstdint>

#include "nv/NvCommands.h"
#include "nv/RasterConversion.h"

namespace pelmora::nv {

/// GS ( L fn 67: the raster defined under the key code kc1 kc2 (copied
/// unchecked). The raster must be at most kMaxRasterBytes.
Bytes RasterDefinitionBlock(const Raster& raster, std::uint8_t kc1, std::uint8_t kc2);

/// A numbered-image block: 01, width, height, colour 1, raster. It carries no
/// number: the printer numbers the blocks of one download 0, 1, 2...
Bytes NumberedImageBlock(const Raster& raster);

/// Offsets shared by the encoder and the virtual printer's decoder.
inline constexpr std::size_t kRasterDefinitionHead = 16;
inline constexpr std::size_t kNumberedBlockHead = 6;

}  // namespace pelmora::nv
