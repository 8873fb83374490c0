#pragma once
#include <cstdint>
#include <string>

#include "vmsm/ConfigLists.h"

/// What the five wizard steps show and hand back, apart from their widgets.
namespace pelmora::handheld {

enum class WizardStep { One = 1, Two, Three, Four, Five };
inline constexpr int kWizardSteps = 5;

/// The Cancel question carries the program's title on the first and last
/// step, the manager's on the others.
constexpr bool AsksAsProgram(WizardStep step) { return step == WizardStep::One || step == WizardStep::Five; }

/// Step 2's MSR trigger list and what the printer's MSR allows.
struct MsrChoice {
    vmsm::lists::Entries entries;
    bool listEnabled = true;        ///< false when the printer has one fixed mode
    bool sentinelsAllowed = true;   ///< "Advance.." usable; else the sentinel mode goes back as 0
};
MsrChoice HandheldMsrChoice(std::uint8_t msrMode, std::uint32_t firmware);

/// Step 2's tear-off box: only firmware with a tear-off position shows the
/// record's value; it can be edited for the label service only.
bool TearOffShown(std::uint32_t firmware);
bool TearOffEditable(std::uint32_t firmware, bool labelService);

/// Step 4's lists open where the desktop's interface page does
/// (vmsm::lists::BaudShown, DataBitShown, StopBitsShown); as list positions:
int ShownBaudIndex(std::uint32_t baudrate);
int DataBitIndex(std::uint32_t databit);
int StopBitIndex(std::uint32_t flowcontrol);

}  // namespace pelmora::handheld
