#include <CLI/CLI.hpp>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/LazyCommand.h"
#include "cli/ConfigDiff.h"
#include "cli/ConfigEdits.h"
#include "cli/SettingsBackup.h"
#include "cli/ConfigOutput.h"
#include "cli/InputFile.h"
#include "cli/PrinterActions.h"
#include "context/PrinterContext.h"
#include "vmsm/MemorySwitchEngine.h"
#include "vmsm/ConfigFields.h"
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

vmsm::JobReport RunJob(CliContext& ctx, vmsm::MemorySwitchEngine& engine,
                       std::function<EditChoice(vmsm::MemorySwitchEngine&)> edit) {
    vmsm::ConfigJob job{ctx.store(), ctx.progress(), [&ctx](context::JobRunner& r) { return ctx.Drive(r); },
                        std::move(edit)};
    job.storeRecord = !ctx.oneOfSeveral;
    return vmsm::RunConfigJob(engine, job);
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
    case JobOutcome::WriteCancelled:
        PrintMessage(ctx.err, TrimLineEnds(report.message));
        return ExitFailed;
    }
    return ExitFailed;
}

int Get(CliContext& ctx, bool json) {
    auto util = ctx.MakePrinterContext();
    vmsm::MemorySwitchEngine engine(*util);
    const auto report = RunJob(ctx, engine, [](vmsm::MemorySwitchEngine&) { return EditChoice::Cancel; });
    if (report.outcome == JobOutcome::ReadFailed) return Report(ctx, report);
    if (json) ctx.out << ConfigToJson(engine.record(), *util).dump(2) << '\n';
    else ctx.out << ConfigReport(engine.record(), *util, ctx.showSecrets);
    return ExitOk;
}

// `config get --json` prints about 1 KiB; anything far larger is not such a file.
constexpr std::size_t kMaxSettingsFileBytes = 1u << 20;

