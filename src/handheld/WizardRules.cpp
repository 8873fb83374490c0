#include "handheld/WizardRules.h"

#include "context/FirmwareCapabilities.h"
#include "link/CommSettings.h"
#include "vmsm/ConfigFields.h"

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

int DataBitIndex(std::uint32_t databit) {
    return vmsm::lists::ChoiceIndex(vmsm::kDataBitChoices, vmsm::lists::DataBitShown(databit));
}

int StopBitIndex(std::uint32_t flowcontrol) {
    return vmsm::lists::ChoiceIndex(vmsm::kStopBitChoices, vmsm::lists::StopBitsShown(flowcontrol));
}

}  // namespace pelmora::handheld
