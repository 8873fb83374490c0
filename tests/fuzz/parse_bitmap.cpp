// Any bytes as a .bmp file, loaded and converted as a download would.
#include <string>

#include "HostilePrinter.h"
#include "nv/BitmapLoader.h"
#include "nv/RasterConversion.h"

using namespace pelmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = fuzz::ScratchDir() / "input.bmp";
    fuzz::ResetFile(path, std::string(reinterpret_cast<const char*>(data), size));

    const auto image = nv::LoadBitmapFile(path.string());
    if (!image) return 0;
    fuzz::Check(image->pixels.size() == std::size_t{image->width} * image->height, "pixels do not fill the image");
    const std::int32_t brightness = size ? data[size - 1] % 101 : 0;
    const nv::RasterResult result = nv::ConvertToRaster(*image, brightness);
    if (result.ok()) {
        const nv::Raster& r = result.raster;
        fuzz::Check(r.width > 0 && r.width <= nv::kConversionWidth && r.height > 0, "a raster of no size");
        fuzz::Check(r.bytes.size() == std::size_t{(r.width + 7u) / 8u} * r.height, "raster bytes do not match");
        fuzz::Check(r.bytes.size() <= nv::kMaxRasterBytes, "a raster over the limit");
    }
    return 0;
}
