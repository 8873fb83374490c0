#include "sim/ModemLines.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace pelmora::sim {

namespace {

bool ReadLocked(int fd, int& bits) {
    char text[32] = {};
    const ssize_t got = ::pread(fd, text, sizeof text - 1, 0);
    if (got < 0) return false;
    bits = static_cast<int>(std::strtol(text, nullptr, 10));
    return true;
}

class Locked {
public:
    Locked(const char* path, int flags) : fd_(::open(path, flags | O_CLOEXEC, 0600)) {
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) Release();
    }
    ~Locked() { Release(); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    int fd() const { return fd_; }

private:
    void Release() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    int fd_;
};

}  // namespace

bool ReadModemLines(const char* path, int& bits) {
    bits = 0;
    Locked file(path, O_RDONLY);
    if (file.fd() < 0) return errno == ENOENT;
    return ReadLocked(file.fd(), bits);
}

bool ChangeModemLines(const char* path, int set, int clear) {
    Locked file(path, O_RDWR | O_CREAT);
    int bits = 0;
    if (file.fd() < 0 || !ReadLocked(file.fd(), bits)) return false;
    bits = (bits | set) & ~clear;
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%d\n", bits);
    return ::ftruncate(file.fd(), 0) == 0 && ::pwrite(file.fd(), text, static_cast<std::size_t>(length), 0) == length;
}

}  // namespace pelmora::sim
