#pragma once
#include <optional>
#include <string>

#include "nv/RgbImage.h"

namespace pelmora::nv {

/// Decodes the uncompressed BMP layouts straight from the file's bytes into
/// rows: 1, 4 and 8 bits through the colour table, 24 and 32 bits, bottom-up
/// and top-down. Nothing for any other layout (run lengths, bit fields,
/// 16 bits), which DecodeBmpRunLengths and DecodeBmpBitFields take. `bytes`
/// must have passed CheckBmpData.
std::optional<RgbImage> DecodeBmpRows(const std::string& bytes);

/// Decodes RLE8 and RLE4 bitmaps (bottom-up, as the format has them). Pixels
/// the stream skips or never reaches take colour 0 of the table. `bytes` must
/// have passed CheckBmpData.
std::optional<RgbImage> DecodeBmpRunLengths(const std::string& bytes);

/// Decodes 16-bit bitmaps (5 bits a channel, or the file's masks) and 32-bit
/// ones with masks; a colour channel of n bits becomes the top n of 8, a wider
/// one keeps its top 8. An alpha mask in a version 4 or 5 header lays the
/// pixels over white, the paper. `bytes` must have passed CheckBmpData.
std::optional<RgbImage> DecodeBmpBitFields(const std::string& bytes);

}  // namespace pelmora::nv
