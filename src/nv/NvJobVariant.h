#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "nv/NvTypes.h"

namespace pelmora::nv {

/// One action of the printer check in the start step.
struct NvCheckAction {
    enum class Kind { Advance, Query };
    Kind kind = Kind::Advance;
    std::uint32_t selector = 0;  ///< Query: the QueryPrinter selector
    std::string text;            ///< Advance: the caption; Query: the failure message
};

/// What differs between the desktop and the handheld NV windows: the printer
/// check and the texts. The steps, timers and progress are shared.
struct NvJobVariant {
    std::map<NvJob, std::string> titles;
    std::string initialLabel;
    std::string openText;
    std::string openFailed;
    std::vector<NvCheckAction> check;
    std::map<NvJob, std::string> stepTexts;
    std::string finishDownloadText;
    std::string downloadingSuffix;
    std::string readFailed;
    std::string notSupported;
    std::string writeFailed;
    std::string downloadWriteFailed;
    std::string cancelled;

    // The manager window's own texts that differ between the two programs.
    std::string noImagesSelected;
    std::string areaTooSmall;
};

/// Desktop: one title, and the maker check.
const NvJobVariant& DesktopNvJob();
/// Handheld: a title per job, and the model and version checks.
const NvJobVariant& HandheldNvJob();

}  // namespace pelmora::nv
