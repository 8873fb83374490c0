#include "link/UsbPrinter.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "link/FdIo.h"
#include "link/LinkFailure.h"

namespace pelmora::link {

std::unique_ptr<UsbPrinter> UsbPrinter::Open(const std::string& path, TraceSink& trace) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        Tracef(trace, "Cannot open %s: %s", path.c_str(), std::strerror(error));
        NoteOpenFailure(FailureFromErrno(error, path));
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode)) {
        Tracef(trace, "%s is not a device", path.c_str());
        NoteOpenFailure(Failure(LinkFailure::Kind::NotADevice, path));
        ::close(fd);
        return nullptr;
    }
    // usblp itself admits one opener; the lock covers drivers that do not.
    if (!LockExclusive(fd)) {
        Tracef(trace, "%s is in use by another program", path.c_str());
        NoteOpenFailure(Failure(LinkFailure::Kind::InUse, path, HolderOf(path)));
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<UsbPrinter>(new UsbPrinter(fd));
}

UsbPrinter::~UsbPrinter() {
    ::close(fd_);
}

int UsbPrinter::Write(const std::uint8_t* data, int count) {
    return WriteBounded(fd_, data, count, kWriteStallMs, false);
}

int UsbPrinter::Read(std::uint8_t* buffer, int capacity) {
    return ReadWithin(fd_, buffer, capacity, kReadWaitMs, watchedStop());
}

}  // namespace pelmora::link
