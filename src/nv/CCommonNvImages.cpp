// The image side of CCommonNv: items from files, and blocks from items.
#include "nv/CCommonNv.h"
#include "nv/ImageLoader.h"
#include "nv/NvBlocks.h"
#include "nv/RasterConversion.h"

namespace pelmora::nv {

std::optional<NvImageItem> CCommonNv::LoadImageItem(std::uint8_t number, const std::string& path,
                                                    std::int32_t brightness) const {
    const auto bitmap = LoadImageFile(path);
    if (!bitmap) return std::nullopt;
    NvImageItem item;
    item.number = number;
    item.size = EstimateImageSize(bitmap->width, bitmap->height, util_.ModelCode);
    item.name = FileNameOf(path);
    item.path = path;
    item.brightness = brightness;
    return item;
}

std::string CCommonNv::ConversionProblem(const NvImageItem& item) const {
    const auto bitmap = LoadImageFile(item.path);
    if (!bitmap) return "Failed to load image file!";
    return nv::ConversionProblem(bitmap->width, bitmap->height);
}

std::string CCommonNv::BuildStandardBlock(const NvImageItem& item, const std::string& code) {
    return ConvertAndQueue(item, &code);
}

std::string CCommonNv::BuildLegacyBlock(const NvImageItem& item) { return ConvertAndQueue(item, nullptr); }

std::string CCommonNv::ConvertAndQueue(const NvImageItem& item, const std::string* code) {
    if (code && code->size() < 2) return "Address code needs two characters!";
    // The file was loadable when the item was made; it may have gone since.
    const RasterResult converted = RasterFromImageFile(item.path, item.brightness);
    if (!converted.ok()) return converted.error;

    NvDownloadBlock block;
    block.name = item.name;
    block.bytes = code ? RasterDefinitionBlock(converted.raster, static_cast<std::uint8_t>((*code)[0]),
                                               static_cast<std::uint8_t>((*code)[1]))
                       : NumberedImageBlock(converted.raster);
    DownloadQueue.push_back(std::move(block));
    return {};
}

}  // namespace pelmora::nv
