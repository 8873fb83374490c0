#include "context/RegFileIo.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#undef ReplaceFile  // the system's macro for ReplaceFileA would rename ours

#include <atomic>
#include <cerrno>
#include <charconv>
#include <string>
#include <system_error>

// The text store on Windows, for --store and PELMORA_REGISTRY: the same
// guarantees as on Linux, through LockFileEx and MoveFileEx.
namespace pelmora::context {

namespace {

std::string Reason(int error) { return std::generic_category().message(error); }
std::string SystemReason() { return std::system_category().message(static_cast<int>(::GetLastError())); }

int OpenBinary(const std::string& name, int flags) {
    return ::_open(name.c_str(), flags | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}

std::string WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 30));
        const int written = ::_write(fd, bytes.data(), chunk);
        if (written < 0) return Reason(errno);
        if (written == 0) return Reason(ENOSPC);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// Writes, flushes to disk and closes; a close error counts, as it may report a lost write.
std::string WriteFlushClose(int fd, std::string_view bytes) {
    std::string why = WriteAll(fd, bytes);
    if (why.empty() && ::_commit(fd) != 0) why = Reason(errno);
    if (::_close(fd) != 0 && why.empty()) why = Reason(errno);
    return why;
}

// The pid in "PID.N", or 0 when the tail is not of that form.
unsigned long WriterOf(std::string_view tail) {
    const auto dot = tail.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == tail.size()) return 0;
    unsigned long pid = 0;
    const auto [end, error] = std::from_chars(tail.data(), tail.data() + dot, pid);
    if (error != std::errc() || end != tail.data() + dot) return 0;
    for (const char c : tail.substr(dot + 1))
        if (c < '0' || c > '9') return 0;
    return pid;
}

bool ProcessRuns(unsigned long pid) {
    const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, pid);
    // Access denied: it runs, as someone else.
    if (!process) return ::GetLastError() == ERROR_ACCESS_DENIED;
    const bool runs = ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    ::CloseHandle(process);
    return runs;
}

}  // namespace

FileRead ReadWholeFile(const std::filesystem::path& file, std::string& bytes, std::string* why) {
    return link::ReadLocalFile(file.string(), kMaxRegFileBytes, bytes, why);
}

RegFileLock::RegFileLock(const std::filesystem::path& file) {
    const std::string name = file.string() + ".lock";
    fd_ = OpenBinary(name, _O_RDWR | _O_CREAT);
    if (fd_ < 0) {
        error_ = "cannot open " + name + ": " + Reason(errno);
        return;
    }
    OVERLAPPED whole{};
    const HANDLE handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd_));
    if (!::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) {
        error_ = "cannot lock " + name + ": " + SystemReason();
        ::_close(fd_);
        fd_ = -1;
    }
}

RegFileLock::~RegFileLock() {
    // Closing releases the lock; the file stays, as on Linux.
    if (fd_ >= 0) ::_close(fd_);
}

void RemoveDeadWritersFiles(const std::filesystem::path& file) {
    const std::string prefix = file.filename().string() + ".tmp.";
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const unsigned long pid = WriterOf(std::string_view(name).substr(prefix.size()));
        if (pid == 0 || (pid != ::GetCurrentProcessId() && ProcessRuns(pid))) continue;
        ::DeleteFileA(it->path().string().c_str());
    }
}

bool KeepDamagedCopy(const std::filesystem::path& file, std::string_view bytes) {
    const std::string base = file.string() + ".bad";
    for (int n = 0; n < 1000; ++n) {
        const std::string name = n == 0 ? base : base + '.' + std::to_string(n);
        const int fd = OpenBinary(name, _O_WRONLY | _O_CREAT | _O_EXCL);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return false;
        }
        if (WriteFlushClose(fd, bytes).empty()) return true;
        ::DeleteFileA(name.c_str());
        return false;
    }
    return false;
}

}  // namespace pelmora::context
