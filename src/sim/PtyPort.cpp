#include "sim/PtyPort.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace pelmora::sim {

PtyPort::~PtyPort() { Close(); }

void PtyPort::Close() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
}

bool PtyPort::Open(std::string& error) {
    Close();
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = std::string("no pseudo-terminal: ") + std::strerror(errno);
        Close();
        return false;
    }
    char name[128] = {};
    if (::ptsname_r(master_, name, sizeof name) != 0) {
        error = std::string("ptsname: ") + std::strerror(errno);
        Close();
        return false;
    }
    slavePath_ = name;
    // Raw for clients that set nothing (a USB printer node has no line discipline).
    termios raw{};
    if (::tcgetattr(master_, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(master_, TCSANOW, &raw);
    }
    return true;
}

int ReadMaster(int master, unsigned char* buffer, int capacity) {
    for (;;) {
        const ssize_t got = ::read(master, buffer, static_cast<std::size_t>(capacity));
        if (got >= 0) return static_cast<int>(got);
        if (errno == EINTR) continue;
        // EIO: no client holds the slave just now.
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EIO ? 0 : -1;
    }
}

}  // namespace pelmora::sim
