#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace pelmora::nv {

/// The fields of a BMP file's headers that the check and the decoders use.
struct BmpHeader {
    std::uint32_t offset = 0;       ///< where the pixel data starts
    std::uint32_t headerSize = 0;   ///< 12 for the oldest header, else 40, 64, 108 or 124
    std::int64_t width = 0;
    std::int64_t height = 0;        ///< negative: rows stored top-down (40-byte and later headers)
    std::uint32_t planes = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;  ///< 0 none, 1 RLE8, 2 RLE4, 3 and 6 bit fields
    std::uint32_t colours = 0;      ///< colour table entries given; 0 for as many as the depth indexes

    bool core() const { return headerSize == 12; }
    /// Bytes of one stored row of an uncompressed bitmap, padded to 32 bits.
    std::uint64_t rowBytes() const { return (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4; }
};

/// A colour table as 0x00RRGGBB, one entry for every index a depth can hold.
using BmpPalette = std::array<std::uint32_t, 256>;

/// The colour table of a 1, 4 or 8-bit bitmap. Entries past the table's end
/// are black for the 4 and 8-bit depths and white for the 1-bit one, as the
/// windows' toolkit reads them. Nothing when the table is longer than the
/// depth indexes or runs into the pixels.
std::optional<BmpPalette> ReadBmpPalette(const std::string& bytes, const BmpHeader& h);

/// The headers of a BMP file; nothing when the bytes are too short for them
/// or do not start with "BM". Heights of the 12-byte header are read unsigned.
std::optional<BmpHeader> ParseBmpHeader(const std::string& bytes);

/// Whether the bytes of a BMP file hold all the pixel data its headers
/// promise: the pixel offset lies inside the file, every row of an
/// uncompressed bitmap is there, and an RLE stream stays inside the file and
/// the bitmap and ends. A decoder would otherwise fill what is missing and the
/// printer would store a picture the file does not hold. Also lowers a colour
/// count above what the depth can index to the depth's own (the extra entries
/// can never be used), so the decoder reads the table without complaint.
/// A header of a size other than 12, 40, 64, 108 or 124 bytes is refused (the
/// decoder would read it as the 12-byte one); a file too short for its header
/// is left to the decoder, which refuses it.
bool CheckBmpData(std::string& bytes);

}  // namespace pelmora::nv
