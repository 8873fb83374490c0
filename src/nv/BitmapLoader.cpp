#include "nv/BitmapLoader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "nv/BitmapDecoder.h"
#include "nv/BmpCheck.h"

namespace pelmora::nv {

namespace {

// Far beyond any logo the printer can hold; a larger file is not one.
constexpr std::size_t kMaxBitmapBytes = 64u << 20;

// The whole file in one buffer of the size it has; nothing for a missing
// file, a folder, a FIFO or a device (opened without blocking, so a FIFO with
// no writer cannot hang us). A file that grows while it is read is refused.
std::optional<std::string> ReadRegularFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) <= kMaxBitmapBytes) {
        bytes.emplace(static_cast<std::size_t>(info.st_size) + 1, '\0');
        std::size_t filled = 0;
        for (;;) {
            const ssize_t got = ::read(fd, bytes->data() + filled, bytes->size() - filled);
            if (got == 0) break;
            if (got > 0) filled += static_cast<std::size_t>(got);
            if (got < 0 || filled == bytes->size()) {
                bytes.reset();
                break;
            }
        }
        if (bytes) bytes->resize(filled);
    }
    ::close(fd);
    return bytes;
}

}  // namespace

std::optional<RgbImage> LoadBitmapFile(const std::string& path) {
    std::optional<std::string> bytes = ReadRegularFile(path);
    if (!bytes || !CheckBmpData(*bytes)) return std::nullopt;
    if (std::optional<RgbImage> image = DecodeBmpRows(*bytes)) return image;
    return DecodeBmpWithReader(*bytes);
}

}  // namespace pelmora::nv
