#include "ui/NvPreview.h"

#include <QFile>
#include <QPainter>

#include "nv/ImageLoader.h"
#include "ui/NvPreviewImage.h"

namespace pelmora::ui {

NvPreview::NvPreview(QWidget* parent) : QWidget(parent) {
    setObjectName("preview");
    setMinimumSize(240, 300);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void NvPreview::SetPath(const QString& path) {
    path_ = path;
    bitmap_.reset();
    decoded_ = QImage();
    if (!path.isEmpty()) bitmap_ = nv::LoadImageFile(QFile::encodeName(path).toStdString());
    if (bitmap_) decoded_ = ToQImage(*bitmap_);
    scaledWidth_ = colourBrightness_ = rasterBrightness_ = printedWidth_ = -1;
    raster_.reset();
    update();
}

void NvPreview::SetBrightness(int brightness) {
    if (brightness == brightness_) return;
    brightness_ = brightness;
    update();
}

void NvPreview::SetAsPrinted(bool asPrinted) {
    if (asPrinted == asPrinted_) return;
    asPrinted_ = asPrinted;
    update();
}

const nv::Raster* NvPreview::PrintedRaster() {
    if (!bitmap_) return nullptr;
    if (rasterBrightness_ != brightness_) {
        nv::RasterResult converted = nv::ConvertToRaster(*bitmap_, brightness_);
        raster_ = converted.ok() ? std::optional<nv::Raster>(std::move(converted.raster)) : std::nullopt;
        rasterBrightness_ = brightness_;
        printedWidth_ = -1;
    }
    return raster_ ? &*raster_ : nullptr;
}

QImage NvPreview::Rendered() {
    if (decoded_.isNull()) return {};
    const int width = FrameWidth();
    if (asPrinted_) {
        const nv::Raster* raster = PrintedRaster();
        if (!raster) return {};
        if (printedWidth_ != width) {
            printed_ = PrintedPreview(*raster, width);
            printedWidth_ = width;
        }
        return printed_;
    }
    if (scaledWidth_ != width) {
        scaled_ = ScaledPreview(decoded_, width);
        scaledWidth_ = width;
        colourBrightness_ = -1;
    }
    if (colourBrightness_ != brightness_) {
        colour_ = Brightened(scaled_, brightness_);
        colourBrightness_ = brightness_;
    }
    return colour_;
}

void NvPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = contentsRect();
    painter.fillRect(frame, Qt::white);
    const QImage image = Rendered();
    if (!image.isNull()) {
        painter.setClipRect(frame);
        painter.drawImage(frame.topLeft(), image);
    }
}

}  // namespace pelmora::ui
