// Any bytes as an image file of no known name: told apart by content and
// decoded as PNG, JPEG, GIF or BMP, then converted as a download would.
#include <string>

#include "HostilePrinter.h"
#include "nv/ImageLoader.h"
#include "nv/RasterConversion.h"

using namespace pelmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = fuzz::ScratchDir() / "input.image";
    fuzz::ResetFile(path, std::string(reinterpret_cast<const char*>(data), size));

    const auto image = nv::LoadImageFile(path.string());
    if (!image) return 0;
    fuzz::Check(image->width > 0 && image->height > 0, "an image of no size");
    fuzz::Check(image->pixels.size() == std::size_t{image->width} * image->height, "pixels do not fill the image");
    for (const std::uint32_t p : image->pixels) fuzz::Check(p <= 0xFFFFFF, "a pixel beyond 24 bits");
    const auto dither = static_cast<nv::Dither>(size > 1 ? data[size - 2] % nv::kDitherNames.size() : 0);
    const nv::RasterResult result = nv::ConvertToRaster(*image, size ? data[size - 1] % 101 : 0, dither);
    if (result.ok()) fuzz::Check(result.raster.bytes.size() <= nv::kMaxRasterBytes, "a raster over the limit");
    return 0;
}
