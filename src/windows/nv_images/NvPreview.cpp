#include "windows/nv_images/NvPreview.h"

#include <memory>

#include <QFile>
#include <QPainter>

#include "nv/ImageLoader.h"
#include "windows/nv_images/NvPreviewImage.h"

namespace pelmora::ui {

NvPreview::NvPreview(QWidget* parent) : QWidget(parent) {
    setObjectName("preview");
    setMinimumSize(240, 300);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

/// What the worker hands back: the file's pixels, as drawn, and scaled for the frame.
struct NvPreview::Decoded {
    std::optional<nv::RgbImage> bitmap;
    QImage image;
    QImage scaled;
    int scaledWidth = -1;
};

void NvPreview::SetPath(const QString& path) {
    path_ = path;
    ++generation_;
    if (path.isEmpty()) {
        Forget();
        update();
    } else if (!decoding_) {
        StartDecoding();
    }  // else the running decode ends stale and starts this one
}

void NvPreview::StartDecoding() {
    decoding_ = true;
    const std::string file = QFile::encodeName(path_).toStdString();
    const int width = FrameWidth();
    const std::uint64_t generation = generation_;
    const Decoder decoder = decoder_ ? decoder_ : Decoder(nv::LoadImageFile);
    worker_.Run([this, decoder, file, width, generation] {
        auto decoded = std::make_shared<Decoded>();
        decoded->bitmap = decoder(file);
        if (decoded->bitmap) {
            decoded->image = ToQImage(*decoded->bitmap);
            decoded->scaled = ScaledPreview(decoded->image, width);
            decoded->scaledWidth = width;
        }
        queue_.Post([this, generation, decoded] { Arrived(generation, *decoded); });
    });
}

void NvPreview::Arrived(std::uint64_t generation, Decoded& decoded) {
    decoding_ = false;
    if (generation != generation_) {
        // The selection moved on while this file was decoded.
        if (!path_.isEmpty()) StartDecoding();
        return;
    }
    Forget();
    bitmap_ = std::move(decoded.bitmap);
    decoded_ = std::move(decoded.image);
    scaled_ = std::move(decoded.scaled);
    scaledWidth_ = decoded.scaledWidth;
    update();
}

void NvPreview::Forget() {
    bitmap_.reset();
    decoded_ = QImage();
    scaledWidth_ = colourBrightness_ = rasterBrightness_ = printedWidth_ = -1;
    raster_.reset();
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
