// `pelmora nv`: the NV image manager's buttons on the command line.
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>
#include <set>

#include "cli/CliContext.h"
#include "cli/LazyCommand.h"
#include "cli/Latin1.h"
#include "cli/LogoAdvice.h"
#include "cli/NvCliSession.h"
#include "cli/NvPreviewCommand.h"
#include "context/ResultCode.h"
#include "nv/ImageLoader.h"
#include "nv/NvAddressing.h"

namespace pelmora::cli {

namespace {

struct DownloadOptions {
    bool autoAddressing = false;
    std::vector<std::string> codes;
    int brightness = 0;
    std::string dither = "pattern";
    bool replace = false;  ///< a code already held is deleted first
    std::vector<std::string> files;
};

struct TargetOptions {
    std::string code;
    bool all = false;
};

int List(CliContext& ctx, bool json) {
    NvCliSession session(ctx);
    if (!session.Open()) return ExitFailed;
    session.manager.Close();
    if (json) {
        nlohmann::json codes = nlohmann::json::array();
        for (const auto& code : session.nv.addressList()) codes.push_back(Latin1ToUtf8(code));
        ctx.out << codes.dump() << '\n';
    } else {
        session.PrintCodes();
    }
    return ExitOk;
}

/// Every check that needs no printer: the codes' form and the files.
int PrepareImages(NvCliSession& session, const DownloadOptions& o, std::vector<std::string>& codes) {
    if (o.autoAddressing == !o.codes.empty()) throw UsageError{"give either --auto or --code for each file"};
    if (!o.autoAddressing) {
        if (o.codes.size() != o.files.size())
            throw UsageError{"give one --code for each file: " + std::to_string(o.codes.size()) + " codes for " +
                             std::to_string(o.files.size()) + " files"};
        for (const auto& text : o.codes) codes.push_back(CodeOption(text));
        if (std::set<std::string>(codes.begin(), codes.end()).size() != codes.size())
            throw UsageError{"the address codes must differ from one another"};
    }
    auto& nv = session.nv;
    const nv::Dither dither = *nv::DitherNamed(o.dither);  // the option's check let only names through
    for (const auto& path : o.files) {
        auto item = nv.LoadImageItem(nv.imageList().NextNumber(), path, o.brightness);
        if (item) item->dither = dither;
        if (!item) {
            PrintMessage(session.ctx().err, nv::kImageLoadFailed);
            if (const std::string why = nv::ImageLibraryProblem(path); !why.empty()) PrintMessage(session.ctx().err, why);
            PrintMessage(session.ctx().err, path);
            return ExitUsage;
        }
        if (const std::string problem = nv.ConversionProblem(*item); !problem.empty()) {
            PrintMessage(session.ctx().err, problem);
            PrintMessage(session.ctx().err, path);
            return ExitUsage;
        }
        if (const auto image = nv::LoadImageFile(path)) {
            const nv::RasterResult dots = nv::ConvertToRaster(*image, o.brightness, dither);
            if (dots.ok()) AdviseOnLogo(session.ctx().err, path, image->width, dots.raster, dither);
        }
        if (nv.editImageList().AddImageItem(*item) != rc::Ok) {
            PrintMessage(session.ctx().err, "NV image area too small!");
            return ExitUsage;
        }
    }
    return ExitOk;
}

int Download(CliContext& ctx, const DownloadOptions& o) {
    NvCliSession session(ctx);
    std::vector<std::string> codes;
    if (const int status = PrepareImages(session, o, codes); status != ExitOk) return status;
    if (!session.Open()) return ExitFailed;
    for (const auto& code : codes) {
        auto verdict = nv::CheckAddressCode(code, session.nv.addressList());
        if (verdict == nv::AddressVerdict::Exists && o.replace) {
            // Deleted first: the printer keeps one image per code.
            const nv::NvOutcome deleted = session.manager.Delete(session.StoredIndex(code), code);
            if (!deleted.ok) return session.Failed(deleted.message);
            PrintMessage(ctx.err, "Deleted the image stored under " + Latin1ToUtf8(code) + " to replace it");
            verdict = nv::CheckAddressCode(code, session.nv.addressList());
        }
        if (verdict != nv::AddressVerdict::Ok) {
            session.manager.Close();
            PrintMessage(ctx.err, nv::AddressVerdictText(verdict) + " (" + Latin1ToUtf8(code) + ")" +
                                      (verdict == nv::AddressVerdict::Exists ? "; --replace deletes it first" : ""));
            return ExitUsage;
        }
    }

    std::size_t next = 0;
    const auto outcome = session.manager.Download(
        o.autoAddressing, [&](const std::vector<std::string>&) -> std::optional<std::string> {
            if (next >= codes.size()) return std::nullopt;
            return codes[next++];
        });
    switch (outcome.stage) {
    case nv::NvDownloadOutcome::Stage::Done: break;
    case nv::NvDownloadOutcome::Stage::JobFailed: return session.Failed(outcome.message);
    case nv::NvDownloadOutcome::Stage::NoImages:
    case nv::NvDownloadOutcome::Stage::Stopped:
        // The file changed since it was checked; nothing was sent.
        session.manager.Close();
        PrintMessage(ctx.err, outcome.message);
        if (!outcome.path.empty()) PrintMessage(ctx.err, outcome.path);
        return ExitUsage;
    }
    if (!outcome.refresh.ok) return session.Failed(outcome.refresh.message);
    session.manager.Close();
    session.PrintCodes();
    return ExitOk;
}

// Print and delete: one stored image by its code, or all of them.
int OnTarget(CliContext& ctx, const TargetOptions& o, bool printCodes,
             nv::NvOutcome (nv::NvManager::*all)(),
             nv::NvOutcome (nv::NvManager::*one)(std::int32_t index, const std::string& code)) {
    NvCliSession session(ctx);
    if (!session.Open()) return ExitFailed;
    nv::NvOutcome outcome;
    if (o.all) {
        outcome = (session.manager.*all)();
    } else {
        const std::string code = CodeOption(o.code);
        outcome = (session.manager.*one)(session.StoredIndex(code), code);
    }
    if (!outcome.ok) return session.Failed(outcome.message);
    session.manager.Close();
    if (printCodes) session.PrintCodes();
    return ExitOk;
}

void AddTargetCommand(CLI::App& nv, const char* name, const char* description, CommandResult& run,
                      std::function<int(CliContext&, const TargetOptions&)> action) {
    auto* cmd = nv.add_subcommand(name, description);
    auto o = std::make_shared<TargetOptions>();
    auto* code = cmd->add_option("CODE", o->code, "Address code of a stored image (two characters)");
    auto* all = cmd->add_flag("--all", o->all, "Every stored image");
    code->excludes(all);
    cmd->callback([&run, o, code, all, action] {
        if (!*code && !*all) throw CLI::RequiredError("CODE or --all");
        run = [o, action](CliContext& ctx) { return action(ctx, *o); };
    });
}


void BuildNvCommand(CLI::App* nv, CommandResult& run) {
    nv->require_subcommand(0, 1);  // none: RunPelmora names the choices

    auto* list = nv->add_subcommand("list", "Print the address codes of the images the printer holds");
    auto json = std::make_shared<bool>(false);
    list->add_flag("--json", *json, "Print a JSON array");
    list->callback([&run, json] { run = [json](CliContext& ctx) { return List(ctx, *json); }; });

    auto* download = nv->add_subcommand("download", "Convert image files and store them in the printer");
    auto d = std::make_shared<DownloadOptions>();
    auto* autoFlag = download->add_flag("--auto", d->autoAddressing, "Choose free address codes from \"10\" on");
    auto* codes = download->add_option("--code", d->codes, "Address code for the next file (two characters); once per file")
                      ->expected(1)
                      ->allow_extra_args(false)
                      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    autoFlag->excludes(codes);
    AddConversionOptions(*download, d->brightness, d->dither);
    auto* replace = download->add_flag("--replace", d->replace, "Delete an image already stored under a --code first");
    replace->excludes(autoFlag);
    download->add_option("FILE", d->files, "Image files (BMP, PNG, JPEG, GIF, ...); transparency counts as white")
        ->required();
    download->callback([&run, d] { run = [d](CliContext& ctx) { return Download(ctx, *d); }; });

    AddNvPreviewCommand(*nv, run);
    AddTargetCommand(*nv, "print", "Print one stored image, or all of them", run,
                     [](CliContext& ctx, const TargetOptions& o) {
                         return OnTarget(ctx, o, false, &nv::NvManager::PrintAll, &nv::NvManager::Print);
                     });
    AddTargetCommand(*nv, "delete", "Delete one stored image, or all of them; prints the codes that remain", run,
                     [](CliContext& ctx, const TargetOptions& o) {
                         return OnTarget(ctx, o, true, &nv::NvManager::DeleteAll, &nv::NvManager::Delete);
                     });
}
}  // namespace

void AddNvCommand(CLI::App& app, CommandResult& run) {
    AddLazyCommand(app, "nv", "NV logo images: list, download, print and delete",
                   [&run](CLI::App& command) { BuildNvCommand(&command, run); });
}

}  // namespace pelmora::cli
