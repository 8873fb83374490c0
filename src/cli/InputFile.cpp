#include "cli/InputFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "cli/CliContext.h"

namespace pelmora::cli {

std::string ReadInputFile(const std::string& path, std::size_t limit) {
    const auto failed = [&path](const std::string& why) { return UsageError{"cannot read '" + path + "': " + why}; };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw failed(std::generic_category().message(errno));
    std::string bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            throw failed(std::generic_category().message(error));
        }
        if (got == 0) break;
        // Stop at the limit rather than read an endless stream to its end.
        if (bytes.size() + static_cast<std::size_t>(got) > limit) {
            ::close(fd);
            throw failed("larger than " + std::to_string(limit) + " bytes");
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

}  // namespace pelmora::cli
