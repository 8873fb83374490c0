#include "vmsm/ConfigLists.h"

#include <algorithm>
#include <array>

#include "context/FirmwareCapabilities.h"
#include "link/CommSettings.h"

namespace pelmora::vmsm::lists {

namespace {

// Code and index of the density list; 6 and 7 map onto themselves.
constexpr std::array<std::uint32_t, 6> kDensityCodeOfIndex{3, 5, 0, 1, 2, 4};

const Entries kCodePages30 = {
    "PC437 - USA, Standard Europe", "Katakana", "PC850 - Multilingual", "PC860 - Portuguese",
    "PC863 - Canadian-French", "PC865 - Nordic", "WPC1252 - Latin I", "PC866 - Cyrillic #2",
    "PC852 - Latin 2", "PC858 - Euro", "PC862 - Hebrew DOS code", "PC864 - Arabic",
    "Thai character code 42", "WPC1253 - Greek", "WPC1254 - Turkish", "WPC1257 - Baltic",
    "Farsi", "WPC1251 - Cyrillic", "PC737 - Greek", "PC775 - Baltic",
    "Thai character code 14", "Reserved", "WPC1255 - Hebrew new code", "Thai character code 11",
    "Thai character code 18", "PC855 - Cyrillic", "PC857 - Turkish", "PC928 - Greek",
    "Thai character code 16", "WPC1256 - Arabic",
};

}  // namespace

const Entries& SentinelStartLabels() {
    static const Entries e{"Track1 Start Code", "Track2 Start Code", "Track3 Start Code"};
    return e;
}

const Entries& SentinelEndLabels() {
    static const Entries e{"Track1 End Code", "Track2 End Code", "Track3 End Code"};
    return e;
}

const Entries& DensityEntries(context::Layout variant) {
    static const Entries desktop{" 150%", " 140%", " 130%", " 120%", " 110%", " 100%", "  90%", "  80%"};
    static const Entries handheld{"print density 150%", "print density 140%", "print density 130%",
                                  "print density 120%", "print density 110%", "print density 100%",
                                  "print density 90%",  "print density 80%"};
    return variant == context::Layout::Desktop ? desktop : handheld;
}

std::uint32_t DensityCodeToIndex(std::uint32_t code) {
    for (std::uint32_t i = 0; i < kDensityCodeOfIndex.size(); ++i)
        if (kDensityCodeOfIndex[i] == code) return i;
    return code;
}

std::uint32_t DensityIndexToCode(std::uint32_t index, std::uint32_t firmware) {
    if (!context::CapabilitiesOf(firmware).densityCodes || index >= kDensityCodeOfIndex.size()) return index;
    return kDensityCodeOfIndex[index];
}

Entries SpeedEntries(context::Layout variant, std::uint32_t firmware, std::uint32_t modelCode) {
    if (variant == context::Layout::Handheld) return {"100mm/s", "50mm/s"};
    if (!context::CapabilitiesOf(firmware).speedsByModel || modelCode == 900) return {"80mm/s", "50mm/s"};
    if (modelCode == 701 || modelCode == 702 || modelCode == 710) return {"90mm/s", "50mm/s"};
    return {"100mm/s", "50mm/s"};
}

Entries CodePageEntries(context::Layout variant, std::uint32_t firmware) {
    const auto can = context::CapabilitiesOf(firmware);
    Entries e = kCodePages30;
    e.push_back(can.vietnamese ? "WPC1258 - Vietnamese" : "Reserved");
    // A list that goes on past page 31 has KHMER there and WPC1250 last.
    if (can.codePages > e.size() + 1) {
        for (const char* page : {"KHMER", "Reserved", "Reserved", "Reserved", "Reserved"}) e.push_back(page);
        e.push_back(variant == context::Layout::Desktop ? "WPC1250 - Latin 2" : "WPC1250 ");
    } else {
        e.push_back("Reserved");
    }
    return e;
}

Entries FontEntries(context::Layout variant, std::uint32_t firmware) {
    if (variant == context::Layout::Handheld) return {"12x24 A Font", "9x 24 B Font", "9x24 C Font"};
    if (context::CapabilitiesOf(firmware).threeFonts)
        return {"Font A ( 12 x 24 )", "Font B ( 9 x 17 ) ", "Font C ( 9 x 24 )"};
    return {"A font(12x24)", "B font(9x24)"};
}

const Entries& ServiceEntries() {
    static const Entries e{"Receipt", "Label"};
    return e;
}

const Entries& BeepEntries() {
    static const Entries e{"On", "Off"};
    return e;
}

const Entries& CharModeEntries() {
    static const Entries e{"Off", "On"};
    return e;
}

const Entries& MsrTriggerEntries() {
    static const Entries e{
        "Track 1/2/3 read mode command",    "Track 1 read mode AUTO trigger",
        "Track 2 read mode AUTO trigger",   "Track 3 read mode AUTO trigger",
        "Track 1/2 read mode AUTO trigger", "Track 2/3 read mode AUTO trigger",
        "Track 1/2/3 read mode AUTO trigger", "Not used MSR trigger",
    };
    return e;
}

Entries HandheldMsrTriggerEntries(std::uint8_t msrMode, std::uint32_t firmware) {
    const auto can = context::CapabilitiesOf(firmware);
    if (msrMode == 0x50 || can.encryptedMsrOnly) return {"Only Encription MSR"};
    if (msrMode == 0x60) return {"IC card mode"};
    if (msrMode < 0x39 || !can.handheldMsrChoice)
        return {"Track 1/2 read mode command",      "Track 2/3 read mode command",
                "Track 1 read mode AUTO trigger",   "Track 2 read mode AUTO trigger",
                "Track 1/2 read mode AUTO trigger", "Track 2 read mode AUTO trigger",
                "Track 3 read mode AUTO trigger",   "Track 2/3 read mode AUTO trigger",
                "Not used MSR trigger"};
    return MsrTriggerEntries();
}

const Entries& SentinelModeEntries() {
    static const Entries e{"None", "Static Sentinal", "Dynamic Sentinal"};
    return e;
}

const Entries& BaudEntries() {
    static const Entries e = [] {
        Entries texts;
        for (std::uint32_t rate : link::kBaudRates) texts.push_back(std::to_string(rate));
        return texts;
    }();
    return e;
}

std::uint32_t BaudShown(std::uint32_t baudrate) {
    constexpr std::uint32_t kOtherwise = 19200;
    return link::IsListedBaudRate(baudrate) ? baudrate : kOtherwise;
}

std::uint32_t DataBitShown(std::uint32_t databit) { return databit == 7 ? 7 : 8; }

std::uint32_t StopBitsShown(std::uint32_t flowcontrol) { return flowcontrol == 1 ? 1 : 2; }

int ChoiceIndex(std::span<const std::uint32_t> choices, std::uint32_t shown) {
    const auto found = std::find(choices.begin(), choices.end(), shown);
    return found == choices.end() ? -1 : static_cast<int>(found - choices.begin());
}

std::uint32_t ChoiceAt(std::span<const std::uint32_t> choices, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < choices.size() ? choices[static_cast<std::size_t>(index)]
                                                                           : choices.back();
}

const Entries& DataBitEntries() {
    static const Entries e{"7", "8"};
    return e;
}

const Entries& ParityEntries() {
    static const Entries e{"None", "Odd", "Even"};
    return e;
}

const Entries& StopBitEntries() {
    static const Entries e{"1", "2"};
    return e;
}

const Entries& BtSecurityEntries() {
    static const Entries e{"Disable", "Enable"};
    return e;
}

const Entries& BtConnModeEntries() {
    static const Entries e{"Mode 1", "Mode 2", "Mode 3"};
    return e;
}

std::string EntryOr(const Entries& entries, std::uint32_t index) {
    return index < entries.size() ? entries[index] : std::to_string(index);
}

}  // namespace pelmora::vmsm::lists
