#include "context/FirmwareCapabilities.h"

namespace pelmora::context {

namespace {

constexpr std::uint32_t kCodePagesNarrow = 32;
constexpr std::uint32_t kCodePagesWide = 37;

}  // namespace

Dialect DialectOf(std::uint32_t v) {
    return v >= kFwLegacyStart && v < kFwLegacyEnd ? Dialect::Legacy : Dialect::Standard;
}

FirmwareCapabilities CapabilitiesOf(std::uint32_t v) {
    const bool wide = v >= kFwLegacyEnd;
    FirmwareCapabilities c;
    c.dialect = DialectOf(v);
    c.switch3 = v >= kFwSwitch3;
    c.densityCodes = v >= kFwSwitch3;
    c.switch7 = v != kFwEncryptedMsr;
    c.encryptedMsrOnly = v == kFwEncryptedMsr;
    c.handheldMsrChoice = v > kFwEncryptedMsr;
    c.codePageBit5 = v >= kFwLegacyStart;
    c.vietnamese = v >= kFwLegacyStart;
    c.codePages = wide ? kCodePagesWide : kCodePagesNarrow;
    c.sentinels = v >= kFwSentinels;
    c.threeFonts = wide;
    c.speedsByModel = wide;
    c.rfInterface = wide;
    c.bluetooth = wide;
    c.switchQ = wide;
    c.tearOff = v >= kFwTearOff;
    return c;
}

bool Reports(const FirmwareCapabilities& can, FirmwareField field) {
    switch (field) {
    case FirmwareField::Other: return true;
    case FirmwareField::Bluetooth: return can.bluetooth;
    case FirmwareField::BtKeep: return false;
    case FirmwareField::RfInterface: return can.rfInterface;
    case FirmwareField::TearOff: return can.tearOff;
    // Only the standard switch 8 reply carries the sentinel option.
    case FirmwareField::SentinelOption: return can.sentinels && can.dialect == Dialect::Standard;
    case FirmwareField::SentinelTexts: return can.sentinels;
    }
    return true;
}

std::uint32_t WrittenFrom(FirmwareField field) {
    switch (field) {
    case FirmwareField::RfInterface: return kFwLegacyEnd;
    case FirmwareField::TearOff: return kFwTearOff;
    case FirmwareField::SentinelOption:
    case FirmwareField::SentinelTexts: return kFwSentinels;
    default: return 0;
    }
}

}  // namespace pelmora::context
