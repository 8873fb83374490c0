#pragma once
#include <string>

namespace pelmora::nv {

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
