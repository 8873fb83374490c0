#include "nv/BitmapLoader.h"

#include <cstring>

#include <QFile>
#include <QImage>
#include <QImageReader>

namespace pelmora::nv {

std::optional<RgbImage> LoadBitmapFile(const std::string& path) {
    // Opened here so that a missing file fails quietly instead of through Qt's warnings.
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;

    // Only BMP, like the platform loader the catalogues were written for: a PNG
    // renamed .bmp is refused rather than accepted on one system and not another.
    QImageReader reader(&file, "bmp");
    reader.setAutoDetectImageFormat(false);
    const QImage decoded = reader.read();
    if (decoded.isNull() || decoded.width() <= 0 || decoded.height() <= 0) return std::nullopt;

    const QImage rgb = decoded.convertToFormat(QImage::Format_RGB32);
    RgbImage image(static_cast<std::uint32_t>(rgb.width()), static_cast<std::uint32_t>(rgb.height()));
    for (std::uint32_t y = 0; y < image.height; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(static_cast<int>(y)));
        std::uint32_t* out = &image.pixels[std::size_t{y} * image.width];
        for (std::uint32_t x = 0; x < image.width; ++x) out[x] = line[x] & 0xFFFFFFu;
    }
    return image;
}

}  // namespace pelmora::nv
