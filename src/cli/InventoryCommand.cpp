// `pelmora inventory`: what a printer is and holds, in one line of a fleet's table.
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "cli/CliContext.h"
#include "cli/LazyCommand.h"
#include "cli/Latin1.h"
#include "cli/NvCliSession.h"
#include "cli/PrinterActions.h"
#include "cli/Sha256.h"

namespace pelmora::cli {

std::string SettingsDigest(nlohmann::json settings) {
    settings.erase("printer");
    // Keys sorted, no blanks, as `jq -jcS 'del(.printer)'` prints it; jq also
    // escapes DEL, which the JSON library leaves raw.
    std::string text;
    for (const char c : settings.dump()) text += c == '\x7f' ? std::string("\\u007f") : std::string(1, c);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (const std::uint8_t byte : Sha256(text)) hex += {kHex[byte >> 4], kHex[byte & 0x0F]};
    return hex;
}

namespace {

int Inventory(CliContext& ctx, bool json) {
    // Refused before the printer is asked anything: the digest is part of every answer.
    if (const std::string why = Sha256Problem(); !why.empty()) {
        PrintMessage(ctx.err, "pelmora: " + why);
        return ExitFailed;
    }
    std::ostringstream read;
    CliContext stage(ctx, read, ctx.err);
    stage.oneOfSeveral = ctx.oneOfSeveral;
    if (const int status = ReadSettings(stage, true); status != ExitOk) return status;
    const auto settings = nlohmann::json::parse(read.str());

    NvCliSession session(ctx);
    if (!session.Open()) return ExitFailed;
    session.manager.Close();
    auto codes = nlohmann::json::array();
    for (const auto& code : session.nv.addressList()) codes.push_back(Latin1ToUtf8(code));

    const auto& printer = settings["printer"];
    nlohmann::ordered_json out{{"ModelName", printer["ModelName"]},
                               {"VersionText", printer["VersionText"]},
                               {"FirmwareVersion", printer["FirmwareVersion"]},
                               {"SettingsDigest", SettingsDigest(settings)},
                               {"NvCodes", codes}};
    if (json) {
        ctx.out << out.dump(2) << '\n';
        return ExitOk;
    }
    std::string list;
    for (const auto& code : codes) list += (list.empty() ? "" : " ") + code.get<std::string>();
    ctx.out << "Model:    " << out["ModelName"].get<std::string>() << '\n'
            << "Version:  " << out["VersionText"].get<std::string>() << " (firmware " << out["FirmwareVersion"] << ")\n"
            << "Settings: " << out["SettingsDigest"].get<std::string>() << '\n'
            << "NV codes: " << (list.empty() ? "none" : list) << '\n';
    return ExitOk;
}

}  // namespace

void AddInventoryCommand(CLI::App& app, CommandResult& run) {
    AddLazyCommand(app, "inventory",
                   "Model, firmware, a digest of the settings and the NV codes: with several printers, which drift",
                   [&run](CLI::App& cmd) {
                       auto json = std::make_shared<bool>(false);
                       cmd.add_flag("--json", *json, "Print one JSON object");
                       cmd.callback([&run, json] { run = [json](CliContext& ctx) { return Inventory(ctx, *json); }; });
                   });
}

}  // namespace pelmora::cli
