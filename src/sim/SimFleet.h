#pragma once
#include <atomic>
#include <functional>
#include <iosfwd>
#include <string>

#include "sim/PrinterModel.h"
#include "sim/SimServer.h"

namespace pelmora::sim {

/// The most printers one pelmora-sim serves: each takes a thread and a port.
constexpr int kMaxFleetPrinters = 1000;

/// Readies printer `index` (0-based) of a fleet: its identity, faults and
/// stored state. False with `error` set when its state cannot be read.
using PreparePrinter = std::function<bool(PrinterModel& printer, int index, std::string& error)>;

/// Serves `count` independent printers on consecutive ports from
/// `options.port` (with port 0, from the first of a free run of ports), each
/// one client at a time on a thread of its own. Prints one "listening on
/// ADDR:PORT" line per printer, in port order, then serves until `stop`.
/// With `stateDir`, printer N (from 1) keeps its state in stateDir/printer-N.json.
/// Returns the process's exit status.
int RunSimFleet(int count, const SimServerOptions& options, const std::string& stateDir,
                const PreparePrinter& prepare, const std::atomic<bool>& stop, std::ostream& out, std::ostream& err);

/// Where printer `index` (0-based) of a fleet keeps its state.
std::string FleetStateFile(const std::string& stateDir, int index);

}  // namespace pelmora::sim
