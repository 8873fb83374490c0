#pragma once
#include "link/StopRequest.h"
#include <cstdint>
#include <memory>
#include <string>

#include "link/Clock.h"
#include "link/StopRequest.h"
#include "link/Trace.h"

namespace pelmora::link {

/// The members of a serial port's line state that the link reads and changes.
struct SerialLineState {
    enum class Dtr { Disable, Enable, Handshake };
    enum class Rts { Disable, Enable, Handshake, Toggle };

    std::uint32_t baudRate = 9600;
    std::uint8_t byteSize = 8;
    std::uint8_t parity = 0;    ///< 0 none, 1 odd, 2 even, 3 mark, 4 space
    std::uint8_t stopBits = 0;  ///< 0 one, 1 one and a half, 2 two
    bool parityCheck = false;
    bool outxCtsFlow = false;
    bool outxDsrFlow = false;
    Dtr dtrControl = Dtr::Enable;
    Rts rtsControl = Rts::Enable;
    bool dsrSensitivity = false;
    bool outX = false;
    bool inX = false;
    bool nullStrip = false;
    bool abortOnError = false;
};

/// Read and write time-outs of a serial port, in the classic interval /
/// multiplier / constant form. A read of N bytes returns when N bytes have
/// arrived, when more than `readInterval` ms pass between two bytes after the
/// first one, or at the latest after multiplier x N + constant ms.
struct SerialTimeouts {
    std::uint32_t readInterval = 0;
    std::uint32_t readTotalMultiplier = 0;
    std::uint32_t readTotalConstant = 0;
    /// A write of N bytes may take writeMicrosPerByte x N / 1000 + writeTotalConstant ms
    /// (microseconds, not the classic milliseconds: a byte at 115200 bit/s takes 87 µs).
    std::uint32_t writeMicrosPerByte = 0;
    std::uint32_t writeTotalConstant = 0;
};

/// An open byte channel: a serial port, a USB printer or a TCP connection.
/// Write returns the count taken (less on a cut-short write, -1 on error);
/// Read returns the count of one read, 0 when nothing came in time, -1 on error.
class Channel {
public:
    virtual ~Channel() = default;
    virtual int Write(const std::uint8_t* data, int count) = 0;
    virtual int Read(std::uint8_t* buffer, int capacity) = 0;
    /// The other end closed or reset the connection (only a socket can tell).
    virtual bool PeerGone() const { return false; }
    /// PeerGone, after asking the socket now, without waiting or taking bytes.
    virtual bool CheckPeerGone() { return PeerGone(); }
    /// The last Read took bytes that were already waiting when it began: they
    /// crossed the link during the pause before it (only a socket can tell).
    virtual bool ReadFoundBytesWaiting() const { return false; }
    /// Reads end early, with what they have, once `stop` is set (null: never).
    void WatchStop(const StopRequest* stop) { stop_ = stop; }
    const StopRequest* watchedStop() const { return stop_; }
    bool StopRequested() const { return stop_ && stop_->Requested(); }

private:
    const StopRequest* stop_ = nullptr;
};

/// A serial or Bluetooth (rfcomm) port. Each call reports success.
class SerialChannel : public Channel {
public:
    virtual bool GetLineState(SerialLineState& state) = 0;
    virtual bool SetLineState(const SerialLineState& state) = 0;
    virtual bool SetTimeouts(const SerialTimeouts& timeouts) = 0;
    /// Aborts pending transfers and clears both buffers.
    virtual bool Purge() = 0;
    virtual bool GetModemStatus(bool& dsrOn) = 0;
    virtual bool ClearEventMask() = 0;
    /// A long write that sees `stop` requested ends early, short; a port
    /// whose writes never block may ignore it.
    virtual void WatchStop(const StopRequest* /*stop*/) {}
};

/// The services of the system beneath the printer link. The real one talks to
/// devices and sockets; the simulated one to the virtual printer.
class Platform {
public:
    virtual ~Platform() = default;
    virtual Clock& clock() = 0;
    virtual TraceSink& trace() = 0;
    /// Opens a serial port exclusively. `name` is what the link forms: "\\.\COM3",
    /// "COM3:", or a device path. Null when the port cannot be opened.
    virtual std::unique_ptr<SerialChannel> OpenSerial(const std::string& name) = 0;
    /// Opens a USB printer-class device (a usblp node). Null on failure.
    virtual std::unique_ptr<Channel> OpenUsb(const std::string& path) = 0;
    /// Connects to a host name, dotted IPv4 or bare IPv6 address. Null on failure.
    /// A backend notes why an open failed with NoteOpenFailure (`link/LinkFailure.h`).
    virtual std::unique_ptr<Channel> ConnectTcp(const std::string& host, std::uint16_t port) = 0;
};

}  // namespace pelmora::link
