#pragma once
#include <functional>
#include <memory>
#include <string>

#include "link/Clock.h"
#include "link/Platform.h"

namespace pelmora::link {

/// The system's own services on the real clock. On Linux: serial and Bluetooth
/// (rfcomm) ports through libserialport, USB printers through usblp device
/// nodes, TCP through POSIX sockets (RealPlatform.cpp); on Windows: COM ports,
/// the printer class's device interfaces and Winsock (win32/RealPlatform.cpp).
class RealPlatform final : public Platform {
public:
    /// Maps the name the link forms ("\\.\COM3", "COM3:", a path) to a device path.
    using PortResolver = std::function<std::string(const std::string& name)>;

    RealPlatform(PortResolver resolver, TraceSink& trace);
    ~RealPlatform() override;

    Clock& clock() override { return clock_; }
    TraceSink& trace() override { return trace_; }
    std::unique_ptr<SerialChannel> OpenSerial(const std::string& name) override;
    std::unique_ptr<Channel> OpenUsb(const std::string& path) override;
    std::unique_ptr<Channel> ConnectTcp(const std::string& ipv4, std::uint16_t port) override;

private:
    PortResolver resolver_;
    TraceSink& trace_;
    SystemClock clock_;
};

}  // namespace pelmora::link
