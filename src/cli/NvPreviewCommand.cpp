#include "cli/NvPreviewCommand.h"

#include <CLI/CLI.hpp>

#include "cli/LogoAdvice.h"
#include "link/LocalFile.h"
#include "nv/ImageDecoders.h"
#include "nv/ImageLoader.h"
#include "nv/NvTypes.h"
#include "nv/RasterPng.h"

namespace pelmora::cli {

namespace {

struct PreviewOptions {
    std::string file;
    int brightness = 0;
    std::string dither = "pattern";
    std::string out;
};

int Preview(CliContext& ctx, const PreviewOptions& o) {
    // Refused before the image is read: nothing may be written over a device or a FIFO.
    const bool toStdout = o.out == "-";
    if (const std::string problem = toStdout ? "" : link::OutputProblem(o.out); !problem.empty())
        throw UsageError{"--out: cannot write " + o.out + ": " + problem};
    const nv::Dither dither = *nv::DitherNamed(o.dither);
    const auto image = nv::LoadImageFile(o.file);
    const nv::RasterResult converted =
        image ? nv::ConvertToRaster(*image, o.brightness, dither) : nv::RasterResult{{}, nv::kImageLoadFailed};
    if (converted.ok()) AdviseOnLogo(ctx.err, o.file, image->width, converted.raster, dither);
    if (!converted.ok()) {
        // As `nv download` refuses the file: the message, then the file.
        PrintMessage(ctx.err, converted.error);
        if (const std::string why = image ? "" : nv::ImageLibraryProblem(o.file); !why.empty()) PrintMessage(ctx.err, why);
        PrintMessage(ctx.err, o.file);
        return ExitUsage;
    }
    if (const std::string why = nv::PngLibraryProblem(); !why.empty()) {
        PrintMessage(ctx.err, "pelmora: cannot write a PNG: " + why);
        return ExitUsage;
    }
    const std::string size = std::to_string(converted.raster.width) + " x " +
                             std::to_string(converted.raster.height) + " dots";
    if (toStdout) {
        const std::string png = nv::RasterPngBytes(converted.raster);
        ctx.out.write(png.data(), static_cast<std::streamsize>(png.size()));
        if (png.empty() || !ctx.out.flush()) {
            PrintMessage(ctx.err, "pelmora: cannot write the PNG to standard output");
            return ExitUsage;
        }
        PrintMessage(ctx.err, size);  // stdout holds the picture
        return ExitOk;
    }
    std::string error;
    if (!nv::WriteRasterPng(converted.raster, o.out, error)) {
        PrintMessage(ctx.err, "pelmora: " + error);
        return ExitUsage;
    }
    ctx.out << size << '\n';
    return ExitOk;
}

}  // namespace

void AddNvPreviewCommand(CLI::App& nv, CommandResult& run) {
    auto* preview = nv.add_subcommand(
        "preview", "Write the one-bit picture `nv download` would send for an image file, without a printer");
    auto o = std::make_shared<PreviewOptions>();
    preview->add_option("FILE", o->file, "Image file (BMP, PNG, JPEG, GIF, ...)")->required();
    AddConversionOptions(*preview, o->brightness, o->dither);
    preview->add_option("--out", o->out, "PNG file to write (a regular or a new file; - for standard output)")
        ->required()
        ->check(CLI::Validator(RefuseEmpty, ""));
    preview->callback([&run, o] { run = [o](CliContext& ctx) { return Preview(ctx, *o); }; });
}

void AddConversionOptions(CLI::App& command, int& brightness, std::string& dither) {
    command.add_option("--brightness", brightness, "Brightness 0..100 of the conversion (0: plain threshold)")
        ->check(CLI::Range(0, 100))
        ->capture_default_str();
    command
        .add_option("--dither", dither,
                    "How shades become dots: pattern (as the windows do), floyd-steinberg or atkinson "
                    "(error diffusion, for photos)")
        ->check(CLI::IsMember(std::vector<std::string>(nv::kDitherNames.begin(), nv::kDitherNames.end())))
        ->capture_default_str();
}

}  // namespace pelmora::cli
