#pragma once
#include <optional>

#include <QImage>
#include <QWidget>

#include "nv/RasterConversion.h"
#include "nv/RgbImage.h"

namespace pelmora::ui {

/// The NV manager's preview frame: white, with the current image drawn at its
/// top left, brightened as the slider says, or "As printed" as the one-bit
/// raster a download would send. The file is decoded once per SetPath; a
/// repaint only scales and brightens, from caches where it can.
class NvPreview final : public QWidget {
    Q_OBJECT
public:
    explicit NvPreview(QWidget* parent = nullptr);

    /// An empty path, or a file that no longer loads, shows white.
    void SetPath(const QString& path);
    const QString& path() const { return path_; }
    void SetBrightness(int brightness);
    void SetAsPrinted(bool asPrinted);

    /// What a repaint draws at the top left; null when only white shows.
    QImage Rendered();
    /// The raster the "As printed" preview shows; null when none.
    const nv::Raster* PrintedRaster();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int FrameWidth() const { return contentsRect().width(); }

    QString path_;
    std::optional<nv::RgbImage> bitmap_;
    QImage decoded_;
    int brightness_ = 0;
    bool asPrinted_ = false;

    QImage scaled_;
    int scaledWidth_ = -1;
    QImage colour_;
    int colourBrightness_ = -1;
    std::optional<nv::Raster> raster_;
    int rasterBrightness_ = -1;
    QImage printed_;
    int printedWidth_ = -1;
};

}  // namespace pelmora::ui
