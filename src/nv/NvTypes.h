#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "nv/Dither.h"
#include "nv/RgbImage.h"

namespace pelmora::nv {

/// What every front end says when an image file cannot be decoded.
inline constexpr const char* kImageLoadFailed = "Failed to load image file!";

/// Largest total of the estimated sizes of the image list, in bytes.
inline constexpr std::uint32_t NvMemoryLimit = 262144;
/// The catalogue keeps image001..image254, so the list never holds more.
inline constexpr std::size_t kMaxImageItems = 254;

/// One bitmap file the operator wants stored in the printer.
struct NvImageItem {
    std::uint8_t number = 0;     ///< 1-based position in the list
    std::uint32_t size = 0;      ///< estimated NV size in bytes
    std::string name;            ///< file name without its folders
    std::string path;
    std::int32_t brightness = 0; ///< 0..100; 0 thresholds without the dither matrix
    Dither dither = Dither::Pattern;  ///< the windows' conversion unless the command line chose another
    /// The file as decoded when the item was made, when the engine keeps
    /// pictures (NvEngine::KeepDecodedPictures); null otherwise.
    std::shared_ptr<const RgbImage> bitmap;
};

/// One prepared download unit: header and raster, ready to send.
struct NvDownloadBlock {
    std::string name;  ///< the item's file name, for progress captions
    std::vector<std::uint8_t> bytes;
    std::uint32_t length() const { return static_cast<std::uint32_t>(bytes.size()); }
};

/// Jobs of the NV progress window.
enum class NvJob : std::int32_t {
    ReadAddresses = 1000,
    DeleteImage = 1001,
    DeleteAllImages = 1002,
    DownloadImages = 1003,
    PrintAllImages = 1004,
    PrintImage = 1005,
};

}  // namespace pelmora::nv
