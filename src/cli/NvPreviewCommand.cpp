#include "cli/NvPreviewCommand.h"

#include <CLI/CLI.hpp>

#include "nv/ImageLoader.h"
#include "nv/RasterPng.h"

namespace pelmora::cli {

namespace {

struct PreviewOptions {
    std::string file;
    int brightness = 0;
    std::string out;
};

int Preview(CliContext& ctx, const PreviewOptions& o) {
    const nv::RasterResult converted = nv::RasterFromImageFile(o.file, o.brightness);
    if (!converted.ok()) {
        // As `nv download` refuses the file: the message, then the file.
        PrintMessage(ctx.err, converted.error);
        PrintMessage(ctx.err, o.file);
        return ExitUsage;
    }
    std::string error;
    if (!nv::WriteRasterPng(converted.raster, o.out, error)) {
        PrintMessage(ctx.err, error);
        return ExitFailed;
    }
    ctx.out << converted.raster.width << " x " << converted.raster.height << " dots\n";
    return ExitOk;
}

}  // namespace

void AddNvPreviewCommand(CLI::App& nv, CommandResult& run) {
    auto* preview = nv.add_subcommand(
        "preview", "Write the one-bit picture `nv download` would send for an image file, without a printer");
    auto o = std::make_shared<PreviewOptions>();
    preview->add_option("FILE", o->file, "Image file (BMP, PNG, JPEG, GIF, ...)")->required();
    preview->add_option("--brightness", o->brightness, "Brightness 0..100 of the conversion (0: plain threshold)")
        ->check(CLI::Range(0, 100))
        ->capture_default_str();
    preview->add_option("--out", o->out, "PNG file to write")->required();
    preview->callback([&run, o] { run = [o](CliContext& ctx) { return Preview(ctx, *o); }; });
}

}  // namespace pelmora::cli
