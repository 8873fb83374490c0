#include "nv/RasterPng.h"

#include <algorithm>

#include <QFile>
#include <QImage>
#include <QSaveFile>

namespace pelmora::nv {

bool WriteRasterPng(const Raster& raster, const std::string& path, std::string& error) {
    const std::size_t rowBytes = (raster.width + 7u) / 8u;
    if (raster.width == 0 || raster.height == 0 || raster.bytes.size() < rowBytes * raster.height) {
        error = "no raster to write to " + path;
        return false;
    }
    QImage png(raster.width, raster.height, QImage::Format_Mono);
    png.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < raster.height; ++y)
        std::copy_n(raster.bytes.begin() + static_cast<std::ptrdiff_t>(y * rowBytes), rowBytes, png.scanLine(y));
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::WriteOnly) || !png.save(&file, "PNG") || !file.commit()) {
        error = "cannot write " + path + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}

}  // namespace pelmora::nv
