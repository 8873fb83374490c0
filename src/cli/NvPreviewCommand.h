#pragma once
#include "cli/CliContext.h"

namespace pelmora::cli {

/// `nv preview FILE [--brightness N] --out PNG`: the raster a download would
/// send, as a picture, without a printer.
void AddNvPreviewCommand(CLI::App& nv, CommandResult& run);

}  // namespace pelmora::cli
