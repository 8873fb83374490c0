// Loaded with LD_PRELOAD into a program under test: the modem-line ioctls a
// pseudo-terminal lacks, for the lines of PELMORA_MODEM_TTY (paths joined by
// commas), kept in the file PELMORA_MODEM_LINES the virtual printer shares; and
// the parity switch a pseudo-terminal drops, kept in PELMORA_LINE_TERMIOS so
// tcgetattr reads it back as a UART would. All else goes to the system.
#include <cerrno>
#include <cstdarg>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include "sim/ModemLines.h"

namespace {

template <class Fn>
Fn System(const char* name) {
    return reinterpret_cast<Fn>(::dlsym(RTLD_NEXT, name));
}

int Failed(int error) {
    errno = error;
    return -1;
}

bool IsTheLine(int fd) {
    const char* ttys = std::getenv("PELMORA_MODEM_TTY");
    struct stat open {};
    if (!ttys || ::fstat(fd, &open) != 0 || !S_ISCHR(open.st_mode)) return false;
    for (std::string_view rest = ttys; !rest.empty();) {
        const std::size_t comma = std::min(rest.find(','), rest.size());
        const std::string tty(rest.substr(0, comma));
        struct stat line {};
        if (::stat(tty.c_str(), &line) == 0 && open.st_rdev == line.st_rdev) return true;
        rest.remove_prefix(std::min(comma + 1, rest.size()));
    }
    return false;
}

constexpr int kHostLines = TIOCM_DTR | TIOCM_RTS;

int ModemIoctl(unsigned long request, int* arg) {
    const char* file = std::getenv("PELMORA_MODEM_LINES");
    if (!file || !arg) return Failed(EINVAL);
    bool done = false;
    switch (request) {
    case TIOCMGET: done = pelmora::sim::ReadModemLines(file, *arg); break;
    case TIOCMBIS: done = pelmora::sim::ChangeModemLines(file, *arg & kHostLines, 0); break;
    case TIOCMBIC: done = pelmora::sim::ChangeModemLines(file, 0, *arg & kHostLines); break;
    case TIOCMSET: done = pelmora::sim::ChangeModemLines(file, *arg & kHostLines, ~*arg & kHostLines); break;
    default: break;
    }
    return done ? 0 : Failed(EIO);
}

void Record(const char* file, const termios& line) {
    const int fd = ::open(file, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return;
    if (::write(fd, &line, sizeof line) != static_cast<ssize_t>(sizeof line)) ::ftruncate(fd, 0);
    ::close(fd);
}

}  // namespace

extern "C" int tcsetattr(int fd, int when, const termios* line) noexcept {
    static const auto real = System<int (*)(int, int, const termios*)>("tcsetattr");
    if (!real) return Failed(ENOSYS);
    const char* record = std::getenv("PELMORA_LINE_TERMIOS");
    if (!record || !line || !IsTheLine(fd)) return real(fd, when, line);
    Record(record, *line);
    // The C library calls a change the terminal did not keep a failure.
    termios kept = *line;
    kept.c_cflag &= ~tcflag_t{PARENB};
    return real(fd, when, &kept);
}

extern "C" int tcgetattr(int fd, termios* line) noexcept {
    static const auto real = System<int (*)(int, termios*)>("tcgetattr");
    if (!real) return Failed(ENOSYS);
    const int result = real(fd, line);
    const char* record = std::getenv("PELMORA_LINE_TERMIOS");
    if (result != 0 || !record || !IsTheLine(fd)) return result;
    const int kept = ::open(record, O_RDONLY | O_CLOEXEC);
    termios told{};
    if (kept >= 0 && ::read(kept, &told, sizeof told) == static_cast<ssize_t>(sizeof told))
        line->c_cflag = (line->c_cflag & ~tcflag_t{PARENB}) | (told.c_cflag & PARENB);
    if (kept >= 0) ::close(kept);
    return 0;
}

extern "C" int ioctl(int fd, unsigned long request, ...) noexcept {
    va_list args;
    va_start(args, request);
    void* arg = va_arg(args, void*);
    va_end(args);
    const bool modem = request == TIOCMGET || request == TIOCMSET || request == TIOCMBIS || request == TIOCMBIC;
    if (modem && IsTheLine(fd)) return ModemIoctl(request, static_cast<int*>(arg));
    static const auto real = System<int (*)(int, unsigned long, void*)>("ioctl");
    return real ? real(fd, request, arg) : Failed(ENOSYS);
}
