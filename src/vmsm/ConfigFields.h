#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "context/FirmwareCapabilities.h"
#include "link/CommSettings.h"
#include "vmsm/PrinterConfig.h"

/// The record's fields by name, with what the editors let a person choose:
/// the desktop pages, the handheld wizard and `pelmora config set` read their
/// ranges, limits and rules here.
namespace pelmora::vmsm {

/// The values the editors offer for a numeric field: `min`..`max`, or only
/// the values of `oneOf` when it is not empty. The record and the printer
/// hold more; the editors keep to these.
struct EditRange {
    std::uint32_t min = 0;
    std::uint32_t max = 0;
    std::span<const std::uint32_t> oneOf{};
    /// The positions of the firmware's code-page list; EditRangeOf resolves it.
    bool codePageList = false;

    constexpr bool Allows(std::uint32_t value) const {
        if (oneOf.empty()) return value >= min && value <= max;
        for (std::uint32_t allowed : oneOf)
            if (allowed == value) return true;
        return false;
    }
};

/// A numeric field by its name (the store's value name and the JSON key).
struct NumberField {
    const char* name;
    std::uint32_t PrinterConfig::*member;
    std::uint32_t storeDefault;
    EditRange edit;
    context::FirmwareField firmware = context::FirmwareField::Other;
};

inline constexpr std::array<std::uint32_t, 2> kDataBitChoices{7, 8};
/// Flowcontrol as the "Stop Bits" list stores it.
inline constexpr std::array<std::uint32_t, 2> kStopBitChoices{1, 2};

/// The seventeen fields kept in the store, in the store's order.
inline constexpr std::array<NumberField, 17> kStoredFields{{
    {"Density", &PrinterConfig::Density, 4, {0, 7}},
    {"Speed", &PrinterConfig::Speed, 0, {0, 1}},
    {"CodePage", &PrinterConfig::CodePage, 0, {.codePageList = true}},
    {"Service", &PrinterConfig::Service, 0, {0, 1}},
    {"FontType", &PrinterConfig::FontType, 0, {0, 2}},
    {"BeepPaper", &PrinterConfig::BeepPaper, 0, {0, 1}},
    {"BeepLowBat", &PrinterConfig::BeepLowBat, 0, {0, 1}},
    {"CharMode", &PrinterConfig::CharMode, 0, {0, 1}},
    {"TimeOff", &PrinterConfig::TimeOff, 0, {0, 90}},
    {"TimeSave", &PrinterConfig::TimeSave, 0, {0, 255}},
    {"CuttingPosition", &PrinterConfig::CuttingPosition, 0, {0, 640}, context::FirmwareField::TearOff},
    {"Msr", &PrinterConfig::Msr, 6, {0, 7}},
    {"Baudrate", &PrinterConfig::Baudrate, 115200, {.oneOf = link::kBaudRates}},
    {"Databit", &PrinterConfig::Databit, 8, {.oneOf = kDataBitChoices}},
    {"Parity", &PrinterConfig::Parity, 0, {0, 2}},
    {"Flowcontrol", &PrinterConfig::Flowcontrol, 1, {.oneOf = kStopBitChoices}},
    {"Sentinel", &PrinterConfig::Sentinel, 0, {0, 2}, context::FirmwareField::SentinelOption},
}};

/// The numeric fields the store does not keep.
inline constexpr std::array<NumberField, 4> kUnstoredNumberFields{{
    {"BtSecurity", &PrinterConfig::BtSecurity, 0, {0, 1}, context::FirmwareField::Bluetooth},
    {"BtConnMode", &PrinterConfig::BtConnMode, 0, {0, 2}, context::FirmwareField::Bluetooth},
    {"BtKeep", &PrinterConfig::BtKeep, 0, {0, 1}, context::FirmwareField::BtKeep},
    {"RfInterface", &PrinterConfig::RfInterface, 0, {0, 2}, context::FirmwareField::RfInterface},
}};

/// A Bluetooth text with the most bytes its box takes. Together they stay
/// within the 93 bytes the Bluetooth command has room for.
struct TextField {
    const char* name;
    std::string PrinterConfig::*member;
    std::size_t maxLength;
    context::FirmwareField firmware = context::FirmwareField::Bluetooth;
};

inline constexpr std::array<TextField, 2> kBluetoothTexts{{
    {"BtPinCode", &PrinterConfig::BtPinCode, 12},
    {"BtDeviceName", &PrinterConfig::BtDeviceName, 30},
}};

/// The fields SetStatus sends together, or not at all (BtKeep 1).
inline constexpr std::array<std::string_view, 4> kBluetoothFields{"BtSecurity", "BtConnMode", "BtPinCode",
                                                                  "BtDeviceName"};

/// Null for a name that is no numeric (text) field.
const NumberField* FindNumberField(std::string_view name);
const TextField* FindTextField(std::string_view name);
/// The entry of a numeric member; every one has one.
const NumberField& NumberFieldOf(std::uint32_t PrinterConfig::*member);
const TextField& TextFieldOf(std::string PrinterConfig::*member);

/// What the editors offer for `field` on a printer with `firmware`: for
/// CodePage, the positions of that firmware's code-page list.
EditRange EditRangeOf(const NumberField& field, std::uint32_t firmware);

/// What the record can hold, where that is wider than the editors allow (a
/// printer may report such a value, and it may go back to that printer
/// unchanged); the edit range elsewhere. CodePage: every code the switches
/// can carry.
EditRange HeldRangeOf(const NumberField& field);

/// What a number box of the editors holds. `value` is meaningful for Ok only.
struct NumberBox {
    enum Check { Ok, OutOfRange, NotANumber } check = NotANumber;
    std::uint32_t value = 0;
};
/// Reads a box's text against `range`: blanks around digits are allowed;
/// an empty box, a sign or any other character is not a whole number, and
/// one too large for 32 bits is out of range.
NumberBox ReadNumberBox(std::string_view text, const EditRange& range);

/// A Bluetooth text can be sent unless it holds CR, which ends it early in
/// the command, or NUL.
bool IsSendableText(std::string_view text);

bool IsBluetoothField(std::string_view name);

/// Which firmware reads and writes the named field (sentinel texts by their
/// base name or as "StartSentinel[2]").
context::FirmwareField FirmwareFieldOf(std::string_view name);
/// Whether reading a printer with `firmware` gives the field. What it does not
/// give is the store's or the editors' value, never the printer's, so it is
/// not shown or saved as the printer's.
bool IsReportedBy(std::string_view name, std::uint32_t firmware);
/// BtKeep for a write that sends the Bluetooth settings, or leaves the
/// printer's as they are.
constexpr std::uint32_t BtKeepFor(bool sendBluetooth) { return sendBluetooth ? 0 : 1; }

/// The Bluetooth fields as the editors start them: as read, or, on firmware
/// that reports none, security 1, mode 1 ("Mode 2"), PIN "5291" and the
/// printer's model name.
void StartBluetoothFields(PrinterConfig& config, std::uint32_t firmware, const std::string& modelName);

}  // namespace pelmora::vmsm
