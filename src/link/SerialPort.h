#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "link/Clock.h"
#include "link/Platform.h"
#include "link/Trace.h"
#include "link/WireTime.h"

struct sp_port;

namespace pelmora::link {

/// A serial or Bluetooth (rfcomm) port through libserialport, with the classic
/// read and write time-outs emulated on `clock`. Failures of the library go to
/// the trace sink with its own message.
class SerialPort final : public SerialChannel {
public:
    /// Opens a device path for reading and writing, exclusively: null when it
    /// is not a serial device, cannot be opened, or another program holds it.
    static std::unique_ptr<SerialPort> Open(const std::string& path, Clock& clock, TraceSink& trace);
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    /// Bytes taken within the write time-out (fewer when it ran out), -1 on error.
    int Write(const std::uint8_t* data, int count) override;
    /// Bytes of one read under the read time-outs, 0 when none came, -1 on error.
    int Read(std::uint8_t* buffer, int capacity) override;
    bool GetLineState(SerialLineState& state) override;
    /// After a failure the port's settings are unknown; the caller should close it.
    bool SetLineState(const SerialLineState& state) override;
    bool SetTimeouts(const SerialTimeouts& timeouts) override;
    bool Purge() override;
    bool GetModemStatus(bool& dsrOn) override;
    /// There are no event masks here; nothing to clear.
    bool ClearEventMask() override { return true; }
    void WatchStop(const StopRequest* stop) override { stop_ = stop; }

private:
    SerialPort(sp_port* port, int fd, Clock& clock, TraceSink& trace);

    sp_port* port_;
    int fd_;
    Clock& clock_;
    TraceSink& trace_;
    SerialTimeouts timeouts_;
    const StopRequest* stop_ = nullptr;
};


}  // namespace pelmora::link
