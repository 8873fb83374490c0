#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <span>
#include <set>
#include <string>

#include "link/CommSettings.h"
#include "link/Platform.h"
#include "sim/PrinterModel.h"

namespace pelmora::fuzz {

/// The fuzz input, read from the front; reads past its end give zeros.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}
    bool empty() const { return pos_ >= bytes_.size(); }
    std::size_t size() const { return bytes_.size(); }
    std::uint8_t Byte() { return empty() ? 0 : bytes_[pos_++]; }
    std::span<const std::uint8_t> Take(std::size_t count);

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

/// A printer whose every reply the fuzz input controls. The honest virtual
/// printer answers the commands; before each read one input byte decides
/// what the read returns instead: part of the honest reply (any split),
/// nothing (a silence costing the channel's read time-out), bytes of the
/// input, the honest reply with bytes dropped or altered, or a broken line
/// (every later call fails). When the input is spent the printer is honest,
/// so a run always ends. Time is virtual.
class HostilePlatform final : public link::Platform {
public:
    HostilePlatform(sim::PrinterModel& printer, FuzzInput& input) : printer_(printer), input_(input) {}

    link::Clock& clock() override { return clock_; }
    link::TraceSink& trace() override { return trace_; }
    std::unique_ptr<link::SerialChannel> OpenSerial(const std::string& name) override;
    std::unique_ptr<link::Channel> OpenUsb(const std::string& path) override;
    std::unique_ptr<link::Channel> ConnectTcp(const std::string& ipv4, std::uint16_t port) override;

    std::uint64_t Now() const { return clock_.Now(); }

    class Wire;  // defined in the .cpp

private:
    sim::PrinterModel& printer_;
    FuzzInput& input_;
    link::VirtualClock clock_;
    link::NullTrace trace_;
};

/// Silent USB and TCP reads cost this long, as on the simulated platform.
inline constexpr std::uint64_t kStreamSilenceMs = 1000;
/// The longest one serial read of `capacity` bytes may take under the link's
/// working time-outs (10 ms a byte plus 1 s).
inline constexpr std::uint64_t SerialSilenceMs(std::uint64_t capacity) { return 10 * capacity + 1000; }

/// Settings that open the link over `portType` (0..3).
link::CommSettings SettingsFor(std::int32_t portType);

/// The longest one silent read may take on that port type; serial reads of
/// up to `capacity` bytes.
inline std::uint64_t WorstReadMs(std::int32_t portType, std::uint64_t capacity = 1024) {
    return portType == link::PortSerial || portType == link::PortBluetooth ? SerialSilenceMs(capacity)
                                                                           : kStreamSilenceMs;
}

/// The longest opening and closing the link may take: three open attempts
/// 400 ms apart, the handheld's 1 s close pause, the serial 200 ms close pause.
inline constexpr std::uint64_t kLinkOpenCloseMs = 2 * 400 + 1000 + 200;

/// The longest one identification exchange may take: ten resends after three
/// empty reads each, the version's 3 s limit, or ten MSR attempts 500 ms apart.
inline constexpr std::uint64_t IdentifyWorstMs(std::uint64_t worstRead) { return 31 * worstRead + 5500; }

/// A folder for the store files of this process, in memory when the system has
/// one (stores sync their folder on every save).
const std::filesystem::path& ScratchDir();
/// The whole file, or "" when it cannot be read.
std::string FileBytes(const std::filesystem::path& file);
/// Makes `file` hold `text`; most runs leave their store alone, so it is only
/// written when it differs.
void ResetFile(const std::filesystem::path& file, const std::string& text);

/// Stops the process with a message a fuzzer reports as a crash.
[[noreturn]] void Fail(const std::string& what);
/// A known message, alone or with the cause an identification adds on a line below it.
inline bool IsKnownMessage(const std::set<std::string>& known, const std::string& message) {
    if (known.count(message)) return true;
    const auto cause = message.rfind("\r\n");
    return cause != std::string::npos && known.count(message.substr(0, cause)) > 0;
}

inline void Check(bool condition, const std::string& what) {
    if (!condition) Fail(what);
}

}  // namespace pelmora::fuzz
