#include "support/MockBluez.h"

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "link/BluetoothDevices.h"

namespace pelmora::test {

namespace {
constexpr const char* kPython = "/usr/bin/python3";  // where Debian's python3-dbusmock is
}  // namespace

MockBluez::MockBluez(const char* mode) {
    int in[2], out[2];
    if (::access(kPython, X_OK) != 0 || ::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) return;
    const std::string uuid(link::kSerialPortProfileUuid);
    if ((pid_ = ::fork()) == 0) {
        ::dup2(in[0], STDIN_FILENO);
        ::dup2(out[1], STDOUT_FILENO);
        ::execl(kPython, kPython, PELMORA_MOCK_BLUEZ, mode, uuid.c_str(), nullptr);
        std::_Exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    to_ = in[1];
    from_ = ::fdopen(out[0], "r");
    address_ = Line();
    ::setenv("DBUS_SYSTEM_BUS_ADDRESS", address_.c_str(), 1);
}

MockBluez::~MockBluez() {
    ::unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
    if (pid_ <= 0) return;
    ::close(to_);  // the helper's end of input
    ::waitpid(pid_, nullptr, 0);
    std::fclose(from_);
}

std::string MockBluez::Line() {
    char line[512];
    if (!std::fgets(line, sizeof line, from_)) return "the helper ended";
    return std::string(line, std::strcspn(line, "\n"));
}

std::string MockBluez::ScanState() { return ::write(to_, "\n", 1) == 1 ? Line() : "the helper ended"; }

}  // namespace pelmora::test
