#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "sim/PrinterModel.h"

namespace pelmora::sim {

/// What the printer keeps of its configuration.
struct PrinterSettings {
    /// Switch bits by address (1..8, 'P', 'Q'); bit 0x80 is b8.
    std::map<std::uint8_t, std::uint8_t> switches;
    /// Serial settings 1..4 as the printer reports them: baud text, then one digit each.
    std::array<std::string, 4> serial;
    std::uint16_t tearOff = 0;
    std::array<std::string, 3> startSentinel;
    std::array<std::string, 3> endSentinel;
    std::uint8_t btSecurity = '1';  ///< digit
    std::uint8_t btConnMode = '2';  ///< digit "1".."3"
    std::string btPinCode;
    std::string btDeviceName;

    std::uint8_t Switch(std::uint8_t n) const;
    bool operator==(const PrinterSettings&) const = default;
};

/// What the factory-default block leaves (switch 3 keeps its upper bits; a
/// fresh printer has them clear).
PrinterSettings FactorySettings();

/// The memory-switch commands of both dialects, the MSR sentinels, the
/// Bluetooth items and the factory-default block (which is just its twenty
/// commands back to back). Switch, serial, tear-off and RF writes take effect
/// only inside setting mode; "2" in a bit position leaves that bit alone.
class ConfigHandler final : public CommandHandler {
public:
    explicit ConfigHandler(PrinterModel& printer) : printer_(printer) {}

    Match Handle(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                 std::vector<Reply>& replies) override;
    void SaveState(nlohmann::json& state) const override;
    void LoadState(const nlohmann::json& state) override;

    PrinterSettings settings = FactorySettings();
    bool inSettingMode() const { return settingMode_; }

private:
    Match Standard(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                   std::vector<Reply>& replies);
    Match Legacy(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                 std::vector<Reply>& replies);
    bool SharedFunction(std::uint8_t fn, std::span<const std::uint8_t> args, const std::string& dialect,
                        std::string& key, std::vector<Reply>& replies);
    Match LegacyRecord(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key);
    Match Sentinel(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                   std::vector<Reply>& replies);
    Match Bluetooth(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                    std::vector<Reply>& replies);
    void WriteSwitchBits(std::uint8_t n, std::span<const std::uint8_t> bits);

    [[maybe_unused]] PrinterModel& printer_;
    bool settingMode_ = false;
    int legacyRecordsLeft_ = 0;
    std::size_t legacyRecordIndex_ = 0;
    std::size_t legacyRecordCount_ = 0;
};

}  // namespace pelmora::sim
