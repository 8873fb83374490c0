#pragma once
#include "cli/CliContext.h"

namespace pelmora::cli {

/// `nv preview FILE [--brightness N] [--dither KIND] --out PNG`: the raster a
/// download would send, as a picture, without a printer.
void AddNvPreviewCommand(CLI::App& nv, CommandResult& run);

/// --brightness and --dither, as `nv download` and `nv preview` both take them.
void AddConversionOptions(CLI::App& command, int& brightness, std::string& dither);

}  // namespace pelmora::cli
