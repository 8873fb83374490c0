#include "link/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>

namespace pelmora::link {

namespace {

std::atomic<FileWriteCall> g_write{nullptr};

std::string Reason(int error) { return std::generic_category().message(error); }

int OpenRetrying(const std::string& name, int flags, mode_t mode = 0) {
    int fd;
    do fd = ::open(name.c_str(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

std::string WriteEvery(int fd, std::string_view bytes) {
    const FileWriteCall write = g_write.load();
    while (!bytes.empty()) {
        const ssize_t written = write ? write(fd, bytes.data(), bytes.size()) : ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return Reason(errno);
        if (written == 0) return Reason(ENOSPC);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// A close error counts: it may report a write the disk could not take.
std::string WriteFlushClose(int fd, std::string_view bytes) {
    std::string why = WriteEvery(fd, bytes);
    if (why.empty() && ::fsync(fd) != 0) why = Reason(errno);
    if (::close(fd) != 0 && why.empty()) why = Reason(errno);
    return why;
}

// The rename itself survives a power cut only when the folder is flushed too.
void FlushFolder(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    const int fd = OpenRetrying(folder.string(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;  // the data is written; only its durability after a power cut is weaker
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string TemporaryPrefix(const std::filesystem::path& file) { return file.string() + ".tmp."; }

std::string ReplaceFile(const std::filesystem::path& file, std::string_view bytes, mode_t mode) {
    // Unique among the threads of this process and, through the pid, among
    // processes; O_EXCL skips a leftover of a crashed writer with the same pid.
    static std::atomic<unsigned> counter{0};
    const std::string prefix = TemporaryPrefix(file) + std::to_string(::getpid()) + '.';
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = prefix + std::to_string(counter++);
        fd = OpenRetrying(temporary, O_WRONLY | O_CREAT | O_EXCL, mode);
        if (fd < 0 && errno != EEXIST) return "cannot create " + temporary + ": " + Reason(errno);
    }
    if (fd < 0) return "cannot create a temporary file " + prefix + "N";
    struct stat old {};
    if (::stat(file.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    std::string why = WriteFlushClose(fd, bytes);
    if (why.empty() && ::rename(temporary.c_str(), file.c_str()) != 0) why = Reason(errno);
    if (!why.empty()) {
        ::unlink(temporary.c_str());
        return why;
    }
    FlushFolder(file);
    return {};
}

void SetFileWriteCallForTest(FileWriteCall call) { g_write = call; }

}  // namespace pelmora::link
