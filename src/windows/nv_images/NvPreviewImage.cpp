#include "windows/nv_images/NvPreviewImage.h"

#include <algorithm>
#include <array>

#include "nv/NvPreviewRules.h"

namespace pelmora::ui {

QImage ToQImage(const nv::RgbImage& image) {
    QImage out(static_cast<int>(image.width), static_cast<int>(image.height), QImage::Format_RGB32);
    for (std::uint32_t y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(static_cast<int>(y)));
        const std::uint32_t* source = image.pixels.data() + std::size_t{y} * image.width;
        for (std::uint32_t x = 0; x < image.width; ++x) line[x] = 0xFF000000u | source[x];
    }
    return out;
}

QImage ScaledPreview(const QImage& decoded, int frameWidth) {
    if (decoded.isNull() || frameWidth <= 0) return {};
    const nv::Size size = nv::PreviewDrawSize(static_cast<std::uint32_t>(frameWidth),
                                              static_cast<std::uint32_t>(decoded.width()),
                                              static_cast<std::uint32_t>(decoded.height()));
    if (size.width == 0 || size.height == 0) return {};
    return decoded.scaled(static_cast<int>(size.width), static_cast<int>(size.height), Qt::IgnoreAspectRatio,
                          Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QImage Brightened(const QImage& scaled, int brightness) {
    const int offset = nv::PreviewBrightnessOffset(brightness);
    if (scaled.isNull() || offset == 0) return scaled;
    std::array<std::uint8_t, 256> lift{};
    for (int v = 0; v < 256; ++v) lift[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(std::min(255, v + offset));
    QImage out = scaled.copy();
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgb(lift[static_cast<std::size_t>(qRed(p))], lift[static_cast<std::size_t>(qGreen(p))],
                           lift[static_cast<std::size_t>(qBlue(p))]);
        }
    }
    return out;
}

QImage PrintedPreview(const nv::Raster& raster, int frameWidth) {
    const std::size_t rowBytes = (raster.width + 7u) / 8u;
    if (raster.width == 0 || raster.height == 0 || frameWidth <= 0 || raster.bytes.size() < rowBytes * raster.height)
        return {};
    QImage dots(raster.width, raster.height, QImage::Format_Mono);
    dots.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < raster.height; ++y)
        std::copy_n(raster.bytes.begin() + static_cast<std::ptrdiff_t>(y * rowBytes), rowBytes, dots.scanLine(y));
    const nv::Size size = nv::PrintedDrawSize(static_cast<std::uint32_t>(frameWidth), raster.width, raster.height);
    if (size.width == 0 || size.height == 0) return {};
    // Nearest dots: the operator sees the printed pattern, not a blur of it.
    return dots.scaled(static_cast<int>(size.width), static_cast<int>(size.height), Qt::IgnoreAspectRatio,
                       Qt::FastTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace pelmora::ui
