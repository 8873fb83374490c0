#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "link/CommSettings.h"
#include "link/Platform.h"
#include "sim/PrinterModel.h"

namespace pelmora::sim {

/// Settings of the simulated link.
struct VirtualLinkConfig {
    std::set<std::string> serialPorts{"COM1", "COM2"};  ///< names that open (without "\\.\" or ":")
    std::set<std::string> usbPaths{"/dev/usb/lp0"};
    std::string tcpAddress = "127.0.0.1";
    std::uint16_t tcpPort = link::kPrinterTcpPort;
    bool dsrOn = true;                ///< the printer holds DSR while it is ready
    std::uint32_t replyLatencyMs = 5; ///< from the end of a command to its first reply byte
    int shortWritesFrom = -1;         ///< from this (0-based) write on, writes take one byte less
    /// Flow control holds the serial line: a write takes nothing and returns at its time-out.
    bool lineHeld = false;
    /// The port's configuration call that fails, counted from 0 on each serial
    /// channel (reading and setting the line state, then each time-out change); -1: none.
    int failingSetupCall = -1;
    /// A TCP client that sends nothing for this long (virtual ms) is dropped,
    /// as a printer's network port may do; 0 never drops one.
    std::uint32_t tcpIdleDropMs = 0;
    /// Called with each write's (0-based) number before it is taken, on the writing thread.
    std::function<void(int)> beforeWrite;
};

/// The link's platform in-process: serial, USB and TCP channels to one
/// PrinterModel on a VirtualClock, with the serial read time-outs computed on
/// virtual time and bytes arriving at the line rate.
class VirtualPlatform final : public link::Platform {
public:
    explicit VirtualPlatform(PrinterModel& printer, VirtualLinkConfig config = {});
    ~VirtualPlatform() override;

    link::Clock& clock() override { return clock_; }
    link::TraceSink& trace() override { return *trace_; }
    std::unique_ptr<link::SerialChannel> OpenSerial(const std::string& name) override;
    std::unique_ptr<link::Channel> OpenUsb(const std::string& path) override;
    std::unique_ptr<link::Channel> ConnectTcp(const std::string& ipv4, std::uint16_t port) override;

    link::VirtualClock& virtualClock() { return clock_; }
    const link::VirtualClock& virtualClock() const { return clock_; }
    VirtualLinkConfig& config() { return config_; }
    void SetTrace(std::unique_ptr<link::TraceSink> trace) { trace_ = std::move(trace); }

    /// Counters for tests.
    int openAttempts() const { return openAttempts_; }
    int writes() const { return writes_; }
    /// Bytes taken by each write, in order.
    const std::vector<int>& writeSizes() const { return writeSizes_; }
    /// Line state and time-outs of the last serial channel opened.
    const link::SerialLineState& lastLineState() const { return lastLine_; }
    /// A port opens in the state it was last left in, as a real one does.
    link::SerialLineState& lastLineState() { return lastLine_; }
    const link::SerialTimeouts& lastTimeouts() const { return lastTimeouts_; }
    int purges() const { return purges_; }
    int eventMaskClears() const { return eventMaskClears_; }

    class Wire;  // shared between the channels; defined in the .cpp

private:
    friend class Wire;
    PrinterModel& printer_;
    VirtualLinkConfig config_;
    link::VirtualClock clock_;
    std::unique_ptr<link::TraceSink> trace_;
    int openAttempts_ = 0;
    int writes_ = 0;
    std::vector<int> writeSizes_;
    int purges_ = 0;
    int eventMaskClears_ = 0;
    link::SerialLineState lastLine_;
    link::SerialTimeouts lastTimeouts_;
};

}  // namespace pelmora::sim
