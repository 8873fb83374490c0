#include "context/RegFileIo.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace pelmora::context {

namespace {

int OpenRetrying(const std::string& name, int flags, mode_t mode = 0) {
    int fd;
    do fd = ::open(name.c_str(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Writes, flushes to disk and closes; a close error counts, as it may report a lost write.
bool WriteFlushClose(int fd, std::string_view bytes) {
    const bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

// The rename itself survives a crash only when the folder is flushed too.
void FlushFolder(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    const int fd = OpenRetrying(folder.string(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;  // the data is written; only its durability after a power cut is weaker
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

FileRead ReadWholeFile(const std::filesystem::path& file, std::string& bytes) {
    bytes.clear();
    const int fd = OpenRetrying(file.string(), O_RDONLY);
    if (fd < 0) return errno == ENOENT ? FileRead::Missing : FileRead::Failed;
    struct stat info {};
    FileRead result = FileRead::Ok;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::size_t>(info.st_size) > kMaxRegFileBytes) {
        result = FileRead::Failed;
    } else {
        // Read to the end rather than trust st_size: the file may be replaced meanwhile.
        char chunk[8192];
        for (;;) {
            const ssize_t got = ::read(fd, chunk, sizeof chunk);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0 || bytes.size() + static_cast<std::size_t>(got) > kMaxRegFileBytes) {
                result = FileRead::Failed;
                break;
            }
            if (got == 0) break;
            bytes.append(chunk, static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    if (result != FileRead::Ok) bytes.clear();
    return result;
}

RegFileLock::RegFileLock(const std::filesystem::path& file) {
    // flock, not fcntl: flock locks belong to the open file, so two stores in
    // one process exclude each other as two processes do.
    fd_ = OpenRetrying(file.string() + ".lock", O_RDWR | O_CREAT, 0666);
    if (fd_ < 0) return;
    int locked;
    do locked = ::flock(fd_, LOCK_EX);
    while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

RegFileLock::~RegFileLock() {
    // The lock file stays: removing it would let a waiter lock a file no one else sees.
    if (fd_ >= 0) ::close(fd_);
}

bool ReplaceFile(const std::filesystem::path& file, std::string_view bytes) {
    // Unique among the threads of this process and, through the pid, among processes;
    // O_EXCL skips a leftover of a crashed writer that had the same pid.
    static std::atomic<unsigned> counter{0};
    const std::string prefix = file.string() + ".tmp." + std::to_string(::getpid()) + '.';
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = prefix + std::to_string(counter++);
        fd = OpenRetrying(temporary, O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    struct stat old {};
    if (::stat(file.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    if (!WriteFlushClose(fd, bytes) || ::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    FlushFolder(file);
    return true;
}

bool KeepDamagedCopy(const std::filesystem::path& file, std::string_view bytes) {
    const std::string base = file.string() + ".bad";
    for (int n = 0; n < 1000; ++n) {
        const std::string name = n == 0 ? base : base + '.' + std::to_string(n);
        const int fd = OpenRetrying(name, O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return false;
        }
        if (WriteFlushClose(fd, bytes)) return true;
        ::unlink(name.c_str());
        return false;
    }
    return false;
}

}  // namespace pelmora::context
