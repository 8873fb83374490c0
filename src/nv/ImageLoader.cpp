#include "nv/ImageLoader.h"

#include <cctype>
#include <filesystem>
#include <mutex>

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include "link/LocalFile.h"
#include "nv/BitmapLoader.h"
#include "nv/NvTypes.h"

namespace pelmora::nv {

namespace {

// Formats whose reader draws with fonts: without a QGuiApplication (the
// command line has none) that aborts the program, so they are not offered.
bool NeedsFonts(const QByteArray& format) { return format == "svg" || format == "svgz"; }

// The decoders report a broken file on stderr ("libpng error: ...") besides
// failing; the caller says "Failed to load image file!" and nothing else.
class QuietDecoders {
public:
    QuietDecoders() : lock_(mutex_), previous_(qInstallMessageHandler(Drop)) {}
    ~QuietDecoders() { qInstallMessageHandler(previous_); }
    QuietDecoders(const QuietDecoders&) = delete;
    QuietDecoders& operator=(const QuietDecoders&) = delete;

private:
    static void Drop(QtMsgType, const QMessageLogContext&, const QString&) {}
    static inline std::mutex mutex_;
    std::lock_guard<std::mutex> lock_;
    QtMessageHandler previous_;
};

std::uint8_t OverWhite(int channel, int alpha) {
    return static_cast<std::uint8_t>((channel * alpha + 255 * (255 - alpha) + 127) / 255);
}

// Far beyond any logo the printer can hold; a larger file is not one.
constexpr std::size_t kMaxImageFileBytes = 64u << 20;

bool HasBmpSuffix(const std::string& path) {
    const std::string suffix = std::filesystem::path(path).extension().string();
    return suffix.size() == 4 && suffix[0] == '.' && std::tolower(static_cast<unsigned char>(suffix[1])) == 'b' &&
           std::tolower(static_cast<unsigned char>(suffix[2])) == 'm' &&
           std::tolower(static_cast<unsigned char>(suffix[3])) == 'p';
}

RgbImage FromQImage(const QImage& decoded) {
    const QImage argb = decoded.convertToFormat(QImage::Format_ARGB32);
    RgbImage image(static_cast<std::uint32_t>(argb.width()), static_cast<std::uint32_t>(argb.height()));
    for (std::uint32_t y = 0; y < image.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(static_cast<int>(y)));
        for (std::uint32_t x = 0; x < image.width; ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            image.at(x, y) = Rgb(OverWhite(qRed(p), a), OverWhite(qGreen(p), a), OverWhite(qBlue(p), a));
        }
    }
    return image;
}

}  // namespace

std::optional<RgbImage> LoadImageFile(const std::string& path) {
    if (HasBmpSuffix(path)) return LoadBitmapFile(path);

    // Read here, by the name's own bytes (not every name is UTF-8), without
    // blocking and with a bound, so the decoders see a buffer, never a FIFO or
    // a device.
    std::string bytes;
    if (link::ReadLocalFile(path, kMaxImageFileBytes, bytes) != link::FileRead::Ok) return std::nullopt;
    QByteArray data = QByteArray::fromStdString(bytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QByteArray format;
    QImage decoded;
    {
        QuietDecoders quiet;
        QImageReader reader(&buffer);
        reader.setDecideFormatFromContent(true);
        format = reader.format();
        if (format.isEmpty() || NeedsFonts(format)) return std::nullopt;
        // A photo taken on its side shows upright in every viewer; print it so too.
        reader.setAutoTransform(true);
        if (format != "bmp") decoded = reader.read();
    }
    if (format == "bmp") return LoadBitmapFile(path);
    if (decoded.isNull() || decoded.width() <= 0 || decoded.height() <= 0) return std::nullopt;
    return FromQImage(decoded);
}

RasterResult RasterFromImageFile(const std::string& path, std::int32_t brightness) {
    const auto image = LoadImageFile(path);
    if (!image) return {{}, kImageLoadFailed};
    return ConvertToRaster(*image, brightness);
}

std::vector<std::string> ImageFilePatterns() {
    std::vector<std::string> patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        if (!NeedsFonts(format)) patterns.push_back("*." + format.toLower().toStdString());
    return patterns;
}

}  // namespace pelmora::nv
