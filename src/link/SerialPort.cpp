#include "link/SerialPort.h"

#include <algorithm>
#include <cerrno>
#include <climits>

#include <sys/stat.h>

#include <libserialport.h>
#include <sys/ioctl.h>
#include <termios.h>

#include "link/FdIo.h"
#include "link/LinkFailure.h"
#include "link/SerialLineConfig.h"
#include "link/SerialReadLoop.h"
#include "link/WireTime.h"

namespace pelmora::link {

namespace {
struct ConfigDeleter {
    void operator()(sp_port_config* config) const { sp_free_config(config); }
};
using ConfigPtr = std::unique_ptr<sp_port_config, ConfigDeleter>;

ConfigPtr NewConfig() {
    sp_port_config* config = nullptr;
    return sp_new_config(&config) == SP_OK ? ConfigPtr(config) : nullptr;
}

// The message of a failed call must be taken before anything else can touch errno.
bool Succeeded(int result, TraceSink& trace, const char* call) {
    if (result >= 0) return true;
    switch (result) {
    case SP_ERR_FAIL: {
        char* message = sp_last_error_message();
        Tracef(trace, "%s failed: %s", call, message ? message : "");
        sp_free_error_message(message);
        break;
    }
    case SP_ERR_ARG: Tracef(trace, "%s: invalid argument (a fault of this program)", call); break;
    case SP_ERR_SUPP: Tracef(trace, "%s: not supported on this system", call); break;
    default: Tracef(trace, "%s failed (%d)", call, result); break;
    }
    return false;
}

void ClosePort(sp_port* port, int fd) {
    if (fd >= 0) ::ioctl(fd, TIOCNXCL);
    sp_close(port);
    sp_free_port(port);
}
}  // namespace

std::unique_ptr<SerialPort> SerialPort::Open(const std::string& path, Clock& clock, TraceSink& trace) {
    // The library cannot tell a missing node from one that is no serial port.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        NoteOpenFailure(FailureFromErrno(errno, path));
        Tracef(trace, "%s: no such device", path.c_str());
        return nullptr;
    }
    sp_port* port = nullptr;
    // The library answers "invalid argument" for a path that is no serial device.
    if (!S_ISCHR(info.st_mode) || sp_get_port_by_name(path.c_str(), &port) != SP_OK) {
        NoteOpenFailure(Failure(LinkFailure::Kind::NotADevice, path));
        Tracef(trace, "%s is not a serial port", path.c_str());
        return nullptr;
    }
    if (const int opened = sp_open(port, SP_MODE_READ_WRITE); opened != SP_OK) {
        const int error = errno;  // before the message is fetched
        NoteOpenFailure(opened == SP_ERR_FAIL ? FailureFromErrno(error, path)
                                              : Failure(LinkFailure::Kind::NotADevice, path));
        Succeeded(opened, trace, "sp_open");
        sp_free_port(port);
        return nullptr;
    }
    int fd = -1;
    if (!Succeeded(sp_get_port_handle(port, &fd), trace, "sp_get_port_handle") || fd < 0) {
        sp_close(port);
        sp_free_port(port);
        return nullptr;
    }
    // libserialport shares the port; take it the way the classic port is opened,
    // without sharing: a lock for programs that respect it, TIOCEXCL for the rest.
    if (!LockExclusive(fd)) {
        Tracef(trace, "%s is in use by another program", path.c_str());
        NoteOpenFailure(Failure(LinkFailure::Kind::InUse, path, HolderOf(path)));
        sp_close(port);
        sp_free_port(port);
        return nullptr;
    }
    if (::ioctl(fd, TIOCEXCL) != 0) Tracef(trace, "%s: exclusive mode not available", path.c_str());
    return std::unique_ptr<SerialPort>(new SerialPort(port, fd, clock, trace));
}

SerialPort::SerialPort(sp_port* port, int fd, Clock& clock, TraceSink& trace)
    : port_(port), fd_(fd), clock_(clock), trace_(trace) {}

SerialPort::~SerialPort() {
    ClosePort(port_, fd_);
}

