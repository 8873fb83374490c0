#pragma once
#include <iosfwd>
#include <string>

#include <nlohmann/json.hpp>

#include "context/TcpDiscovery.h"

namespace pelmora::cli {

/// How a found printer is named to the other commands: "tcp 10.0.0.5:9100",
/// "tcp [fe80::1]:9100" (a line of a printers file).
std::string PrinterLine(const context::TcpAnswer& answer);

/// The listing: one line per printer, with `all` also what answered otherwise and why.
void PrintDiscoveryTable(std::ostream& out, const context::TcpDiscoveryResult& result, bool all);

/// {"found": [...], "other": [...] (with `all`), "tried": N, "total": M, "interrupted": B}.
nlohmann::json DiscoveryJson(const context::TcpDiscoveryResult& result, std::uint64_t total, bool all);

/// The printers file of what was found, which `--printers` reads as is; the
/// old file stays whole when it cannot be written. Empty on success, else why.
std::string WritePrintersFile(const std::string& path, const context::TcpDiscoveryResult& result);

}  // namespace pelmora::cli
