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
    t.writeMicrosPerByte = WriteMicrosPerByte(link.baudRate, BitsPerChar(link.dataBits, link.parity, link.stopBits));
    t.writeTotalConstant = kWriteSlackMs;
}

// While the probe byte goes out and DSR is asked.
SerialTimeouts OpeningTimeouts(const PrinterLink& link) {
    SerialTimeouts t;
    t.readInterval = link.layout == Layout::Handheld ? 3000 : 2000;
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
    if (connected) ClosePort();
}

void PrinterLink::Configure(const CommSettings& settings) {
    portText = settings.port;
    baudRate = static_cast<std::uint32_t>(settings.baudRate);
    parity = settings.parity;
    dataBits = settings.dataBits;
    stopBits = settings.stopBits;
    flowControl = settings.flowControl;
    portType = settings.portType;
}

int PrinterLink::OpenPort() {
    peerGone_ = false;
    int opened = 0;
    switch (portType) {
    case 0: linkKind = LinkSerial; opened = OpenComPort(); break;
    case 1: linkKind = LinkBluetooth; opened = OpenComPort(); break;
    case 2: linkKind = LinkUsb; opened = OpenUsbPort(); break;
    case 3: linkKind = LinkTcp; opened = OpenNetPort(); break;
    default: return 0;
    }
    if (opened) connected = 1;
    return opened;
}

int PrinterLink::OpenComPort() {
    if (!OpenSerialDevice()) return 0;
    if (!ApplyLineState() || !serial_->SetTimeouts(OpeningTimeouts(*this))) {
        serial_.reset();
        return 0;
    }
    serial_->Purge();
    if (!ProbePrinter()) {
        ClosePort();
        return 0;
    }
    if (!serial_->SetTimeouts(WorkingTimeouts(*this))) {
        serial_.reset();
        return 0;
    }
    return 1;
}

bool PrinterLink::OpenSerialDevice() {
    const std::string name = layout == Layout::Handheld ? portText : "\\\\.\\" + portText;
    for (int attempt = 0; attempt < kOpenAttempts && !serial_; ++attempt) {
        if (attempt) platform_.clock().Sleep(kOpenRetryPauseMs);
        serial_ = platform_.OpenSerial(name);
        if (serial_) serial_->WatchStop(&stop_);
    }
    return serial_ != nullptr;
}

bool PrinterLink::ApplyLineState() {
    SerialLineState line;
    if (!serial_->GetLineState(line)) return false;
    line.baudRate = baudRate;
    line.byteSize = static_cast<std::uint8_t>(dataBits);
    line.parity = static_cast<std::uint8_t>(parity);
    line.stopBits = static_cast<std::uint8_t>(stopBits);
    line.parityCheck = (parity & 1) != 0;
    const bool hardware = flowControl == 1;
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
    device_ = platform_.OpenUsb(portText);
    return device_ ? 1 : 0;
}

int PrinterLink::OpenNetPort() {
    socket_ = platform_.ConnectTcp(NetAddress(portText), static_cast<std::uint16_t>(baudRate));
    return socket_ ? 1 : 0;
}

void PrinterLink::ClosePort() {
    connected = 0;
    if (layout == Layout::Handheld) platform_.clock().Sleep(kHandheldClosePauseMs);
    if (linkKind == LinkTcp) {
        socket_.reset();
        return;
    }
    if (serial_) {
        if (linkKind == LinkSerial) serial_->ClearEventMask();
        if (linkKind == LinkSerial || linkKind == LinkBluetooth) {
            serial_->Purge();
            platform_.clock().Sleep(kSerialClosePauseMs);
        }
        serial_.reset();
    }
    device_.reset();
}

int PrinterLink::WritePort(const std::uint8_t* data, int count) {
    TraceBytes("==>", data, count);
    Channel* channel = linkKind == LinkTcp ? socket_.get()
                     : serial_             ? static_cast<Channel*>(serial_.get())
                                           : device_.get();
    if (!channel || count < 0) return -1;
    const int written = channel->Write(data, count);
    peerGone_ = peerGone_ || channel->PeerGone();
    return written;
}

bool PrinterLink::PeerClosed() {
    if (!IsOpen() || linkKind != LinkTcp || !socket_) return false;
    peerGone_ = peerGone_ || socket_->CheckPeerGone();
    return peerGone_;
}

int PrinterLink::ReadPort(std::uint8_t* buffer, int capacity) {
    Channel* channel = linkKind == LinkTcp ? socket_.get()
                     : serial_             ? static_cast<Channel*>(serial_.get())
                                           : device_.get();
    const int count = channel && capacity > 0 ? channel->Read(buffer, capacity) : -1;
    peerGone_ = peerGone_ || (channel && channel->PeerGone());
    TraceBytes("<==", buffer, std::max(count, 0));
    return count;
}

void PrinterLink::TraceBytes(const char* direction, const std::uint8_t* data, int count) {
    // The hex text costs more than the exchange itself; only build it for a reader.
    if (platform_.trace().Enabled())
        Tracef(platform_.trace(), "[%s][%s] %s", linkKind == LinkTcp ? "ETH" : "COM", direction,
               HexBytes(data, count > 0 ? static_cast<std::size_t>(count) : 0).c_str());
    platform_.clock().Sleep(kTracePauseMs);
}

}  // namespace pelmora::link
