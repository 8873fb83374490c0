#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "context/Layout.h"

/// The lists and labels of the configuration editors, as data: the desktop
/// pages, the handheld wizard and the command line's labels share them.
namespace pelmora::vmsm::lists {

using Entries = std::vector<std::string>;

// Field labels of the desktop pages.
inline constexpr const char* kDensityLabel = "Printing Density";
inline constexpr const char* kSpeedLabel = "Printing Speed";
inline constexpr const char* kCodePageLabel = "Default Code Page";
inline constexpr const char* kFontLabel = "Default Font Type";
inline constexpr const char* kCharModeLabel = "Double Byte Font Mode";
inline constexpr const char* kServiceLabel = "Printer Service";
inline constexpr const char* kTearOffLabel = "tear off position";
inline constexpr const char* kBeepPaperLabel = "Beep For Roll Paper End";
inline constexpr const char* kBeepLowBatLabel = "Beep Mode For Low Battery End";
inline constexpr const char* kTimeOffLabel = "Auto Power Off Time (Not Connected)";
inline constexpr const char* kTimeSaveLabel = "Auto Power Saving Time (Connected)";
inline constexpr const char* kMsrLabel = "MSR Trigger";
inline constexpr const char* kSentinelLabel = "Sentinal Option";
inline constexpr const char* kBaudLabel = "Baud Rate";
inline constexpr const char* kDataBitsLabel = "Data Bits";
inline constexpr const char* kParityLabel = "Parity";
inline constexpr const char* kStopBitsLabel = "Stop Bits";
inline constexpr const char* kBtSecurityLabel = "Authentication & Encryption";
inline constexpr const char* kBtConnModeLabel = "Connection Mode";
inline constexpr const char* kBtPinLabel = "PIN Code";
inline constexpr const char* kBtNameLabel = "Printer Name";

/// Start and end boxes of the sentinel window, track 1 to 3.
const Entries& SentinelStartLabels();
const Entries& SentinelEndLabels();

/// Density list: index 5 is " 100%". Codes and indexes differ (see below).
const Entries& DensityEntries(context::Layout variant);
/// Record code to list index: 3, 5, 0, 1, 2, 4 -> 0..5; others stand for themselves.
std::uint32_t DensityCodeToIndex(std::uint32_t code);
/// List index to record code; the index itself where the firmware has no density codes.
std::uint32_t DensityIndexToCode(std::uint32_t index, std::uint32_t firmware);

/// Speed list by firmware and model (desktop); the handheld shows one list.
Entries SpeedEntries(context::Layout variant, std::uint32_t firmware, std::uint32_t modelCode);

/// Code pages by firmware; the index is the CodePage value; as many entries
/// as the firmware's capabilities give (37 or 32).
Entries CodePageEntries(context::Layout variant, std::uint32_t firmware);

/// Font choices indexed by FontType. Desktop without three fonts: two (A and B).
Entries FontEntries(context::Layout variant, std::uint32_t firmware);

const Entries& ServiceEntries();     ///< "Receipt", "Label"
const Entries& BeepEntries();        ///< "On", "Off" (index = value)
const Entries& CharModeEntries();    ///< "Off", "On"

/// MSR trigger list (desktop: eight entries, index = Msr).
const Entries& MsrTriggerEntries();
/// The handheld's list by MSR mode character and firmware; a single fixed
/// entry ("Only Encription MSR", "IC card mode") when the printer allows no choice.
Entries HandheldMsrTriggerEntries(std::uint8_t msrMode, std::uint32_t firmware);

const Entries& SentinelModeEntries();  ///< "None", "Static Sentinal", "Dynamic Sentinal"

const Entries& BaudEntries();          ///< link::kBaudRates as texts
/// The baud rate a value shows as: its own, or 19200 for any other value.
std::uint32_t BaudShown(std::uint32_t baudrate);
/// The data bits a record's `Databit` shows as: 7 for 7, else 8.
std::uint32_t DataBitShown(std::uint32_t databit);
/// The stop bits a record's `Flowcontrol` shows as: 1 for 1, else 2.
std::uint32_t StopBitsShown(std::uint32_t flowcontrol);
/// Position of a shown value in its choices (kDataBitChoices, kStopBitChoices), or -1.
int ChoiceIndex(std::span<const std::uint32_t> choices, std::uint32_t shown);
/// The choice at a list position; any other position (none selected) is the last.
std::uint32_t ChoiceAt(std::span<const std::uint32_t> choices, int index);
const Entries& DataBitEntries();       ///< "7", "8"
const Entries& ParityEntries();        ///< "None", "Odd", "Even"
const Entries& StopBitEntries();       ///< "1", "2" (the Flowcontrol field)
const Entries& BtSecurityEntries();    ///< "Disable", "Enable"
const Entries& BtConnModeEntries();    ///< "Mode 1" .. "Mode 3"

/// The entry at `index`, or the index in decimal when the list is shorter.
std::string EntryOr(const Entries& entries, std::uint32_t index);

}  // namespace pelmora::vmsm::lists
