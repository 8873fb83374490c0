#pragma once
#include <optional>
#include <string>

#include "nv/RgbImage.h"

namespace pelmora::nv {

// The formats LoadImageFile reads besides BMP, each from a whole file's bytes.
// Transparent pixels come out laid over white. Nothing when the bytes are not
// a whole picture of that format, or when it would take more than
// kMaxDecodedBytes, or when the format's library is missing; the libraries'
// complaints are never printed. Through libpng, libjpeg and giflib here, the
// Windows Imaging Component on Windows (win32/WicCodecs.cpp), as
// src/nv/CMakeLists.txt chooses.

/// Every PNG colour type and depth; 16-bit channels are rounded to 8 bits.
/// No gamma or colour profile is applied: the levels are the file's.
std::optional<RgbImage> DecodePng(const std::string& bytes);

/// Baseline and progressive JPEG, grey, colour and (Adobe) CMYK, turned as
/// its EXIF orientation says. A file cut short is refused, not padded.
std::optional<RgbImage> DecodeJpeg(const std::string& bytes);

/// The first frame of a GIF on its logical screen. A frame cut short is refused.
std::optional<RgbImage> DecodeGif(const std::string& bytes);

/// Why the decoder above (and EncodeRasterPng, for PNG) can work on no file
/// here: its library cannot be loaded or is too old, named with what to
/// install. "" when it loads; always "" on Windows.
std::string PngLibraryProblem();
std::string JpegLibraryProblem();
std::string GifLibraryProblem();

}  // namespace pelmora::nv