ConfigEdits ReadEdits(const char* command, const std::string& file, const std::vector<std::string>& assignments) {
    ConfigEdits edits;
    if (!file.empty()) {
        const std::string text = ReadInputFile(file, kMaxSettingsFileBytes, link::Pipes::Read);
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
    if (edits.empty()) throw UsageError{std::string(command) + ": nothing to change; name FIELD=VALUE or give --from FILE"};
    edits.Check();
    return edits;
}

struct SetOptions {
    std::string file;
    std::vector<std::string> assignments;
    bool dryRun = false;  ///< read, show what would change, write nothing
    bool verify = false;
    bool force = false;   ///< write settings read from another model, and write even when nothing changes
    bool json = false;    ///< the changes for scripts (dry run and diff)
    bool dropUnfit = false;  ///< leave out, with a warning, what other firmware's settings this one cannot take
};

/// The printer's settings and what the edits would make of them.
struct Plan {
    vmsm::JobReport report;
    vmsm::PrinterConfig read, toWrite;
    bool unchanged = false;  ///< the printer holds every value already; nothing was written
};

Plan RunEdits(CliContext& ctx, vmsm::MemorySwitchEngine& engine, ConfigEdits& edits, const SetOptions& options) {
    Plan plan;
    std::string refused;
    std::vector<std::string> dropped;
    plan.report = RunJob(ctx, engine, [&](vmsm::MemorySwitchEngine& e) {
        if (!options.force) refused = edits.ModelProblem(e.util().modelName());
        if (!refused.empty()) return EditChoice::Cancel;
        e.editRecord().BtKeep = vmsm::BtKeepFor(false);  // as the editors start; a diff never shows BtKeep
        plan.read = e.record();
        refused = edits.ResolveWords(e.util().firmwareVersion());
        if (!refused.empty()) return EditChoice::Cancel;
        if (options.dropUnfit) dropped = edits.DropUnfit(e.record(), e.util().firmwareVersion());
        if (edits.empty()) refused = "none of the saved settings fit firmware " + std::to_string(e.util().firmwareVersion());
        if (!refused.empty()) return EditChoice::Cancel;
        refused = edits.ApplyTo(e.editRecord(), e.util().firmwareVersion(), e.util().modelName());
        if (!refused.empty()) return EditChoice::Cancel;
        plan.toWrite = e.record();
        // Writing what the printer holds costs a flash cycle and a power cycle for nothing.
        plan.unchanged = !options.dryRun && !options.force && DiffConfigs(plan.read, plan.toWrite, e.util()).empty();
        return options.dryRun || plan.unchanged ? EditChoice::Cancel : EditChoice::Save;
    });
    for (const std::string& why : dropped) PrintMessage(ctx.err, "pelmora: warning: left out, " + why);
    if (!refused.empty()) throw UsageError{refused};
    return plan;
}

void PrintChanges(CliContext& ctx, const std::vector<FieldChange>& changes, bool json) {
    if (json) ctx.out << ChangesToJson(changes).dump(2) << '\n';
    else ctx.out << ChangesReport(changes);
}

// Reads the printer again and names each written field it did not keep.
int Verify(CliContext& ctx, const ConfigEdits& edits, const vmsm::PrinterConfig& written) {
    auto util = ctx.MakePrinterContext();
    vmsm::MemorySwitchEngine engine(*util);
    const auto report = RunJob(ctx, engine, [](vmsm::MemorySwitchEngine&) { return EditChoice::Cancel; });
    if (report.outcome == JobOutcome::ReadFailed) {
        PrintMessage(ctx.err, "pelmora: written, but the settings could not be read back to verify them");
        return Report(ctx, report);
    }
    const auto lost = edits.NotKept(written, engine.record(), util->firmwareVersion());
    if (lost.empty()) {
        ctx.out << "Verified: the printer holds every written setting.\n";
        return ExitOk;
    }
    for (const std::string& field : lost)
        PrintMessage(ctx.err, "pelmora: the printer did not keep " + field);
    return ExitFailed;
}

// `config set`, or with `diff` set, `config diff`: a dry run whose exit status says whether
// anything would change.
int Set(CliContext& ctx, const SetOptions& options, bool diff = false) {
    ConfigEdits edits = ReadEdits(diff ? "config diff" : "config set", options.file, options.assignments);
    if (options.json && !options.dryRun) throw UsageError{"config set: --json goes with --dry-run"};
    if (options.verify && options.dryRun)
        throw UsageError{"config set: --verify reads back a write; --dry-run writes nothing"};
    auto util = ctx.MakePrinterContext();
    vmsm::MemorySwitchEngine engine(*util);
    const Plan plan = RunEdits(ctx, engine, edits, options);
    if (plan.report.outcome == JobOutcome::ReadFailed) return Report(ctx, plan.report);
    if (options.dryRun) {
        const auto changes = DiffConfigs(plan.read, plan.toWrite, *util, ctx.showSecrets);
        PrintChanges(ctx, changes, options.json);
        return diff && !changes.empty() ? ExitWouldChange : ExitOk;
    }
    if (plan.unchanged) {
        ctx.out << "The printer holds these settings already; nothing was written (--force writes anyway).\n";
        return ExitOk;
    }
    const int status = Report(ctx, plan.report);
    if (!options.verify || plan.report.outcome != JobOutcome::Written) return status;
    const int verified = Verify(ctx, edits, plan.toWrite);
    return verified == ExitOk ? status : verified;
}

int Diff(CliContext& ctx, SetOptions options) {
    options.dryRun = true;
    return Set(ctx, options, true);
}

int Default(CliContext& ctx, bool backup) {
    if (backup) {
        const SettingsBackup saved = BackUpSettings(ctx);
        if (saved.path.empty()) {
            PrintMessage(ctx.err, "pelmora: the settings could not be backed up" +
                                      (saved.failure.empty() ? std::string() : " (" + saved.failure + ")") +
                                      "; nothing was changed (--no-backup restores the factory settings without a copy)");
            return saved.status == ExitUsage ? ExitUsage : ExitFailed;
        }
    }
    auto util = ctx.MakePrinterContext();
    vmsm::MemorySwitchEngine engine(*util);
    return Report(ctx, RunJob(ctx, engine, [](vmsm::MemorySwitchEngine&) { return EditChoice::Default; }));
}

// What `config set` and `config diff` share: the changes and where they come from.
void AddChangeOptions(CLI::App& command, SetOptions& options) {
    command
        .add_option("--from", options.file,
                    "JSON in the form `config get --json` prints; its \"printer\" must be this printer's model")
        ->check(CLI::Validator(RefuseEmpty, ""));
    command.add_option("changes", options.assignments, "FIELD=VALUE, e.g. Density=5 or StartSentinel[1]=%");
    command.add_flag("--force", options.force, "Use settings read from another model");
    command.add_flag("--json", options.json, "Print the changes as one JSON object (with --dry-run or diff)");
    command.footer(FieldsHelp());
}

void BuildSetCommand(CLI::App* set, CommandResult& run) {
    auto setOptions = std::make_shared<SetOptions>();
    AddChangeOptions(*set, *setOptions);
    set->add_flag("--dry-run", setOptions->dryRun, "Print what would change, as `config diff` does; write nothing");
    set->add_flag("--verify", setOptions->verify,
                  "After writing, read the printer again; a field it did not keep is named (exit 1)");
    set->callback([&run, setOptions] { run = [setOptions](CliContext& ctx) { return Set(ctx, *setOptions); }; });
}

void BuildDiffCommand(CLI::App* diff, CommandResult& run) {
    auto diffOptions = std::make_shared<SetOptions>();
    AddChangeOptions(*diff, *diffOptions);
    diff->footer(FieldsHelp() +
                 "\nExit status 0 when nothing would change, 3 when something would (diff writes nothing,\n"
                 "so 3 never means \"written but not stored\" here).");
    diff->callback([&run, diffOptions] { run = [diffOptions](CliContext& ctx) { return Diff(ctx, *diffOptions); }; });
}

void BuildConfigCommand(CLI::App* config, CommandResult& run) {
    config->require_subcommand(0, 1);  // none: RunPelmora names the choices

    auto* get = config->add_subcommand("get", "Read every setting from the printer");
    auto json = std::make_shared<bool>(false);
    get->add_flag("--json", *json, "Print one JSON object under the record's field names");
    get->callback([&run, json] { run = [json](CliContext& ctx) { return Get(ctx, *json); }; });

    // The fields' help is built only for the command named.
    AddLazyCommand(*config, "set",
                   "Read the settings, change the named fields, write them back and store them\n"
                   "(with several printers nothing is stored: the store holds one printer's settings)",
                   [&run](CLI::App& command) { BuildSetCommand(&command, run); });
    AddLazyCommand(*config, "diff", "Print what `config set` with the same changes would change; write nothing",
                   [&run](CLI::App& command) { BuildDiffCommand(&command, run); });

    auto* reset = config->add_subcommand(
        "default", "Save the printer's settings beside the settings store, then restore the factory settings\n"
                   "(MPT-Q700VII only) and store them (with several printers nothing is stored: the store\n"
                   "holds one printer's settings)");
    auto noBackup = std::make_shared<bool>(false);
    reset->add_flag("--no-backup", *noBackup,
                    "Do not first save the printer's settings beside the settings store (the file is named on stderr)");
    reset->callback([&run, noBackup] { run = [noBackup](CliContext& ctx) { return Default(ctx, !*noBackup); }; });
}

}  // namespace

int ReadSettings(CliContext& ctx, bool json) { return Get(ctx, json); }

int WriteSettingsFile(CliContext& ctx, const std::string& file, bool force, bool verify, bool dropUnfit) {
    SetOptions options;
    options.file = file;
    options.force = force;
    options.verify = verify;
    options.dropUnfit = dropUnfit;
    return Set(ctx, options);
}

void AddConfigCommand(CLI::App& app, CommandResult& run) {
    AddLazyCommand(app, "config", "Read or change the printer's settings (memory switches)",
                   [&run](CLI::App& command) { BuildConfigCommand(&command, run); });
}

}  // namespace pelmora::cli
