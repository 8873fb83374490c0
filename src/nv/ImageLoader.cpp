#include "nv/ImageLoader.h"

#include <cctype>
#include <filesystem>

#include "link/LocalFile.h"
#include "nv/BitmapLoader.h"
#include "nv/ImageDecoders.h"
#include "nv/NvTypes.h"

namespace pelmora::nv {

namespace {

// Far beyond any logo the printer can hold; a larger file is not one.
constexpr std::size_t kMaxImageFileBytes = 64u << 20;

struct Format {
    std::string_view magic;
    std::optional<RgbImage> (*decode)(const std::string&);
    std::string (*libraryProblem)();
    std::vector<std::string_view> patterns;
};

// Recognised by content, never by name: a PNG saved as logo.jpg loads.
const Format kFormats[] = {
    {"\x89PNG\r\n\x1a\n", DecodePng, PngLibraryProblem, {"*.png"}},
    {"\xFF\xD8\xFF", DecodeJpeg, JpegLibraryProblem, {"*.jpg", "*.jpeg"}},
    {"GIF87a", DecodeGif, GifLibraryProblem, {"*.gif"}},
    {"GIF89a", DecodeGif, GifLibraryProblem, {}},
};
constexpr std::string_view kBmpMagic = "BM";

bool HasBmpSuffix(const std::string& path) {
    const std::string suffix = std::filesystem::path(path).extension().string();
    return suffix.size() == 4 && suffix[0] == '.' && std::tolower(static_cast<unsigned char>(suffix[1])) == 'b' &&
           std::tolower(static_cast<unsigned char>(suffix[2])) == 'm' &&
           std::tolower(static_cast<unsigned char>(suffix[3])) == 'p';
}

}  // namespace

std::optional<RgbImage> LoadImageFile(const std::string& path) {
    if (HasBmpSuffix(path)) return LoadBitmapFile(path);

    // Read here, by the name's own bytes (not every name is UTF-8), without
    // blocking and with a bound, so the decoders see a buffer, never a FIFO or
    // a device.
    std::string bytes;
    if (link::ReadLocalFile(path, kMaxImageFileBytes, bytes) != link::FileRead::Ok) return std::nullopt;
    if (bytes.starts_with(kBmpMagic)) return LoadBitmapFile(path);
    for (const Format& format : kFormats)
        if (bytes.starts_with(format.magic)) return format.decode(bytes);
    return std::nullopt;
}

std::string ImageLibraryProblem(const std::string& path) {
    if (HasBmpSuffix(path)) return {};  // read as BMP, whatever it holds
    std::string bytes;
    if (link::ReadLocalFile(path, kMaxImageFileBytes, bytes) != link::FileRead::Ok) return {};
    for (const Format& format : kFormats)
        if (bytes.starts_with(format.magic)) return format.libraryProblem();
    return {};
}

RasterResult RasterFromImageFile(const std::string& path, std::int32_t brightness, Dither dither) {
    const auto image = LoadImageFile(path);
    if (!image) return {{}, kImageLoadFailed};
    return ConvertToRaster(*image, brightness, dither);
}

std::vector<std::string> ImageFilePatterns() {
    std::vector<std::string> patterns{"*.bmp"};
    for (const Format& format : kFormats) patterns.insert(patterns.end(), format.patterns.begin(), format.patterns.end());
    return patterns;
}

}  // namespace pelmora::nv
