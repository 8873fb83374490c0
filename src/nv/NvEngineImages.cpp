// The image side of NvEngine: items from files, and blocks from items.
#include "nv/NvEngine.h"
#include "nv/ImageLoader.h"
#include "nv/NvBlocks.h"
#include "nv/RasterConversion.h"

namespace pelmora::nv {

namespace {

// The picture the item was made from; the file again only for an item made without one.
std::shared_ptr<const RgbImage> BitmapOf(const NvImageItem& item) {
    if (item.bitmap) return item.bitmap;
    auto loaded = LoadImageFile(item.path);
    return loaded ? std::make_shared<const RgbImage>(std::move(*loaded)) : nullptr;
}

}  // namespace

std::optional<NvImageItem> NvEngine::LoadImageItem(std::uint8_t number, const std::string& path,
                                                    std::int32_t brightness) const {
    auto bitmap = LoadImageFile(path);
    if (!bitmap) return std::nullopt;
    NvImageItem item;
    item.number = number;
    item.size = EstimateImageSize(bitmap->width, bitmap->height, util_.modelCode());
    item.name = FileNameOf(path);
    item.path = path;
    item.brightness = brightness;
    if (keepDecodedPictures_) item.bitmap = std::make_shared<const RgbImage>(std::move(*bitmap));
    return item;
}

std::string NvEngine::ConversionProblem(const NvImageItem& item) const {
    const auto bitmap = BitmapOf(item);
    if (!bitmap) return kImageLoadFailed;
    return nv::ConversionProblem(bitmap->width, bitmap->height);
}

std::string NvEngine::BuildStandardBlock(const NvImageItem& item, const std::string& code) {
    return ConvertAndQueue(item, &code);
}

std::string NvEngine::BuildLegacyBlock(const NvImageItem& item) { return ConvertAndQueue(item, nullptr); }

std::string NvEngine::ConvertAndQueue(const NvImageItem& item, const std::string* code) {
    if (code && code->size() < 2) return "Address code needs two characters!";
    const auto bitmap = BitmapOf(item);
    if (!bitmap) return kImageLoadFailed;
    const RasterResult converted = ConvertToRaster(*bitmap, item.brightness, item.dither);
    if (!converted.ok()) return converted.error;

    NvDownloadBlock block;
    block.name = item.name;
    block.bytes = code ? RasterDefinitionBlock(converted.raster, static_cast<std::uint8_t>((*code)[0]),
                                               static_cast<std::uint8_t>((*code)[1]))
                       : NumberedImageBlock(converted.raster);
    downloadQueue_.push_back(std::move(block));
    return {};
}

}  // namespace pelmora::nv
