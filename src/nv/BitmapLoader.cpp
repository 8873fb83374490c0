#include "nv/BitmapLoader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include "nv/BmpCheck.h"

namespace pelmora::nv {

namespace {

// Far beyond any logo the printer can hold; a larger file is not one.
constexpr std::size_t kMaxBitmapBytes = 64u << 20;

// The whole file, read once; nothing for a missing file, a folder, a FIFO or
// a device (opened without blocking, so a FIFO with no writer cannot hang us).
std::optional<std::string> ReadRegularFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) <= kMaxBitmapBytes) {
        bytes.emplace();
        char chunk[65536];
        for (;;) {
            const ssize_t got = ::read(fd, chunk, sizeof chunk);
            if (got == 0) break;
            if (got < 0 || bytes->size() + static_cast<std::size_t>(got) > kMaxBitmapBytes) {
                bytes.reset();
                break;
            }
            bytes->append(chunk, static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    return bytes;
}

}  // namespace

std::optional<RgbImage> LoadBitmapFile(const std::string& path) {
    std::optional<std::string> bytes = ReadRegularFile(path);
    if (!bytes || !CheckBmpData(*bytes)) return std::nullopt;

    // Only BMP, like the platform loader the catalogues were written for: a PNG
    // renamed .bmp is refused rather than accepted on one system and not another.
    QByteArray data = QByteArray::fromStdString(*bytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
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
