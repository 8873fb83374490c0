#pragma once
#include <optional>
#include <string>

#include "nv/RgbImage.h"

namespace pelmora::nv {

/// Decoded pixels are held four bytes each; a BMP that would take more is
/// refused, however small its file (a run-length file of a few bytes can
/// promise billions of pixels).
inline constexpr std::uint64_t kMaxDecodedBytes = 256u << 20;

/// Decodes the uncompressed BMP layouts straight from the file's bytes into
/// rows: 1, 4 and 8 bits through the colour table, 24 and 32 bits, bottom-up
/// and top-down. Nothing for any other layout (run lengths, bit fields,
/// 16 bits, unusual tables), which DecodeBmpWithReader takes. `bytes` must
/// have passed CheckBmpData.
std::optional<RgbImage> DecodeBmpRows(const std::string& bytes);

/// Decodes a BMP file's bytes with the image reader: every layout it knows.
/// Nothing when it refuses them.
std::optional<RgbImage> DecodeBmpWithReader(const std::string& bytes);

}  // namespace pelmora::nv
