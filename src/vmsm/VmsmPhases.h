#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "context/Layout.h"

namespace pelmora::vmsm {

/// The memory-switch jobs; 0 means no job.
enum class VmsmJob : int { None = 0, GetStatus = 1, SetStatus = 2, FactoryDefault = 3 };

/// Phase numbers of the jobs' timer chain.
namespace phase {
constexpr int GetEntry = 1000;
constexpr int SetEntry = 2000;
constexpr int FactoryEntry = 3000;
constexpr int StandardRead = 101;
constexpr int StandardWrite = 102;
constexpr int LegacyRead = 201;
constexpr int LegacyWrite = 202;
constexpr int Completion = 9999;
}  // namespace phase

/// What a row does with the printer.
enum class Op {
    None,
    OpenLink,
    QueryModel, QueryVersion, QueryCodePage, QueryMsrMode,
    EnterSetting, EnterSettingLegacy, EndSetting, EndSettingLegacy,
    ReadSwitch, ReadSwitchLegacy, WriteSwitch, WriteSwitchLegacy,
    ReadSerial, ReadSerialLegacy, WriteSerial, WriteSerialsLegacy,
    ReadTearOff, WriteTearOff,
    ReadRf, WriteRf,
    ReadBt, WriteBt,
    ReadSentinels, WriteSentinels,
    FactoryDefault,
};

/// When a row runs: a capability of the printer's firmware (by its name in
/// context::FirmwareCapabilities), the MSR mode character M or the record.
enum class When {
    Always,
    Switch3,
    Switch7,
    Sentinels,
    SwitchQ,
    RfInterface,
    Bluetooth,
    TearOff,
    MsrNotP,      ///< M != "P"
    BtKeepOff,    ///< the record's BtKeep is 0
};


/// One row of a phase, run in this order: `stepsBefore` progress steps, the
/// operation (its failure ends the job with the program's message), then on
/// success `stepsAfter` steps, `slowSteps` steps of `slowPauseMs`, a pause of
/// `pauseMs`, and the arming of the next phase when `arm` is set.
struct PhaseRow {
    std::optional<context::Layout> only = std::nullopt;  ///< the one program it serves; none: both
    When when = When::Always;
    int stepsBefore = 0;
    Op op = Op::None;
    int arg = 0;
    const char* desktopMessage = nullptr;
    const char* handheldMessage = nullptr;
    int stepsAfter = 0;
    int slowSteps = 0;
    std::uint32_t slowPauseMs = 0;
    std::uint32_t pauseMs = 0;
    int arm = 0;             ///< next phase (0: none)
    int armLegacy = 0;       ///< next phase for the legacy dialect (0: as `arm`)
    std::uint32_t armDelayMs = 0;
};

/// A phase and the label of its progress steps.
struct PhaseTable {
    int phase = 0;
    bool writes = false;  ///< "Set status" rather than "Get status"
    std::span<const PhaseRow> rows;
};

/// The table of a phase; null for 9999 (completion is not a table) and unknown numbers.
const PhaseTable* FindPhase(int phase);

/// What decides whether a row runs.
struct RowContext {
    context::Layout program = context::Layout::Desktop;
    std::uint32_t firmwareVersion = 0; ///< V
    std::uint8_t msrMode = 0;          ///< M
    std::uint32_t btKeep = 1;
};

/// Whether a row runs for that program, printer and record.
bool RowApplies(const PhaseRow& row, const RowContext& context);

/// Progress steps take 2 ms each; the bar stops at 100 on the desktop.
constexpr std::uint32_t kStepPauseMs = 2;
constexpr int kPositionMax = 100;
/// The one-shot timer that opens a job.
constexpr std::uint32_t kOpenDelayMs = 100;

}  // namespace pelmora::vmsm
