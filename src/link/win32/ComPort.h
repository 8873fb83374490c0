#pragma once
#include <memory>
#include <string>

#include "link/Platform.h"
#include "link/Trace.h"

namespace pelmora::link {

/// A serial or Bluetooth COM port through the Win32 communications calls. The
/// read and write time-outs are the port's own (SetCommTimeouts), so no loop
/// of ours stands between the link and the driver.
class ComPort final : public SerialChannel {
public:
    /// Opens "\\.\COMn" (or any device name) exclusively; null when it does
    /// not exist, another program holds it, or it is no communications device.
    static std::unique_ptr<ComPort> Open(const std::string& name, TraceSink& trace);
    ~ComPort() override;
    ComPort(const ComPort&) = delete;
    ComPort& operator=(const ComPort&) = delete;

    /// Bytes taken within the write time-out (fewer when it ran out), -1 on error.
    int Write(const std::uint8_t* data, int count) override;
    /// Bytes of one read under the read time-outs, 0 when none came, -1 on error.
    int Read(std::uint8_t* buffer, int capacity) override;
    bool GetLineState(SerialLineState& state) override;
    bool SetLineState(const SerialLineState& state) override;
    bool SetTimeouts(const SerialTimeouts& timeouts) override;
    bool Purge() override;
    bool GetModemStatus(bool& dsrOn) override;
    bool ClearEventMask() override;

private:
    ComPort(void* handle, TraceSink& trace) : handle_(handle), trace_(trace) {}
    bool Check(bool ok, const char* call);

    void* handle_;
    TraceSink& trace_;
};

}  // namespace pelmora::link
