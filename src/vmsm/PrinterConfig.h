#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace pelmora::context { class SettingsStore; }

namespace pelmora::vmsm {

/// MSR sentinel option.
enum SentinelMode : std::uint32_t {
    SentinelNone = 0,
    SentinelStatic = 1,
    SentinelDynamic = 2,
};

/// Raw sentinel bytes of one track, as the printer reports and takes them.
using SentinelText = std::string;

/// Longest sentinel text the printer keeps.
constexpr std::size_t kSentinelMax = 10;
constexpr int kTracks = 3;

/// Everything the memory-switch commands read or write. Values are not
/// range-checked here: the encoders take the low bits, the editors keep
/// values inside the ranges of ConfigFields.h. Texts are bytes (Latin-1 on
/// the command line).
struct PrinterConfig {
    std::uint32_t Sentinel = SentinelNone;
    std::array<SentinelText, kTracks> StartSentinel;  ///< tracks 1..3 at [0..2]
    std::array<SentinelText, kTracks> EndSentinel;
    std::uint32_t Density = 4;
    std::uint32_t Speed = 0;
    std::uint32_t CodePage = 0;
    std::uint32_t Service = 0;
    std::uint32_t FontType = 0;
    std::uint32_t BeepPaper = 0;
    std::uint32_t BeepLowBat = 0;
    std::uint32_t CharMode = 0;
    std::uint32_t TimeOff = 0;
    std::uint32_t TimeSave = 0;
    std::uint32_t CuttingPosition = 0;
    std::uint32_t Msr = 6;
    std::uint32_t Baudrate = 115200;
    std::uint32_t Databit = 8;
    std::uint32_t Parity = 0;
    std::uint32_t Flowcontrol = 1;
    std::uint32_t BtSecurity = 0;
    std::uint32_t BtConnMode = 0;  ///< 0-based; the printer counts from "1"
    std::string BtPinCode;
    std::string BtDeviceName;
    std::uint32_t BtKeep = 0;      ///< 1: SetStatus sends no Bluetooth settings
    std::uint32_t RfInterface = 0;

    bool operator==(const PrinterConfig&) const = default;
};

/// Fills the seventeen stored fields (kStoredFields) from `key`; a value that
/// cannot be read gives its field the store default. Texts, Bluetooth fields,
/// BtKeep and RfInterface stay as they are. Returns 1.
int LoadFromStore(PrinterConfig& config, const context::SettingsStore& store, const std::string& key);

/// Writes "Density" .. "Flowcontrol", then "Fwver" (text), "Msrmode" and
/// "Sentinel", as one write: a failure leaves every earlier stored value
/// (the store's TakeWriteFailure says why). Returns 1.
int SaveToStore(const PrinterConfig& config, context::SettingsStore& store, const std::string& key,
                const std::string& versionText, std::uint8_t msrMode);

}  // namespace pelmora::vmsm
