#include "link/PrinterLink.h"

#include <algorithm>

#include "link/WireTime.h"

namespace pelmora::link {

namespace {
constexpr int kOpenAttempts = 3;
constexpr std::uint32_t kOpenRetryPauseMs = 400;
constexpr std::uint32_t kTracePauseMs = 10;
constexpr std::uint32_t kSerialClosePauseMs = 200;
constexpr std::uint32_t kHandheldClosePauseMs = 1000;

// A write may take twice its wire time plus a little, never the classic
// second a byte: a 4096-byte piece on a line held by flow control would
// otherwise block for over an hour.
void BoundWrites(SerialTimeouts& t, const PrinterLink& link) {
    const CommSettings& s = link.settings();
    t.writeMicrosPerByte = WriteMicrosPerByte(s.baudRate, BitsPerChar(s.dataBits, s.parity, s.stopBits));
    t.writeTotalConstant = kWriteSlackMs;
}

// While the probe byte goes out and DSR is asked.
SerialTimeouts OpeningTimeouts(const PrinterLink& link) {
    SerialTimeouts t;
    t.readInterval = link.layout() == Layout::Handheld ? 3000 : 2000;
    t.readTotalMultiplier = 1000;
    t.readTotalConstant = 10;
    BoundWrites(t, link);
    return t;
}

SerialTimeouts WorkingTimeouts(const PrinterLink& link) {
    SerialTimeouts t;
    t.readInterval = 10;
    t.readTotalMultiplier = 10;
    t.readTotalConstant = 1000;
    BoundWrites(t, link);
    return t;
}

}  // namespace

PrinterLink::PrinterLink(Platform& platform) : platform_(platform) {}

PrinterLink::~PrinterLink() {
    if (connected_) ClosePort();
}

int PrinterLink::OpenPort() {
    peerGone_ = false;
    TakeOpenFailure();  // a stale one from an earlier open on this thread
    openFailure_ = {};
    int opened = 0;
    switch (settings_.portType) {
    case 0: linkKind_ = LinkSerial; opened = OpenComPort(); break;
    case 1: linkKind_ = LinkBluetooth; opened = OpenComPort(); break;
    case 2: linkKind_ = LinkUsb; opened = OpenUsbPort(); break;
    case 3: linkKind_ = LinkTcp; opened = OpenNetPort(); break;
    default: return 0;
    }
    if (opened) connected_ = true;
    else if (openFailure_.kind == LinkFailure::Kind::None) openFailure_ = TakeOpenFailure();
    if (!opened && openFailure_.where.empty())
        openFailure_.where = linkKind_ == LinkTcp ? NetAddress(settings_.port) : settings_.port;
    platform_.clock().Mark();
    return opened;
}

int PrinterLink::OpenComPort() {
    if (!OpenSerialDevice()) return 0;
    if (!ApplyLineState() || !serial_->SetTimeouts(OpeningTimeouts(*this))) {
        serial_.reset();
        openFailure_ = Failure(LinkFailure::Kind::LineSettings, settings_.port);
        return 0;
    }
    serial_->Purge();
    if (!ProbePrinter()) {
        ClosePort();
        openFailure_ = Failure(LinkFailure::Kind::PrinterOff, settings_.port);
        return 0;
    }
    if (!serial_->SetTimeouts(WorkingTimeouts(*this))) {
        serial_.reset();
        openFailure_ = Failure(LinkFailure::Kind::LineSettings, settings_.port);
        return 0;
    }
    return 1;
}

bool PrinterLink::OpenSerialDevice() {
    const std::string name = layout_ == Layout::Handheld ? settings_.port : "\\\\.\\" + settings_.port;
    for (int attempt = 0; attempt < kOpenAttempts && !serial_; ++attempt) {
        if (attempt) platform_.clock().Sleep(kOpenRetryPauseMs);
        serial_ = platform_.OpenSerial(name);
        platform_.clock().Mark();
        if (serial_) serial_->WatchStop(&stop_);
    }
    return serial_ != nullptr;
}

bool PrinterLink::ApplyLineState() {
    SerialLineState line;
    if (!serial_->GetLineState(line)) return false;
    line.baudRate = static_cast<std::uint32_t>(settings_.baudRate);
    line.byteSize = static_cast<std::uint8_t>(settings_.dataBits);
    line.parity = static_cast<std::uint8_t>(settings_.parity);
    line.stopBits = static_cast<std::uint8_t>(settings_.stopBits);
    line.parityCheck = (settings_.parity & 1) != 0;
    const bool hardware = settings_.flowControl == 1;
    line.outxCtsFlow = hardware;
    line.outxDsrFlow = false;
    line.dtrControl = hardware ? SerialLineState::Dtr::Enable : SerialLineState::Dtr::Disable;
    line.rtsControl = SerialLineState::Rts::Disable;
    line.dsrSensitivity = false;
    line.outX = false;
    line.inX = false;
    line.nullStrip = false;
    line.abortOnError = false;
    return serial_->SetLineState(line);
}

bool PrinterLink::ProbePrinter() {
    const std::uint8_t probe = 0x00;
    if (serial_->Write(&probe, 1) != 1) return false;
    bool dsr = false;
    serial_->GetModemStatus(dsr);  // the first answer is stale on some drivers
    return serial_->GetModemStatus(dsr) && dsr;
}

int PrinterLink::OpenUsbPort() {
    device_ = platform_.OpenUsb(settings_.port);
    return device_ ? 1 : 0;
}

int PrinterLink::OpenNetPort() {
    socket_ = platform_.ConnectTcp(NetAddress(settings_.port), static_cast<std::uint16_t>(settings_.baudRate));
    return socket_ ? 1 : 0;
}

void PrinterLink::ClosePort() {
    connected_ = false;
    // A cancelled job's window does not wait out the settle pause; the next
    // open is a person's reaction time away.
    if (layout_ == Layout::Handheld && !stop_.Requested()) platform_.clock().Sleep(kHandheldClosePauseMs);
    if (linkKind_ == LinkTcp) {
        socket_.reset();
        platform_.clock().Mark();
        return;
    }
    if (serial_) {
        if (linkKind_ == LinkSerial) serial_->ClearEventMask();
        if (linkKind_ == LinkSerial || linkKind_ == LinkBluetooth) {
            serial_->Purge();
            platform_.clock().Mark();
            platform_.clock().Sleep(kSerialClosePauseMs);
        }
        serial_.reset();
    }
    device_.reset();
    platform_.clock().Mark();
}

Channel* PrinterLink::Current() {
    Channel* channel = linkKind_ == LinkTcp ? socket_.get()
                     : serial_             ? static_cast<Channel*>(serial_.get())
                                           : device_.get();
    if (channel) channel->WatchStop(&stop_);
    return channel;
}

int PrinterLink::WritePort(const std::uint8_t* data, int count) {
    TraceBytes("==>", data, count);
    Channel* channel = Current();
    if (!channel || count < 0) return -1;
    const int written = channel->Write(data, count);
    platform_.clock().Mark();  // the printer's pauses count from the bytes, not from the pauses before them
    peerGone_ = peerGone_ || channel->PeerGone();
    return written;
}

OpenOutcome PrinterLink::EnsureOpen() {
    if (PeerClosed()) ClosePort();
    if (IsOpen()) return OpenOutcome::WasOpen;
    return OpenPort() ? OpenOutcome::Opened : OpenOutcome::Failed;
}

bool PrinterLink::PeerClosed() {
    if (!IsOpen() || linkKind_ != LinkTcp || !socket_) return false;
    peerGone_ = peerGone_ || socket_->CheckPeerGone();
    return peerGone_;
}

int PrinterLink::ReadPort(std::uint8_t* buffer, int capacity) {
    Channel* channel = Current();
    const int count = channel && capacity > 0 ? channel->Read(buffer, capacity) : -1;
    // A reply that was already waiting came during the pause before, which
    // the next one may follow on from; one that was waited for counts from now.
    if (!channel || !channel->ReadFoundBytesWaiting()) platform_.clock().Mark();
    if (count > 0) bytesRead_ += static_cast<std::uint64_t>(count);
    peerGone_ = peerGone_ || (channel && channel->PeerGone());
    TraceBytes("<==", buffer, std::max(count, 0));
    return count;
}

void PrinterLink::TraceBytes(const char* direction, const std::uint8_t* data, int count) {
    // The hex text costs more than the exchange itself; only build it for a reader.
    if (platform_.trace().Enabled())
        Tracef(platform_.trace(), "[%s][%s] %s", linkKind_ == LinkTcp ? "ETH" : "COM", direction,
               HexBytes(data, count > 0 ? static_cast<std::size_t>(count) : 0).c_str());
    platform_.clock().Sleep(kTracePauseMs);
}

}  // namespace pelmora::link
