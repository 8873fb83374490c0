#include "context/RegFileIo.h"

#include "link/AtomicFile.h"
#include "link/LocalFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <string>
#include <system_error>

namespace pelmora::context {

namespace {

std::string Reason(int error) { return std::generic_category().message(error); }

int OpenRetrying(const std::string& name, int flags, mode_t mode = 0) {
    int fd;
    do fd = ::open(name.c_str(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// The pid in "PID.N", or 0 when the tail is not of that form.
pid_t WriterOf(std::string_view tail) {
    const auto dot = tail.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == tail.size()) return 0;
    long pid = 0;
    const auto [end, error] = std::from_chars(tail.data(), tail.data() + dot, pid);
    if (error != std::errc() || end != tail.data() + dot || pid <= 0) return 0;
    for (const char c : tail.substr(dot + 1))
        if (c < '0' || c > '9') return 0;
    return static_cast<pid_t>(pid);
}

}  // namespace

FileRead ReadWholeFile(const std::filesystem::path& file, std::string& bytes, std::string* why) {
    return link::ReadLocalFile(file.string(), kMaxRegFileBytes, bytes, why);
}

RegFileLock::RegFileLock(const std::filesystem::path& file) {
    // flock, not fcntl: flock locks belong to the open file, so two stores in
    // one process exclude each other as two processes do.
    const std::string name = file.string() + ".lock";
    fd_ = OpenRetrying(name, O_RDWR | O_CREAT, 0666);
    if (fd_ < 0) {
        error_ = "cannot open " + name + ": " + Reason(errno);
        return;
    }
    int locked;
    do locked = ::flock(fd_, LOCK_EX);
    while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        error_ = "cannot lock " + name + ": " + Reason(errno);
        ::close(fd_);
        fd_ = -1;
    }
}

RegFileLock::~RegFileLock() {
    // The lock file stays: removing it would let a waiter lock a file no one else sees.
    if (fd_ >= 0) ::close(fd_);
}

void RemoveDeadWritersFiles(const std::filesystem::path& file) {
    const std::string prefix = std::filesystem::path(link::TemporaryPrefix(file)).filename().string();
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const pid_t pid = WriterOf(std::string_view(name).substr(prefix.size()));
        // Our own pid: a crashed predecessor that had it (this process's writers hold the lock).
        if (pid == 0 || (pid != ::getpid() && !(::kill(pid, 0) != 0 && errno == ESRCH))) continue;
        ::unlink(it->path().c_str());
    }
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
        ::close(fd);
        // Written whole or not at all, like every other file.
        if (link::ReplaceFile(name, bytes).empty()) return true;
        ::unlink(name.c_str());
        return false;
    }
    return false;
}


}  // namespace pelmora::context
