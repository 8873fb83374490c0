#pragma once
#include <cstdint>

/// What a printer can do, by its firmware number (FirmwareVersion). Every
/// firmware threshold of the system is named here and nowhere else.
namespace pelmora::context {

inline constexpr std::uint32_t kFwSwitch3 = 1040;        ///< switch 3; density list positions differ from codes
inline constexpr std::uint32_t kFwEncryptedMsr = 11060;  ///< exactly this one: encrypted MSR only, no switch 7
inline constexpr std::uint32_t kFwLegacyStart = 21000;   ///< legacy commands; code pages 32..63, Vietnamese
inline constexpr std::uint32_t kFwSentinels = 21021;     ///< MSR sentinels
/// First after the legacy commands: RF interface, Bluetooth items, switch "Q",
/// three fonts, 37 code pages, speeds by model.
inline constexpr std::uint32_t kFwLegacyEnd = 101000;
inline constexpr std::uint32_t kFwTearOff = 160902;      ///< tear-off position
/// The number the expected model's firmware takes when its date lies before kFwTearOff.
inline constexpr std::uint32_t kFwDatedBeforeTearOff = 101001;

/// The two command sets; the legacy one serves kFwLegacyStart up to kFwLegacyEnd.
enum class Dialect { Standard, Legacy };

struct FirmwareCapabilities {
    Dialect dialect = Dialect::Standard;
    bool switch3 = false;            ///< switch 3 is read and written by the standard sequences
    bool densityCodes = false;       ///< the density list's position maps to a different code
    bool switch7 = false;            ///< the standard sequences read and write switch 7
    bool encryptedMsrOnly = false;   ///< the handheld's MSR list offers no choice
    bool handheldMsrChoice = false;  ///< the handheld may offer the eight-entry MSR trigger list
    bool codePageBit5 = false;       ///< switch 2 b3 carries CodePage bit 5
    bool vietnamese = false;         ///< code page 30 is "WPC1258 - Vietnamese"
    std::uint32_t codePages = 0;     ///< entries of the code-page list: CodePage 0 .. codePages-1
    bool sentinels = false;          ///< MSR sentinel texts and the sentinel option
    bool threeFonts = false;         ///< FontType 0..2 in the standard switch 8 (else A and B)
    bool speedsByModel = false;      ///< the desktop speed list depends on the model
    bool rfInterface = false;
    bool bluetooth = false;          ///< the Bluetooth items can be read
    bool switchQ = false;            ///< the handheld reads and writes switch "Q"
    bool tearOff = false;
};

FirmwareCapabilities CapabilitiesOf(std::uint32_t firmwareVersion);

/// Record fields that only some firmware reads or writes; every `Other` field
/// is read and written on all of them.
enum class FirmwareField { Other, Bluetooth, BtKeep, RfInterface, TearOff, SentinelOption, SentinelTexts };
/// Whether reading a printer that can do `can` gives the field. BtKeep is a
/// choice of the write, never reported.
bool Reports(const FirmwareCapabilities& can, FirmwareField field);
/// The first firmware whose write sends the field; 0 for every firmware.
std::uint32_t WrittenFrom(FirmwareField field);

Dialect DialectOf(std::uint32_t firmwareVersion);
inline bool IsLegacyDialect(std::uint32_t firmwareVersion) { return DialectOf(firmwareVersion) == Dialect::Legacy; }

}  // namespace pelmora::context
