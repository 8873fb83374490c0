#include "cli/KeepSettingsUpdate.h"

#include <functional>
#include <iterator>
#include <ostream>
#include <sstream>

#include "cli/PrinterActions.h"
#include "cli/WaitNotice.h"

namespace pelmora::cli {

namespace {

// How often the printer is asked whether it is back; a printer that is
// restarting refuses or drops the connection at once, so this is the pace.
constexpr std::uint32_t kPollMs = 1000;

struct Update {
    CliContext& ctx;
    const KeepSettingsOptions& options;
    SettingsBackup saved;  ///< the settings read, and the file they went to
    std::string newVersion;
    int status = ExitOk;  ///< a restore that wrote but could not store says 3
    std::string failure;  ///< why the stage failed, when it says more than its command printed
};

/// What a stage does, how it is done, and how to finish by hand after it failed.
struct Stage {
    const char* doing;
    std::function<int(Update&)> run;
    std::function<std::string(const Update&)> byHand;
};

// The connection as options, for the commands the operator may have to type.
std::string Connection(const CliContext& ctx) {
    const auto& c = ctx.connection;
    if (!c.printer) return "";
    std::string text = " " + AsOption(*c.printer);
    const bool line = c.printer->kind == PrinterAddress::Kind::Serial || c.printer->kind == PrinterAddress::Kind::Bluetooth;
    if (line && c.baud != ConnectionOptions{}.baud) text += " --baud " + std::to_string(c.baud);
    if (line && c.parity != ConnectionOptions{}.parity) text += " --parity " + c.parity;
    if (line && c.stopBits != ConnectionOptions{}.stopBits) text += " --stop-bits " + std::to_string(c.stopBits);
    if (line && c.flow != ConnectionOptions{}.flow) text += " --flow " + c.flow;
    return text;
}

std::string Pelmora(const Update& u, const std::string& command) {
    return "pelmora" + Connection(u.ctx) + " " + command;
}

int ReadStage(Update& u) {
    ReadSettingsCopy(u.ctx, u.saved);
    return u.saved.status;
}

int SaveStage(Update& u) {
    SaveSettingsCopy(u.ctx, u.saved);
    u.failure = u.saved.failure;
    return u.saved.status;
}

int WaitStage(Update& u) {
    const InterruptScope interruptible;
    const WaitNotice notice(u.ctx, "Waiting for the printer to answer");
    link::Clock& clock = u.ctx.platform().clock();
    const std::uint32_t start = clock.TickCount();
    const std::uint32_t limit = static_cast<std::uint32_t>(u.options.waitSeconds) * 1000u;
    while (!Interrupted()) {
        clock.Sleep(kPollMs);
        std::ostringstream answer, quiet;
        CliContext asker(u.ctx, answer, quiet);
        // The version it came back with is read by the check stage.
        if (IdentifyPrinter(asker, true) == ExitOk) return ExitOk;
        if (clock.TickCount() - start >= limit) {
            const int n = u.options.waitSeconds;
            u.failure = "the printer did not answer within " + std::to_string(n) + (n == 1 ? " second" : " seconds");
            return ExitFailed;
        }
    }
    u.failure = "interrupted";
    return ExitFailed;
}

int RestoreStage(Update& u) {
    try {
        const int status = WriteSettingsFile(u.ctx, u.saved.path, u.options.force, true, true);
        if (status == ExitNotStored) u.status = ExitNotStored;  // the printer holds them; the warning is printed
        return status == ExitNotStored ? ExitOk : status;
    } catch (const UsageError& e) {
        PrintMessage(u.ctx.err, "pelmora: " + e.message);
        return ExitFailed;
    }
}

int CheckStage(Update& u) {
    std::ostringstream json;
    CliContext asker(u.ctx, json, u.ctx.err);
    const int status = IdentifyPrinter(asker, true);
    if (status == ExitOk) u.newVersion = VersionTextOf(json.str());
    return status;
}

std::string WriteBack(const Update& u) {
    return "write the settings back with `" + Pelmora(u, "config set --verify --from " + ShellWord(u.saved.path)) +
           (u.options.force ? " --force" : "") + "`";
}

const Stage kStages[] = {
    {"Reading the printer's settings", ReadStage,
     [](const Update&) { return std::string("Nothing was sent; the printer is as it was."); }},
    {"Saving the settings beside the settings store", SaveStage,
     [](const Update&) { return std::string("Nothing was sent; the printer is as it was."); }},
    {"Sending the firmware", [](Update& u) { return SendFirmware(u.ctx, u.options.firmware); },
     [](const Update& u) {
         return "To finish by hand: send the firmware again with `" +
                Pelmora(u, "firmware " + ShellWord(u.options.firmware)) + "`, wait until `" + Pelmora(u, "identify") +
                "` answers, then " + WriteBack(u) + ".";
     }},
    {"Waiting for the printer to answer again", WaitStage,
     [](const Update& u) {
         return "To finish by hand: once `" + Pelmora(u, "identify") + "` answers, " + WriteBack(u) + ".";
     }},
    {"Writing the saved settings back", RestoreStage,
     [](const Update& u) {
         return "To finish by hand: " + WriteBack(u) +
                " (a field the new firmware cannot hold is named above; change it in the file first).";
     }},
    {"Identifying the printer again", CheckStage,
     [](const Update& u) {
         return "The settings are written back; check the version with `" + Pelmora(u, "identify") + "`.";
     }},
};

}  // namespace

int UpdateKeepingSettings(CliContext& ctx, const KeepSettingsOptions& options) {
    // Refused before anything is read: a file that cannot be sent would leave
    // the operator with saved settings and nothing to do with them.
    if (const std::string problem = FirmwareFileProblem(options.firmware); !problem.empty())
        throw UsageError{options.firmware + ": " + problem};
    Update update{ctx, options, {}, {}, ExitOk, {}};
    const int count = static_cast<int>(std::size(kStages));
    for (int i = 0; i < count; ++i) {
        const Stage& stage = kStages[i];
        PrintMessage(ctx.err, "[" + std::to_string(i + 1) + "/" + std::to_string(count) + "] " + stage.doing);
        update.failure.clear();
        const int status = stage.run(update);
        if (status == ExitOk) continue;
        PrintMessage(ctx.err, std::string("pelmora: the firmware update stopped at stage ") + std::to_string(i + 1) +
                                  " (" + stage.doing + ")" + (update.failure.empty() ? "" : ": " + update.failure));
        if (!update.saved.path.empty()) PrintMessage(ctx.err, "The printer's settings are saved in " + update.saved.path);
        PrintMessage(ctx.err, stage.byHand(update));
        return status == ExitUsage && update.saved.path.empty() ? ExitUsage : ExitFailed;
    }
    ctx.out << "Version before: " << update.saved.version << '\n' << "Version now:    " << update.newVersion << '\n';
    return update.status;
}

}  // namespace pelmora::cli
