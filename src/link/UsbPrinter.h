#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "link/Platform.h"
#include "link/Trace.h"

namespace pelmora::link {

/// A USB printer-class device through its usblp node (/dev/usb/lpN). The
/// driver sets no time-outs of its own, so reads and writes are bounded here.
class UsbPrinter final : public Channel {
public:
    /// A read on a silent printer returns 0 after this long.
    static constexpr std::uint32_t kReadWaitMs = 1000;
    /// A write gives up when the printer has taken nothing for this long.
    static constexpr std::uint32_t kWriteStallMs = 10000;

    /// Opens a character device for reading and writing, exclusively. Null when
    /// it cannot be opened, is held by another program, or is not a device
    /// (a stored path that names an ordinary file is never written into).
    static std::unique_ptr<UsbPrinter> Open(const std::string& path, TraceSink& trace);
    ~UsbPrinter() override;
    UsbPrinter(const UsbPrinter&) = delete;
    UsbPrinter& operator=(const UsbPrinter&) = delete;

    int Write(const std::uint8_t* data, int count) override;
    int Read(std::uint8_t* buffer, int capacity) override;

private:
    explicit UsbPrinter(int fd) : fd_(fd) {}
    int fd_;
};

}  // namespace pelmora::link
