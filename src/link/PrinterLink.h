#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "link/CommSettings.h"
#include "link/Layout.h"
#include "link/LinkFailure.h"
#include "link/Platform.h"
#include "link/StopRequest.h"

namespace pelmora::link {

/// What EnsureOpen found and did.
enum class OpenOutcome { WasOpen, Opened, Failed };

/// Kind of channel that OpenPort opened.
enum LinkKind : std::int32_t {
    LinkSerial = 0,
    LinkUsb = 2,
    LinkTcp = 3,
    LinkBluetooth = 4,
};

/// The channel to one printer. It opens, writes, reads and closes; it never
/// retries, waits for replies or interprets bytes. Every WritePort and ReadPort
/// costs a 10 ms pause, on which the callers' tick-counted loops rely.
class PrinterLink {
public:
    explicit PrinterLink(Platform& platform);
    virtual ~PrinterLink();
    PrinterLink(const PrinterLink&) = delete;
    PrinterLink& operator=(const PrinterLink&) = delete;

    /// Takes port text, numbers and port type from the settings; used before OpenPort.
    void Configure(const CommSettings& settings) { settings_ = settings; }
    /// What OpenPort opens; LinkDefaults() until Configure. For TCP/IP
    /// `baudRate` is the port number.
    const CommSettings& settings() const { return settings_; }
    /// Which program the link serves; the handheld's opens, waits and closes
    /// its own way. Chosen by the program before its first job.
    Layout layout() const { return layout_; }
    void setLayout(Layout layout) { layout_ = layout; }
    /// 1 when the channel is open (connected becomes 1), 0 when it is not.
    int OpenPort();
    void ClosePort();
    /// Opens the link for a job unless it is open. A link kept open between
    /// jobs whose peer has closed it by now (a printer's network port drops an
    /// idle client) is closed and opened anew; every job starts here.
    OpenOutcome EnsureOpen();
    /// Bytes the channel took; callers treat anything but `count` as failure.
    int WritePort(const std::uint8_t* data, int count);
    int WritePort(std::span<const std::uint8_t> bytes) {
        return WritePort(bytes.data(), static_cast<int>(bytes.size()));
    }
    /// Bytes of one read; 0 when nothing came in time, -1 on a socket error.
    int ReadPort(std::uint8_t* buffer, int capacity);

    bool IsOpen() const { return connected_; }
    /// Why the last OpenPort failed (Kind::None after one that succeeded).
    const LinkFailure& openFailure() const { return openFailure_; }
    /// Every byte any ReadPort has returned since this link was made, so that
    /// a wait can tell silence from bytes that formed no reply.
    std::uint64_t bytesRead() const { return bytesRead_; }
    /// Since the last OpenPort the TCP peer closed or reset the connection;
    /// kept after ClosePort, so that a failed step can say why.
    bool PeerGone() const { return peerGone_; }
    /// An open TCP link whose peer has closed it by now (a printer's network
    /// port may drop a client that stays idle), asked without waiting.
    bool PeerClosed();
    /// Asked to end its waits early (Cancel, a signal); the reply loops of
    /// the context and the engines look at it between reads.
    StopRequest& stopRequest() { return stop_; }
    const StopRequest& stopRequest() const { return stop_; }
    Platform& platform() { return platform_; }
    Clock& clock() { return platform_.clock(); }

private:
    int OpenComPort();
    bool OpenSerialDevice();
    bool ApplyLineState();
    /// One byte out, then DSR must be up: a printer is there and switched on.
    bool ProbePrinter();
    int OpenUsbPort();
    int OpenNetPort();
    /// The open channel, watching this link's stop request; null when none is open.
    Channel* Current();
    void TraceBytes(const char* direction, const std::uint8_t* data, int count);

    Platform& platform_;
    CommSettings settings_ = LinkDefaults();
    Layout layout_ = Layout::Desktop;
    bool connected_ = false;
    LinkKind linkKind_ = LinkSerial;  // what OpenPort opened
    std::unique_ptr<SerialChannel> serial_;
    std::unique_ptr<Channel> device_;  // USB printer
    std::unique_ptr<Channel> socket_;
    bool peerGone_ = false;
    LinkFailure openFailure_;
    std::uint64_t bytesRead_ = 0;
    StopRequest stop_;
};

}  // namespace pelmora::link
