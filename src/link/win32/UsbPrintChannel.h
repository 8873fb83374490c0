#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "link/Platform.h"
#include "link/Trace.h"

namespace pelmora::link {

/// A USB printer-class device through its interface path (as SetupAPI lists
/// it). The printer driver knows no communications time-outs, so reads and
/// writes are overlapped and bounded here, as the usblp node's are.
class UsbPrintChannel final : public Channel {
public:
    static constexpr std::uint32_t kReadWaitMs = 1000;
    static constexpr std::uint32_t kWriteStallMs = 10000;

    /// Opens the device exclusively; null when it cannot be opened, is held
    /// by another program, or is a file on disk (never written into).
    static std::unique_ptr<UsbPrintChannel> Open(const std::string& path, TraceSink& trace);
    ~UsbPrintChannel() override;
    UsbPrintChannel(const UsbPrintChannel&) = delete;
    UsbPrintChannel& operator=(const UsbPrintChannel&) = delete;

    int Write(const std::uint8_t* data, int count) override;
    int Read(std::uint8_t* buffer, int capacity) override;

private:
    UsbPrintChannel(void* handle, void* event) : handle_(handle), event_(event) {}
    /// One overlapped transfer bounded by `ms`: the bytes moved, -1 on an error.
    int Transfer(bool write, std::uint8_t* data, int count, std::uint32_t ms);

    void* handle_;
    void* event_;
};

}  // namespace pelmora::link
