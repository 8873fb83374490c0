#pragma once
#include <string>

#include <nlohmann/json.hpp>

#include "vmsm/PrinterConfig.h"

namespace pelmora::context { class CCommonUtil; }

namespace pelmora::cli {

/// The record under its field names, texts as Latin-1 code points, with the
/// printer's identity under "printer". `config set --from` reads it back.
nlohmann::ordered_json ConfigToJson(const vmsm::PrinterConfig& config, const context::CCommonUtil& printer);

/// The record for people: one line per field, labelled and worded as the
/// desktop's memory-switch pages show it.
std::string ConfigReport(const vmsm::PrinterConfig& config, const context::CCommonUtil& printer);

}  // namespace pelmora::cli
