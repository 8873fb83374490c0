#include <CLI/CLI.hpp>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/ConfigEdits.h"
#include "cli/ConfigOutput.h"
#include "cli/InputFile.h"
#include "context/CCommonUtil.h"
#include "vmsm/CCommonVmsm.h"
#include "vmsm/ConfigJobFlow.h"

namespace pelmora::cli {

namespace {

using vmsm::EditChoice;
using vmsm::JobOutcome;

// The windows' texts keep a blank before their line breaks; a terminal does not need it.
std::string TrimLineEnds(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ' && (i + 1 == text.size() || text[i + 1] == '\r' || text[i + 1] == '\n')) continue;
        out.push_back(text[i]);
    }
    return out;
}

vmsm::JobReport RunJob(CliContext& ctx, vmsm::CCommonVmsm& engine,
                       std::function<EditChoice(vmsm::CCommonVmsm&)> edit) {
    const link::CommSettings settings = ctx.Settings();
    vmsm::ConfigJob job{ctx.store(), ctx.progress(), [&ctx](context::JobRunner& r) { return ctx.Drive(r); },
                        std::move(edit)};
    return vmsm::RunConfigJob(engine, settings, job);
}

int Report(CliContext& ctx, const vmsm::JobReport& report) {
    switch (report.outcome) {
    case JobOutcome::Written:
        PrintMessage(ctx.out, TrimLineEnds(report.message));
        if (report.storeFailure.empty()) return ExitOk;
        PrintMessage(ctx.err, "pelmora: warning: " + report.storeFailure);
        return ExitNotStored;
    case JobOutcome::NotWritten:
        return ExitOk;
    case JobOutcome::ReadFailed:
    case JobOutcome::WriteFailed:
        if (!report.stepMessage.empty()) PrintMessage(ctx.err, report.stepMessage);
        else PrintMessage(ctx.err, "Cancelled.");
        if (report.outcome == JobOutcome::WriteFailed) PrintMessage(ctx.err, TrimLineEnds(report.message));
        return ExitFailed;
    }
    return ExitFailed;
}

int Get(CliContext& ctx, bool json) {
    auto util = ctx.MakePrinterContext();
    vmsm::CCommonVmsm engine(*util);
    const auto report = RunJob(ctx, engine, [](vmsm::CCommonVmsm& e) {
        e.record.BtKeep = 1;  // as the editors start: Bluetooth is kept unless asked for
        return EditChoice::Cancel;
    });
    if (report.outcome == JobOutcome::ReadFailed) return Report(ctx, report);
    if (json) ctx.out << ConfigToJson(engine.record, *util).dump(2) << '\n';
    else ctx.out << ConfigReport(engine.record, *util);
    return ExitOk;
}

// `config get --json` prints about 1 KiB; anything far larger is not such a file.
constexpr std::size_t kMaxSettingsFileBytes = 1u << 20;

ConfigEdits ReadEdits(const std::string& file, const std::vector<std::string>& assignments) {
    ConfigEdits edits;
    if (!file.empty()) {
        const std::string text = ReadInputFile(file, kMaxSettingsFileBytes);
        nlohmann::json object;
        try {
            object = nlohmann::json::parse(text);
        } catch (const nlohmann::json::exception& e) {
            throw UsageError{"'" + file + "' is not JSON: " + e.what()};
        }
        edits.SetFromJson(object);
    }
    for (const std::string& assignment : assignments) edits.SetFromText(assignment);
    // Writing back every setting unchanged would still ask for a power cycle.
    if (edits.empty()) throw UsageError{"config set: nothing to change; name FIELD=VALUE or give --from FILE"};
    edits.Check();
    return edits;
}

int Set(CliContext& ctx, const std::string& file, const std::vector<std::string>& assignments) {
    const ConfigEdits edits = ReadEdits(file, assignments);
    auto util = ctx.MakePrinterContext();
    vmsm::CCommonVmsm engine(*util);
    std::string refused;
    const auto report = RunJob(ctx, engine, [&](vmsm::CCommonVmsm& e) {
        refused = edits.ApplyTo(e.record, e.util().FirmwareVersion, e.util().ModelName);
        return refused.empty() ? EditChoice::Save : EditChoice::Cancel;
    });
    if (!refused.empty()) throw UsageError{refused};
    return Report(ctx, report);
}

int Default(CliContext& ctx) {
    auto util = ctx.MakePrinterContext();
    vmsm::CCommonVmsm engine(*util);
    return Report(ctx, RunJob(ctx, engine, [](vmsm::CCommonVmsm&) { return EditChoice::Default; }));
}

}  // namespace

void AddConfigCommand(CLI::App& app, CliContext& ctx, CommandResult& run) {
    auto* config = app.add_subcommand("config", "Read or change the printer's settings (memory switches)");
    config->require_subcommand(0, 1);  // none: RunPelmora names the choices

    auto* get = config->add_subcommand("get", "Read every setting from the printer");
    auto json = std::make_shared<bool>(false);
    get->add_flag("--json", *json, "Print one JSON object under the record's field names");
    get->callback([&ctx, &run, json] { run = [&ctx, json] { return Get(ctx, *json); }; });

    auto* set = config->add_subcommand(
        "set", "Read the settings, change the named fields, write them back and store them");
    auto file = std::make_shared<std::string>();
    auto assignments = std::make_shared<std::vector<std::string>>();
    set->add_option("--from", *file, "JSON in the form `config get --json` prints (\"printer\" is ignored)")
        ->check(CLI::Validator(RefuseEmpty, ""));
    set->add_option("changes", *assignments, "FIELD=VALUE, e.g. Density=5 or StartSentinel[1]=%");
    set->footer(FieldsHelp());
    set->callback([&ctx, &run, file, assignments] {
        run = [&ctx, file, assignments] { return Set(ctx, *file, *assignments); };
    });

    auto* reset = config->add_subcommand("default", "Restore the factory settings (MPT-Q700VII only)");
    reset->callback([&ctx, &run] { run = [&ctx] { return Default(ctx); }; });
}

}  // namespace pelmora::cli
