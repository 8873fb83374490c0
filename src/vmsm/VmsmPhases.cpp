#include "vmsm/VmsmPhases.h"

#include <array>

#include "context/FirmwareCapabilities.h"
#include "vmsm/SwitchMap.h"

namespace pelmora::vmsm {

namespace {

using enum Op;
using enum When;

constexpr PhaseRow kGetEntry[] = {
    {.op = OpenLink, .desktopMessage = "Port open error!", .handheldMessage = "Port Open Error!!!"},
    {.stepsBefore = 5, .op = QueryModel, .desktopMessage = "Printer model is not matched!",
     .handheldMessage = "Printer Model name not matched...!!"},
    {.stepsBefore = 5, .op = QueryVersion, .desktopMessage = "Failed to get printer version!",
     .handheldMessage = "Failed to get Printer version..!!"},
    {.stepsBefore = 5, .arm = phase::StandardRead, .armLegacy = phase::LegacyRead, .armDelayMs = 100},
};

constexpr PhaseRow kSetEntry[] = {
    {.op = OpenLink, .desktopMessage = "Port open error!", .handheldMessage = "Port Open Error!!!"},
    {.stepsBefore = 5, .arm = phase::StandardWrite, .armLegacy = phase::LegacyWrite, .armDelayMs = 100},
};

constexpr PhaseRow kFactoryEntry[] = {
    {.op = OpenLink, .desktopMessage = "Port open error!", .handheldMessage = "Port Open Error!!!"},
    {.stepsBefore = 5, .op = FactoryDefault, .desktopMessage = "Failed to set factory default!",
     .handheldMessage = "Failed to set factory default!", .slowSteps = 99, .slowPauseMs = 50},
    {.arm = phase::Completion, .armDelayMs = 100},
};

// Reads switch n with the same message on both programs.
constexpr PhaseRow ReadSw(int n, const char* message, When when = Always, int stepsAfter = 4) {
    return {.when = when, .op = ReadSwitch, .arg = n, .desktopMessage = message, .handheldMessage = message,
            .stepsAfter = stepsAfter};
}

constexpr PhaseRow Row(When when, Op op, int arg, const char* desktop, const char* handheld, int stepsAfter = 4,
                       std::optional<context::Layout> only = {}) {
    return {.only = only, .when = when, .op = op, .arg = arg, .desktopMessage = desktop,
            .handheldMessage = handheld, .stepsAfter = stepsAfter};
}

constexpr PhaseRow kStandardRead[] = {
    Row(Always, QueryCodePage, 0, nullptr, "Failed to get Codepage..!!", 4, context::Layout::Handheld),
    Row(Always, QueryMsrMode, 0, nullptr, "Failed to get MSR Mode..!!", 4, context::Layout::Handheld),
    {.stepsBefore = 4, .pauseMs = 500},
    ReadSw(1, "Failed to read SW1 data!"),
    ReadSw(2, "Failed to read SW2 data!"),
    ReadSw(3, "Failed to read SW3 data!", Switch3),
    ReadSw(5, "Failed to read SW5 data!"),
    ReadSw(6, "Failed to read SW6 data!"),
    ReadSw(7, "Failed to read SW7 data!", Switch7),
    ReadSw(8, "Failed to read SW8 data!", Always, 0),
    Row(TearOff, ReadTearOff, 0, "Failed to get tear off position!", "Failed to get tear off position!", 0),
    Row(SwitchQ, ReadSwitch, 'Q', nullptr, "Failed to read SW51 data!", 4, context::Layout::Handheld),
    {.stepsBefore = 12},
    Row(Always, ReadSerial, 1, "Failed to read IFSW1 data!", "Failed to read IFSW1 data!"),
    Row(Always, ReadSerial, 2, "Failed to read IFSW2 data!", "Failed to read IFSW2 data!"),
    Row(Always, ReadSerial, 3, "Failed to read IFSW3 data!", "Failed to read IFSW3 data!"),
    Row(Always, ReadSerial, 4, "Failed to read IFSW4 data!", "Failed to read IFSW4 data!"),
    Row(Sentinels, ReadSentinels, 1, "Failed to read track1 sentinal code!", "Failed to read track1 Sentinel code!!"),
    Row(Sentinels, ReadSentinels, 2, "Failed to read track2 sentinal code!", "Failed to read track2 Sentinel code!!"),
    Row(Sentinels, ReadSentinels, 3, "Failed to read track3 sentinal code!", "Failed to read track3 Sentinel code!!"),
    Row(RfInterface, ReadRf, 0, "Failed to read RF Interface!", "Failed to read RFInterface info!!"),
    Row(Bluetooth, ReadBt, 'c', "Failed to read Bluetooth connection mode!",
        "Failed to read Bluetooth connection mode!!"),
    Row(Bluetooth, ReadBt, 'd', "Failed to read Bluetooth device name!", "Failed to read Bluetooth device name!!"),
    Row(Bluetooth, ReadBt, 'k', "Failed to read Bluetooth PIN code!", "Failed to read Bluetooth pin code!!"),
    Row(Bluetooth, ReadBt, 's', "Failed to read Bluetooth encryption infomation!",
        "Failed to read Bluetooth encryption info..!!"),
    {.stepsBefore = 4, .arm = phase::Completion, .armDelayMs = 100},
};

constexpr PhaseRow kLegacyRead[] = {
    Row(Always, QueryCodePage, 0, "Failed to get code page!", "Failed to get Codepage..!!"),
    Row(Always, QueryMsrMode, 0, "Failed to get MSR mode!", "Failed to get MSR Mode..!!"),
    Row(Always, ReadSwitchLegacy, 1, "Failed to read MSW1 data!", "Failed to read MSW1..!!"),
    Row(Always, ReadSwitchLegacy, 2, "Failed to read MSW2 data!", "Failed to read MSW2..!!"),
    Row(Always, ReadSwitchLegacy, 3, "Failed to read MSW3 data!", "Failed to read MSW3..!!"),
    Row(Always, ReadSwitchLegacy, 5, "Failed to read MSW5 data!", "Failed to read MSW5..!!"),
    Row(Always, ReadSwitchLegacy, 6, "Failed to read MSW6 data!", "Failed to read MSW6..!!"),
    Row(MsrNotP, ReadSwitchLegacy, 7, "Failed to read MSW7 data!", "Failed to read MSW7..!!"),
    Row(Always, ReadSwitchLegacy, 8, "Failed to read MSW8 data!", "Failed to read MSW8..!!"),
    Row(Always, ReadSerialLegacy, 1, "Failed to read IFSW1 data!", "Failed to read IFSW1..!!"),
    Row(Always, ReadSerialLegacy, 2, "Failed to read IFSW2 data!", "Failed to read IFSW2..!!"),
    Row(Always, ReadSerialLegacy, 3, "Failed to read IFSW3 data!", "Failed to read IFSW3..!!"),
    Row(Always, ReadSerialLegacy, 4, "Failed to read IFSW4 data!", "Failed to read IFSW4..!!"),
    Row(Sentinels, ReadSentinels, 1, "Failed to read track1 sentinal code!", "Failed to read track1 Sentinel code!!"),
    Row(Sentinels, ReadSentinels, 2, "Failed to read track2 sentinal code!", "Failed to read track2 Sentinel code!!"),
    Row(Sentinels, ReadSentinels, 3, "Failed to read track3 sentinal code!", "Failed to read track3 Sentinel code!!"),
    {.when = Sentinels, .stepsBefore = 4},
    {.arm = phase::Completion, .armDelayMs = 100},
};

constexpr const char* kEnterFailed = "Failed to set initial command!";
constexpr const char* kEndFailed = "Failed to write setting end command!";
constexpr const char* kEndFailedHandheld = "Failed to write setting end cmd!!!";
constexpr const char* kBtFailed = "Failed to set Bluetooth infomation!";
constexpr const char* kBtFailedHandheld = "Failed to set Bluetooth info!!!";

constexpr PhaseRow WriteSw(int n, const char* desktop, const char* handheld, When when = Always,
                           int stepsAfter = 4) {
    return Row(when, WriteSwitch, n, desktop, handheld, stepsAfter);
}

constexpr PhaseRow kStandardWrite[] = {
    Row(Always, EnterSetting, 0, kEnterFailed, "Failed to set Init command..!!"),
    WriteSw(1, "Failed to read MSW1 data!", "Failed to set MSW1..!!"),
    WriteSw(2, "Failed to read MSW2 data!", "Failed to set MSW2..!!"),
    WriteSw(3, "Failed to read MSW3 data!", "Failed to set MSW3..!!", Switch3),
    WriteSw(5, "Failed to read MSW5 data!", "Failed to set MSW5..!!"),
    WriteSw(6, "Failed to read MSW6 data!", "Failed to set MSW6..!!"),
    WriteSw(7, "Failed to read MSW7 data!", "Failed to set MSW7..!!", Switch7),
    WriteSw(8, "Failed to read MSW8 data!", "Failed to set MSW8..!!", Always, 12),
    Row(Always, WriteSerial, 1, "Failed to read IFSW1 data!", "Failed to set IFSW1 data!!!"),
    Row(SwitchQ, WriteSwitch, 'Q', nullptr, "Failed to set SW51 data!!!", 4, context::Layout::Handheld),
    Row(Always, WriteSerial, 2, "Failed to read IFSW2 data!", "Failed to set IFSW2 data!!!"),
    Row(Always, WriteSerial, 3, "Failed to read IFSW3 data!", "Failed to set IFSW3 data!!!"),
    Row(Always, WriteSerial, 4, "Failed to read IFSW4 data!", "Failed to set IFSW4 data!!!", 0),
    Row(TearOff, WriteTearOff, 0, "Failed to get tear off position!", nullptr, 4, context::Layout::Desktop),
    {.stepsBefore = 4},
    Row(Sentinels, WriteSentinels, 1, "Failed to set sentinal character of track1!",
        "Failed to set Sentinal char of Track1!!!"),
    Row(Sentinels, WriteSentinels, 2, "Failed to set sentinal character of track2!",
        "Failed to set Sentinal char of Track2!!!"),
    Row(Sentinels, WriteSentinels, 3, "Failed to set sentinal character of track3!",
        "Failed to set Sentinal char of Track3!!!"),
    Row(RfInterface, WriteRf, 0, "Failed to set RF Interface!", nullptr, 4, context::Layout::Desktop),
    // The handheld sends RF and Bluetooth before leaving setting mode.
    {.only = context::Layout::Handheld, .when = RfInterface, .op = WriteRf, .handheldMessage = "Failed to set RFInterface info!!!",
     .slowSteps = 20, .slowPauseMs = 200},
    {.only = context::Layout::Handheld, .when = BtKeepOff, .op = WriteBt, .handheldMessage = kBtFailedHandheld,
     .slowSteps = 20, .slowPauseMs = 200},
    Row(Always, EndSetting, 0, kEndFailed, kEndFailedHandheld),
    {.arm = phase::Completion, .armDelayMs = 1000},
    // The desktop sends Bluetooth after the end of setting mode, with the timer already armed.
    {.only = context::Layout::Desktop, .when = BtKeepOff, .op = WriteBt, .desktopMessage = kBtFailed,
     .slowSteps = 20, .slowPauseMs = 200},
};

constexpr PhaseRow WriteSwL(int n, const char* desktop, const char* handheld, When when = Always) {
    return Row(when, WriteSwitchLegacy, n, desktop, handheld, 7);
}

constexpr PhaseRow kLegacyWrite[] = {
    Row(Always, EnterSettingLegacy, 0, kEnterFailed, "Failed to set Init Cmd..!!", 7),
    WriteSwL(1, "Failed to read MSW1 data!", "Failed to set MSW1..!!"),
    WriteSwL(2, "Failed to read MSW2 data!", "Failed to set MSW2..!!"),
    WriteSwL(3, "Failed to read MSW3 data!", "Failed to set MSW3..!!"),
    WriteSwL(5, "Failed to read MSW5 data!", "Failed to set MSW5..!!"),
    WriteSwL(6, "Failed to read MSW6 data!", "Failed to set MSW6..!!"),
    WriteSwL(7, "Failed to read MSW7 data!", "Failed to set MSW7..!!", MsrNotP),
    WriteSwL(8, "Failed to read MSW8 data!", "Failed to set MSW8..!!"),
    Row(Always, WriteSerialsLegacy, 0, "Failed to set serial infomation!", "Failed to set serial info..!!", 7),
    Row(Always, EndSettingLegacy, 0, kEndFailed, nullptr, 7, context::Layout::Desktop),
    Row(Sentinels, WriteSentinels, 1, "Failed to set sentinal character of track1!",
        "Failed to set Sentinal char of Track1!!!", 7),
    Row(Sentinels, WriteSentinels, 2, "Failed to set sentinal character of track2!",
        "Failed to set Sentinal char of Track2!!!", 7),
    Row(Sentinels, WriteSentinels, 3, "Failed to set sentinal character of track3!",
        "Failed to set Sentinal char of Track3!!!", 7),
    {.when = BtKeepOff, .op = WriteBt, .desktopMessage = kBtFailed, .handheldMessage = kBtFailedHandheld,
     .slowSteps = 20, .slowPauseMs = 200},
    // The handheld leaves setting mode last.
    Row(Always, EndSettingLegacy, 0, nullptr, kEndFailedHandheld, 7, context::Layout::Handheld),
    {.arm = phase::Completion, .armDelayMs = 1000},
};

constexpr std::array kPhases = {
    PhaseTable{phase::GetEntry, false, kGetEntry},
    PhaseTable{phase::SetEntry, true, kSetEntry},
    PhaseTable{phase::FactoryEntry, true, kFactoryEntry},
    PhaseTable{phase::StandardRead, false, kStandardRead},
    PhaseTable{phase::LegacyRead, false, kLegacyRead},
    PhaseTable{phase::StandardWrite, true, kStandardWrite},
    PhaseTable{phase::LegacyWrite, true, kLegacyWrite},
};

}  // namespace

const PhaseTable* FindPhase(int number) {
    for (const PhaseTable& table : kPhases)
        if (table.phase == number) return &table;
    return nullptr;
}

bool RowApplies(const PhaseRow& row, const RowContext& context) {
    if (row.only && *row.only != context.program) return false;
    const auto can = context::CapabilitiesOf(context.firmwareVersion);
    switch (row.when) {
    case When::Always: return true;
    case When::Switch3: return can.switch3;
    case When::Switch7: return can.switch7;
    case When::Sentinels: return can.sentinels;
    case When::SwitchQ: return can.switchQ;
    case When::RfInterface: return can.rfInterface;
    case When::Bluetooth: return can.bluetooth;
    case When::TearOff: return can.tearOff;
    case When::MsrNotP: return !SkipsLegacySwitch7(context.msrMode);
    case When::BtKeepOff: return context.btKeep == 0;
    }
    return false;
}

}  // namespace pelmora::vmsm
