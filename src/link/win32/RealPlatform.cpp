#include "link/RealPlatform.h"

#include "link/win32/ComPort.h"
#include "link/win32/UsbPrintChannel.h"
#include "link/win32/WinsockChannel.h"

namespace pelmora::link {

RealPlatform::RealPlatform(PortResolver resolver, TraceSink& trace)
    : resolver_(std::move(resolver)), trace_(trace) {}

RealPlatform::~RealPlatform() = default;

std::unique_ptr<SerialChannel> RealPlatform::OpenSerial(const std::string& name) {
    const std::string path = resolver_ ? resolver_(name) : name;
    if (path.empty()) {
        Tracef(trace_, "No serial port for %s", name.c_str());
        return nullptr;
    }
    return ComPort::Open(path, trace_);
}

std::unique_ptr<Channel> RealPlatform::OpenUsb(const std::string& path) {
    return UsbPrintChannel::Open(path, trace_);
}

std::unique_ptr<Channel> RealPlatform::ConnectTcp(const std::string& ipv4, std::uint16_t port) {
    return WinsockChannel::Connect(ipv4, port, trace_);
}

}  // namespace pelmora::link
