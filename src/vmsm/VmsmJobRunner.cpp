#include "vmsm/VmsmJobRunner.h"

#include "context/PrinterContext.h"
#include "context/FailureCause.h"
#include "context/ResultCode.h"
#include "vmsm/MemorySwitchEngine.h"
#include "vmsm/SwitchMap.h"

namespace pelmora::vmsm {

namespace {

using context::JobEnd;
using context::NextPhase;

struct Texts {
    const char* getTitle;
    const char* setTitle;
    const char* openingLabel;
    const char* getLabel;
    const char* setLabel;
    const char* completed;  ///< followed by the position, a space and "%"
    bool stopsAtMax;
};

constexpr Texts kDesktopTexts{"Virtual Memory Switch Manager", "Virtual Memory Switch Manager", "0 %",
                         "Get status", "Set status", "Completed....: ", true};
constexpr Texts kHandheldTexts{"Get Status...", "Set Status...", "Processing...",
                          "Get Status", "Set Status", "Completed..: ", false};

const Texts& TextsOf(context::Layout v) { return v == context::Layout::Desktop ? kDesktopTexts : kHandheldTexts; }

int EntryPhase(VmsmJob job) {
    switch (job) {
    case VmsmJob::GetStatus: return phase::GetEntry;
    case VmsmJob::SetStatus: return phase::SetEntry;
    case VmsmJob::FactoryDefault: return phase::FactoryEntry;
    case VmsmJob::None: break;
    }
    return 0;
}

// "Get status : 12 %", "Completed....: 100 %"
std::string Percent(const std::string& text, int position) { return text + std::to_string(position) + " %"; }

}  // namespace

VmsmJobRunner::VmsmJobRunner(MemorySwitchEngine& engine, context::ProgressView& view, VmsmJob job, context::Layout variant)
    : engine_(engine), view_(view), job_(job), variant_(variant) {}

std::optional<NextPhase> VmsmJobRunner::Open() {
    const int entry = EntryPhase(job_);
    if (entry == 0) return Finish(JobEnd::Cancel);
    const Texts& texts = TextsOf(variant_);
    view_.SetTitle(job_ == VmsmJob::GetStatus ? texts.getTitle : texts.setTitle);
    position_ = 0;
    view_.SetPosition(position_);
    SetLabel(texts.openingLabel);
    return NextPhase{entry, kOpenDelayMs};
}

void VmsmJobRunner::Cancel() {
    if (end_ == JobEnd::Running) Stop();
}

link::StopRequest* VmsmJobRunner::stopRequest() { return &engine_.util().link().stopRequest(); }

bool VmsmJobRunner::StopRequested() { return stopRequest()->Requested(); }

std::optional<NextPhase> VmsmJobRunner::Stop() {
    cancelled_ = true;
    if (settingMode_) LeaveSettingMode();
    return Finish(JobEnd::Cancel);
}

// A printer left in setting mode holds it until switched off: a write stopped
// half-way still sends the end command, with the stop held back for that one send.
void VmsmJobRunner::LeaveSettingMode() {
    settingMode_ = false;
    link::StopRequest& stop = *stopRequest();
    stop.Clear();
    if (DialectOf(engine_.util().firmwareVersion()) == Dialect::Legacy)
        engine_.EndSettingModeLegacy();
    else
        engine_.EndSettingMode();
    stop.Request();
}

std::optional<NextPhase> VmsmJobRunner::Finish(JobEnd end, std::string message) {
    end_ = end;
    message_ = std::move(message);
    return std::nullopt;
}

void VmsmJobRunner::SetLabel(std::string label) {
    label_ = std::move(label);
    view_.SetLabel(label_);
}

void VmsmJobRunner::Step(int count, std::uint32_t pauseMs) {
    const bool stops = TextsOf(variant_).stopsAtMax;
    for (int i = 0; i < count; ++i) {
        if ((stops && position_ >= kPositionMax) || StopRequested()) return;
        ++position_;
        view_.SetPosition(position_);
        SetLabel(Percent(std::string(stepLabel_) + " : ", position_));
        engine_.util().clock().Sleep(pauseMs);
    }
}

bool VmsmJobRunner::Applies(const PhaseRow& row) const {
    return RowApplies(row, {variant_, engine_.util().firmwareVersion(),
                            engine_.util().msrSetValue(), engine_.record().BtKeep});
}

int VmsmJobRunner::Run(Op op, int arg) {
    context::PrinterContext& util = engine_.util();
    const auto n = static_cast<std::uint8_t>(arg);
    switch (op) {
    case Op::None: return rc::Ok;
    case Op::OpenLink: return util.link().EnsureOpen() != link::OpenOutcome::Failed ? rc::Ok : rc::NotOpen;
    case Op::QueryModel: return util.QueryPrinter(context::QUERY_MODEL);
    case Op::QueryVersion: return util.QueryPrinter(context::QUERY_VERSION);
    case Op::QueryCodePage: return util.QueryPrinter(context::QUERY_CODEPAGE);
    case Op::QueryMsrMode: return util.QueryPrinter(context::QUERY_MSR_MODE);
    case Op::EnterSetting: return engine_.EnterSettingMode();
    case Op::EnterSettingLegacy: return engine_.EnterSettingModeLegacy();
    case Op::EndSetting: return engine_.EndSettingMode();
    case Op::EndSettingLegacy: return engine_.EndSettingModeLegacy();
    case Op::ReadSwitch: return engine_.ReadSwitch(n);
    case Op::ReadSwitchLegacy: return engine_.ReadSwitchLegacy(n);
    case Op::WriteSwitch: return engine_.WriteSwitch(n);
    case Op::WriteSwitchLegacy: return engine_.WriteSwitchLegacy(n);
    case Op::ReadSerial: return engine_.ReadSerialSetting(n);
    case Op::ReadSerialLegacy: return engine_.ReadSerialSettingLegacy(n);
    case Op::WriteSerial: return engine_.WriteSerialSetting(n);
    case Op::WriteSerialsLegacy: return engine_.WriteSerialSettingsLegacy();
    case Op::ReadTearOff: return engine_.ReadTearOff();
    case Op::WriteTearOff: return engine_.WriteTearOff();
    case Op::ReadRf: return engine_.ReadRfInterface();
    case Op::WriteRf: return engine_.WriteRfInterface();
    case Op::ReadBt: return engine_.ReadBtItem(n);
    case Op::WriteBt: return engine_.WriteBtSettings();
    case Op::ReadSentinels: return engine_.ReadSentinels(arg);
    case Op::WriteSentinels: return engine_.WriteSentinels(arg);
    case Op::FactoryDefault: return engine_.SendFactoryDefault();
    }
    return rc::NotSupported;
}

std::optional<NextPhase> VmsmJobRunner::RunPhase(int number) {
    if (end_ != JobEnd::Running) return std::nullopt;
    if (StopRequested()) return Stop();
    if (number == phase::Completion) return Complete();
    const PhaseTable* table = FindPhase(number);
    if (!table) return Finish(JobEnd::Cancel);

    const Texts& texts = TextsOf(variant_);
    stepLabel_ = table->writes ? texts.setLabel : texts.getLabel;
    link::Clock& clock = engine_.util().clock();
    std::optional<NextPhase> armed;
    std::uint32_t armedAt = 0;
    for (const PhaseRow& row : table->rows) {
        if (!Applies(row)) continue;
        Step(row.stepsBefore, kStepPauseMs);
        if (StopRequested()) return Stop();
        commandsSent_ = commandsSent_ || (job_ != VmsmJob::GetStatus && row.op != Op::None && row.op != Op::OpenLink);
        const context::WaitMark mark = context::MarkWait(engine_.util());
        // Once the enter command may have gone out, a stop during its reply wait must still end it.
        if (row.op == Op::EnterSetting || row.op == Op::EnterSettingLegacy) settingMode_ = true;
        if (const int result = Run(row.op, row.arg); result != rc::Ok) {
            if (StopRequested()) return Stop();
            const char* message = variant_ == context::Layout::Desktop ? row.desktopMessage : row.handheldMessage;
            // "Not matched" alone would hide a closed connection or a silent printer.
            const std::string cause = row.op == Op::QueryModel
                ? context::QueryFailureCause(engine_.util(), context::QUERY_MODEL, result, mark)
                : row.op == Op::OpenLink ? context::OpenFailureCause(engine_.util().link().openFailure())
                : context::BusyCause(engine_.util());
            return Finish(JobEnd::Cancel, context::WithCause(message ? message : "", cause));
        }
        if (row.op == Op::EndSetting || row.op == Op::EndSettingLegacy) settingMode_ = false;
        Step(row.stepsAfter, kStepPauseMs);
        Step(row.slowSteps, row.slowPauseMs);
        if (StopRequested()) return Stop();
        if (row.pauseMs) clock.Sleep(row.pauseMs);
        if (row.arm) {
            const bool legacy = DialectOf(engine_.util().firmwareVersion()) == Dialect::Legacy;
            armed = NextPhase{legacy && row.armLegacy ? row.armLegacy : row.arm, row.armDelayMs};
            armedAt = clock.TickCount();
        }
    }
    if (!armed) return Finish(JobEnd::Cancel);
    // A timer armed before the phase's last rows has partly run already.
    const std::uint32_t elapsed = clock.TickCount() - armedAt;
    armed->delayMs = elapsed >= armed->delayMs ? 0 : armed->delayMs - elapsed;
    return armed;
}

std::optional<NextPhase> VmsmJobRunner::Complete() {
    const Texts& texts = TextsOf(variant_);
    while (position_ < kPositionMax) {
        ++position_;
        view_.SetPosition(position_);
        SetLabel(Percent(texts.completed, position_));
        engine_.util().clock().Sleep(kStepPauseMs);
    }
    return Finish(JobEnd::Ok);
}

}  // namespace pelmora::vmsm
