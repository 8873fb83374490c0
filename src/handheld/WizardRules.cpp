#include "handheld/WizardRules.h"

#include "context/FirmwareCapabilities.h"
#include "link/CommSettings.h"

namespace pelmora::handheld {

namespace {

constexpr std::uint8_t kIcCardMode = 0x60;

}  // namespace

MsrChoice HandheldMsrChoice(std::uint8_t msrMode, std::uint32_t firmware) {
    MsrChoice choice;
    choice.entries = vmsm::lists::HandheldMsrTriggerEntries(msrMode, firmware);
    choice.listEnabled = choice.entries.size() > 1;
    choice.sentinelsAllowed = msrMode != kIcCardMode && context::CapabilitiesOf(firmware).sentinels;
    return choice;
}

bool TearOffShown(std::uint32_t firmware) { return context::CapabilitiesOf(firmware).tearOff; }

bool TearOffEditable(std::uint32_t firmware, bool labelService) { return TearOffShown(firmware) && labelService; }

int ShownBaudIndex(std::uint32_t baudrate) { return link::BaudIndexOf(vmsm::lists::BaudShown(baudrate)); }

int DataBitIndex(std::uint32_t databit) { return databit == 7 ? 0 : 1; }
std::uint32_t DataBitOfIndex(int index) { return index == 0 ? 7 : 8; }

int StopBitIndex(std::uint32_t flowcontrol) { return flowcontrol == 1 ? 0 : 1; }
std::uint32_t StopBitOfIndex(int index) { return index == 0 ? 1 : 2; }

}  // namespace pelmora::handheld
