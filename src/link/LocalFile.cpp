#include "link/LocalFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace pelmora::link {

namespace {

std::string Reason(int error) { return std::generic_category().message(error); }

std::string TooLarge(std::size_t limit) {
    constexpr std::size_t kMiB = 1u << 20;
    if (limit >= kMiB && limit % kMiB == 0) return "larger than " + std::to_string(limit / kMiB) + " MiB";
    return "larger than " + std::to_string(limit) + " bytes";
}

// What a non-regular file is, for a message.
std::string Kind(mode_t mode) {
    if (S_ISDIR(mode)) return Reason(EISDIR);
    if (S_ISFIFO(mode)) return "it is a FIFO";
    if (S_ISSOCK(mode)) return "it is a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device";
    return "it is not a regular file";
}

}  // namespace

FileRead ReadLocalFile(const std::string& path, std::size_t limit, std::string& bytes, std::string* why, Pipes pipes) {
    bytes.clear();
    const auto fail = [&](const std::string& reason) {
        bytes.clear();
        if (why) *why = reason;
        return FileRead::Failed;
    };
    int fd;
    do fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (errno == ENOENT) return FileRead::Missing;
        return fail(Reason(errno));
    }
    struct stat info {};
    std::string problem;
    const std::string tooLarge = TooLarge(limit);
    if (::fstat(fd, &info) != 0) problem = Reason(errno);
    else if (S_ISFIFO(info.st_mode) && pipes == Pipes::Read) ::fcntl(fd, F_SETFL, 0);  // a pipe's writer is waited for
    else if (!S_ISREG(info.st_mode)) problem = Kind(info.st_mode);
    else if (static_cast<std::size_t>(info.st_size) > limit) problem = tooLarge;
    // Read straight into a buffer of the size fstat gives (images are read on
    // every slider move), but to the end rather than trust st_size: the file
    // may grow meanwhile. One byte over the limit is enough to refuse it.
    std::size_t filled = 0;
    if (problem.empty())
        bytes.resize(std::min(S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) + 1 : 65536, limit + 1));
    while (problem.empty()) {
        if (filled == bytes.size()) bytes.resize(std::min(bytes.size() * 2, limit + 1));
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) problem = Reason(errno);
        else if (got == 0) break;
        else if ((filled += static_cast<std::size_t>(got)) > limit) problem = tooLarge;
    }
    bytes.resize(filled);
    ::close(fd);
    if (!problem.empty()) return fail(problem);
    if (why) why->clear();
    return FileRead::Ok;
}

std::string OutputProblem(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) return {};
        return Reason(errno);
    }
    return S_ISREG(info.st_mode) ? std::string() : Kind(info.st_mode);
}

std::string WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return Reason(errno);
        if (written == 0) return Reason(ENOSPC);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

std::FILE* OpenPrivateOutput(const std::string& path, std::string& why) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0600);
    // An older file keeps its mode on open; what passes the link is the owner's only.
    if (fd < 0 || ::fchmod(fd, 0600) != 0) {
        why = Reason(errno);
        if (fd >= 0) ::close(fd);
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, "w");
    if (!file) {
        why = Reason(errno);
        ::close(fd);
    }
    return file;
}

Claim ClaimNewFile(const std::string& path, std::string& why) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return Claim::Claimed;
    }
    if (errno == EEXIST) return Claim::Exists;
    why = Reason(errno);
    return Claim::Failed;
}

}  // namespace pelmora::link
