#include "context/RegFileIo.h"

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

std::atomic<RegWriteCall> g_write{nullptr};

std::string Reason(int error) { return std::generic_category().message(error); }

int OpenRetrying(const std::string& name, int flags, mode_t mode = 0) {
    int fd;
    do fd = ::open(name.c_str(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Empty on success, else the reason.
std::string WriteAll(int fd, std::string_view bytes) {
    const RegWriteCall write = g_write.load();
    while (!bytes.empty()) {
        const ssize_t written = write ? write(fd, bytes.data(), bytes.size()) : ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return Reason(errno);
        if (written == 0) return Reason(ENOSPC);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// Writes, flushes to disk and closes; a close error counts, as it may report a lost write.
std::string WriteFlushClose(int fd, std::string_view bytes) {
    std::string why = WriteAll(fd, bytes);
    if (why.empty() && ::fsync(fd) != 0) why = Reason(errno);
    if (::close(fd) != 0 && why.empty()) why = Reason(errno);
    return why;
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

// The rename itself survives a crash only when the folder is flushed too.
void FlushFolder(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    const int fd = OpenRetrying(folder.string(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;  // the data is written; only its durability after a power cut is weaker
    ::fsync(fd);
    ::close(fd);
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

std::string ReplaceFile(const std::filesystem::path& file, std::string_view bytes) {
    // Unique among the threads of this process and, through the pid, among processes;
    // O_EXCL skips a leftover of a crashed writer that had the same pid.
    static std::atomic<unsigned> counter{0};
    const std::string prefix = file.string() + ".tmp." + std::to_string(::getpid()) + '.';
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = prefix + std::to_string(counter++);
        fd = OpenRetrying(temporary, O_WRONLY | O_CREAT | O_EXCL, 0666);
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

void RemoveDeadWritersFiles(const std::filesystem::path& file) {
    const std::string prefix = file.filename().string() + ".tmp.";
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
        if (WriteFlushClose(fd, bytes).empty()) return true;
        ::unlink(name.c_str());
        return false;
    }
    return false;
}

void SetRegWriteCallForTest(RegWriteCall call) { g_write = call; }

}  // namespace pelmora::context
