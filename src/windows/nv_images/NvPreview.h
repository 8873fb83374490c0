#pragma once
#include <functional>
#include <optional>
#include <string>

#include <QImage>
#include <QWidget>

#include "nv/RasterConversion.h"
#include "nv/RgbImage.h"
#include "ui/UiThreadQueue.h"
#include "ui/WorkerThread.h"

namespace pelmora::ui {

/// The NV manager's preview frame: white, with the current image drawn at its
/// top left, brightened as the slider says, or "As printed" as the one-bit
/// raster a download would send. The file is decoded once per SetPath, on a
/// worker thread, and scaled there for the frame; until it arrives the
/// previous picture stays. A repaint only brightens, from caches where it can.
class NvPreview final : public QWidget {
    Q_OBJECT
public:
    using Decoder = std::function<std::optional<nv::RgbImage>(const std::string& path)>;

    explicit NvPreview(QWidget* parent = nullptr);

    /// An empty path shows white at once; a file that no longer loads shows
    /// white when its decoding ends.
    void SetPath(const QString& path);
    const QString& path() const { return path_; }
    /// Whether a file is being decoded.
    bool Loading() const { return decoding_; }
    /// Replaces the file decoder (runs on the worker thread).
    void SetDecoder(Decoder decoder) { decoder_ = std::move(decoder); }
    void SetBrightness(int brightness);
    void SetAsPrinted(bool asPrinted);

    /// What a repaint draws at the top left; null when only white shows.
    QImage Rendered();
    /// The raster the "As printed" preview shows; null when none.
    const nv::Raster* PrintedRaster();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Decoded;
    int FrameWidth() const { return contentsRect().width(); }
    void StartDecoding();
    void Arrived(std::uint64_t generation, Decoded& decoded);
    void Forget();

    QString path_;
    std::uint64_t generation_ = 0;
    bool decoding_ = false;
    Decoder decoder_;
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

    UiThreadQueue queue_;
    WorkerThread worker_;  // last: joined before the queue it posts to goes
};

}  // namespace pelmora::ui
