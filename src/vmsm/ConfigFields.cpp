#include "vmsm/ConfigFields.h"

#include <algorithm>

#include "context/FirmwareCapabilities.h"

namespace pelmora::vmsm {

namespace {

template <class Table, class Match>
auto Find(const Table& table, Match match) -> decltype(&table[0]) {
    const auto it = std::find_if(table.begin(), table.end(), match);
    return it == table.end() ? nullptr : &*it;
}

}  // namespace

const NumberField* FindNumberField(std::string_view name) {
    const auto named = [name](const NumberField& f) { return name == f.name; };
    if (const NumberField* f = Find(kStoredFields, named)) return f;
    return Find(kUnstoredNumberFields, named);
}

const TextField* FindTextField(std::string_view name) {
    return Find(kBluetoothTexts, [name](const TextField& f) { return name == f.name; });
}

const NumberField& NumberFieldOf(std::uint32_t PrinterConfig::*member) {
    const auto same = [member](const NumberField& f) { return f.member == member; };
    if (const NumberField* f = Find(kStoredFields, same)) return *f;
    return *Find(kUnstoredNumberFields, same);
}

const TextField& TextFieldOf(std::string PrinterConfig::*member) {
    return *Find(kBluetoothTexts, [member](const TextField& f) { return f.member == member; });
}

EditRange EditRangeOf(const NumberField& field, std::uint32_t firmware) {
    if (!field.edit.codePageList) return field.edit;
    return {.min = 0, .max = context::CapabilitiesOf(firmware).codePages - 1};
}

EditRange HeldRangeOf(const NumberField& field) {
    // The legacy serial setting also reports 1200.
    static constexpr std::array<std::uint32_t, 8> kHeldBaudRates{1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    struct Held {
        std::uint32_t PrinterConfig::*member;
        EditRange range;
    };
    static const Held kHeld[] = {
        {&PrinterConfig::CodePage, {.min = 0, .max = 63}},
        {&PrinterConfig::TimeOff, {.min = 0, .max = 127}},
        {&PrinterConfig::CuttingPosition, {.min = 0, .max = 65535}},
        {&PrinterConfig::Msr, {.min = 0, .max = 15}},
        {&PrinterConfig::Flowcontrol, {.min = 0, .max = 9}},
        {&PrinterConfig::BtSecurity, {.min = 0, .max = 9}},
        {&PrinterConfig::Baudrate, {.oneOf = kHeldBaudRates}},
    };
    for (const Held& held : kHeld)
        if (held.member == field.member) return held.range;
    return field.edit;
}

NumberBox ReadNumberBox(std::string_view text, const EditRange& range) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return {};
        // Keeps counting past 32 bits without wrapping; all that matters then is "too large".
        value = std::min<std::uint64_t>(value * 10 + static_cast<std::uint64_t>(c - '0'), UINT64_C(1) << 33);
    }
    if (value > UINT32_MAX || !range.Allows(static_cast<std::uint32_t>(value))) return {NumberBox::OutOfRange};
    return {NumberBox::Ok, static_cast<std::uint32_t>(value)};
}

bool IsSendableText(std::string_view text) {
    return text.find_first_of(std::string_view("\r\0", 2)) == std::string_view::npos;
}

bool IsBluetoothField(std::string_view name) {
    return std::find(kBluetoothFields.begin(), kBluetoothFields.end(), name) != kBluetoothFields.end();
}

context::FirmwareField FirmwareFieldOf(std::string_view name) {
    if (const NumberField* number = FindNumberField(name)) return number->firmware;
    if (const TextField* text = FindTextField(name)) return text->firmware;
    if (name.starts_with("StartSentinel") || name.starts_with("EndSentinel")) return context::FirmwareField::SentinelTexts;
    return context::FirmwareField::Other;
}

bool IsReportedBy(std::string_view name, std::uint32_t firmware) {
    return context::Reports(context::CapabilitiesOf(firmware), FirmwareFieldOf(name));
}

void StartBluetoothFields(PrinterConfig& config, std::uint32_t firmware, const std::string& modelName) {
    if (context::CapabilitiesOf(firmware).bluetooth) return;
    config.BtSecurity = 1;
    config.BtConnMode = 1;
    config.BtPinCode = "5291";
    config.BtDeviceName = modelName;
}

}  // namespace pelmora::vmsm
