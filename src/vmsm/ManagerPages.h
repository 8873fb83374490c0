#pragma once
#include <cstdint>
#include <string>

#include "vmsm/PrinterConfig.h"
#include "vmsm/SentinelCheck.h"

namespace pelmora::context { class PrinterContext; }

/// What the three pages of the desktop memory-switch manager edit, with the
/// rules that fill them from the record and copy them back. The window only
/// shows these fields; the rules live here so that they are testable alone.
namespace pelmora::vmsm {

/// What identification learned about the printer that the pages depend on.
struct PrinterFacts {
    std::uint32_t firmware = 0;
    std::uint32_t modelCode = 0;
    std::string modelName;
    std::string versionText;
    std::string codePageText;
};
PrinterFacts FactsOf(const context::PrinterContext& util);

/// "Printer Setting 1". Indexes are list (or radio) positions.
struct Page1Fields {
    std::uint32_t densityIndex = 0;
    std::uint32_t speed = 0;
    std::uint32_t codePage = 0;
    std::uint32_t fontRadio = 0;  ///< 0..2; below three fonts the first radio is hidden
    std::uint32_t charMode = 0;
};

/// "Printer Setting 2".
struct Page2Fields {
    std::uint32_t service = 0;
    std::uint32_t beepPaper = 0;
    std::uint32_t beepLowBat = 0;
    std::uint32_t msr = 0;
    std::uint32_t timeOff = 0;
    std::uint32_t timeSave = 0;
    std::uint32_t cuttingPosition = 0;
    std::uint32_t sentinel = SentinelNone;
    SentinelSix sentinels;  ///< start of tracks 1..3, then end of tracks 1..3
};

/// "Printer interface".
struct Page3Fields {
    std::uint32_t baudrate = 0;  ///< always one of the baud list's entries
    std::uint32_t databit = 8;
    std::uint32_t parity = 0;
    std::uint32_t stopBits = 1;  ///< the record's Flowcontrol
    std::uint32_t connMode = 0;
    std::uint32_t security = 0;
    std::string pinCode;
    std::string deviceName;
    std::uint32_t keepBluetooth = 1;  ///< 0 once "Enable Bluetooth Setting" is ticked
    std::uint32_t rfInterface = 0;    ///< no control edits it
};

struct ManagerFields {
    Page1Fields page1;
    Page2Fields page2;
    Page3Fields page3;
};

/// The fields as the pages open on `record` for this printer.
ManagerFields ShowRecord(const PrinterConfig& record, const PrinterFacts& facts);

/// How the manager window ended with OK.
enum class ManagerEnd { Save, Default };

/// Copies the fields back into `record`. Save stores the density as its code;
/// Default leaves the list position in `Density`. The Bluetooth values go
/// back only when the Bluetooth box was ticked, RfInterface only on firmware
/// that has it. On Save a field still as `shown` (what ShowRecord gave for
/// `record`) leaves the record's value as read, even one no list entry shows.
void CopyBack(const ManagerFields& shown, const ManagerFields& fields, ManagerEnd end, std::uint32_t firmware,
              PrinterConfig& record);

/// Whether "Printer Service" may be changed on this model.
bool ServiceEditable(std::uint32_t modelCode);
/// Whether the tear-off box takes input: firmware with the tear-off position
/// and the "Label" service.
bool TearOffEditable(std::uint32_t firmware, std::uint32_t service);

}  // namespace pelmora::vmsm