int SerialPort::Write(const std::uint8_t* data, int count) {
    if (count <= 0) return 0;
    // In slices, each with its own bound, so that a stop request (Cancel, a
    // signal, a closing window) is seen within a slice's wire time.
    const int slice = WriteSliceBytes(timeouts_.writeMicrosPerByte);
    int written = 0;
    while (written < count) {
        if (written > 0 && stop_ && stop_->Requested()) break;
        const int n = std::min(slice, count - written);
        const int took = sp_blocking_write(port_, data + written, static_cast<std::size_t>(n),
                                           SerialWriteTimeoutMs(timeouts_, n));
        if (!Succeeded(took, trace_, "sp_blocking_write")) return written > 0 ? written : -1;
        written += took;
        if (took < n) {
            Tracef(trace_, "serial write: %d of %d bytes went out in time (flow control holds the line?)", written, count);
            break;
        }
    }
    return written;
}

int SerialPort::Read(std::uint8_t* buffer, int capacity) {
    FdByteSource source(fd_, watchedStop());
    return ReadWithTimeouts(source, clock_, timeouts_, buffer, capacity, watchedStop());
}

bool SerialPort::GetLineState(SerialLineState& state) {
    const ConfigPtr config = NewConfig();
    if (!config || !Succeeded(sp_get_config(port_, config.get()), trace_, "sp_get_config")) return false;
    PortConfigValues values;
    sp_get_config_baudrate(config.get(), &values.baudRate);
    sp_get_config_bits(config.get(), &values.bits);
    sp_get_config_parity(config.get(), &values.parity);
    sp_get_config_stopbits(config.get(), &values.stopBits);
    sp_get_config_rts(config.get(), &values.rts);
    sp_get_config_cts(config.get(), &values.cts);
    sp_get_config_dtr(config.get(), &values.dtr);
    sp_get_config_dsr(config.get(), &values.dsr);
    sp_get_config_xon_xoff(config.get(), &values.xonXoff);
    state = FromPortConfig(values);
    return true;
}

namespace {
sp_return ApplyConfig(sp_port* port, const PortConfigValues& values) {
    const ConfigPtr config = NewConfig();
    if (!config) return SP_ERR_MEM;
    sp_set_config_baudrate(config.get(), values.baudRate);
    sp_set_config_bits(config.get(), values.bits);
    sp_set_config_parity(config.get(), values.parity);
    sp_set_config_stopbits(config.get(), values.stopBits);
    sp_set_config_rts(config.get(), values.rts);
    sp_set_config_cts(config.get(), values.cts);
    sp_set_config_dtr(config.get(), values.dtr);
    sp_set_config_dsr(config.get(), values.dsr);
    sp_set_config_xon_xoff(config.get(), values.xonXoff);
    return sp_set_config(port, config.get());
}

// libserialport keeps its RTS/CTS switch in c_iflag, where the kernel never
// looks, so without this the line keeps whatever CRTSCTS it had before.
bool KernelRtsCtsFlow(int fd, bool on, TraceSink& trace) {
    termios line{};
    if (::tcgetattr(fd, &line) != 0) return Succeeded(SP_ERR_FAIL, trace, "tcgetattr");
    if (((line.c_cflag & CRTSCTS) != 0) == on) return true;
    line.c_cflag = on ? line.c_cflag | CRTSCTS : line.c_cflag & ~tcflag_t{CRTSCTS};
    return ::tcsetattr(fd, TCSANOW, &line) == 0 || Succeeded(SP_ERR_FAIL, trace, "tcsetattr");
}
}  // namespace

bool SerialPort::SetLineState(const SerialLineState& state) {
    const auto values = ToPortConfig(state);
    if (!values) {
        Tracef(trace_, "serial line state not available on this system");
        return false;
    }
    sp_return result = ApplyConfig(port_, *values);
    if (result == SP_ERR_SUPP) {
        if (const auto paired = PairedRtsCtsFallback(*values)) {
            Tracef(trace_, "CTS flow control alone is not available; RTS follows it");
            result = ApplyConfig(port_, *paired);
        }
    }
    return Succeeded(result, trace_, "sp_set_config") &&
           KernelRtsCtsFlow(fd_, values->cts == SP_CTS_FLOW_CONTROL, trace_);
}

bool SerialPort::SetTimeouts(const SerialTimeouts& timeouts) {
    timeouts_ = timeouts;
    return true;
}

bool SerialPort::Purge() {
    return Succeeded(sp_flush(port_, SP_BUF_BOTH), trace_, "sp_flush");
}

bool SerialPort::GetModemStatus(bool& dsrOn) {
    sp_signal signals{};
    if (!Succeeded(sp_get_signals(port_, &signals), trace_, "sp_get_signals")) return false;
    dsrOn = (signals & SP_SIG_DSR) != 0;
    return true;
}

}  // namespace pelmora::link
