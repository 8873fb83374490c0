#include "nv/NvBlocks.h"

namespace pelmora::nv {

namespace {
void PutLe16(Bytes& bytes, std::uint32_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}
}  // namespace

Bytes RasterDefinitionBlock(const Raster& raster, std::uint8_t kc1, std::uint8_t kc2) {
    Bytes bytes{byte::GS, byte::OpenParen, byte::L};
    bytes.reserve(kRasterDefinitionHead + raster.bytes.size());
    PutLe16(bytes, static_cast<std::uint32_t>(11 + raster.bytes.size()));
    for (std::uint8_t b : {byte::m48, byte::FnDefineRaster, std::uint8_t{0x30} /* monochrome */, kc1, kc2,
                           std::uint8_t{0x01} /* one colour plane */})
        bytes.push_back(b);
    PutLe16(bytes, raster.width);
    PutLe16(bytes, raster.height);
    bytes.push_back(byte::Colour1);
    bytes.insert(bytes.end(), raster.bytes.begin(), raster.bytes.end());
    return bytes;
}

Bytes NumberedImageBlock(const Raster& raster) {
    Bytes bytes{byte::NumberedBlockMarker};
    bytes.reserve(kNumberedBlockHead + raster.bytes.size());
    PutLe16(bytes, raster.width);
    PutLe16(bytes, raster.height);
    bytes.push_back(byte::Colour1);
    bytes.insert(bytes.end(), raster.bytes.begin(), raster.bytes.end());
    return bytes;
}

}  // namespace pelmora::nv
