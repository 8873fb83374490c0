#include "nv/BitmapLoader.h"

#include "link/LocalFile.h"
#include "nv/BitmapDecoder.h"
#include "nv/BmpCheck.h"

namespace pelmora::nv {

namespace {

// Far beyond any logo the printer can hold; a larger file is not one.
constexpr std::size_t kMaxBitmapBytes = 64u << 20;

}  // namespace

std::optional<RgbImage> LoadBitmapFile(const std::string& path) {
    std::string bytes;
    if (link::ReadLocalFile(path, kMaxBitmapBytes, bytes) != link::FileRead::Ok || !CheckBmpData(bytes))
        return std::nullopt;
    if (std::optional<RgbImage> image = DecodeBmpRows(bytes)) return image;
    if (std::optional<RgbImage> image = DecodeBmpRunLengths(bytes)) return image;
    return DecodeBmpBitFields(bytes);
}

}  // namespace pelmora::nv
