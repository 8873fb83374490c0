#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "context/Identification.h"
#include "link/CommSettings.h"
#include "link/Platform.h"

namespace pelmora::context {

/// A port of this machine that may hold a printer: a serial or Bluetooth
/// (rfcomm) port, tried at each speed, or a USB printer, tried once.
struct LocalCandidate {
    std::int32_t portType = link::PortSerial;  ///< PortSerial, PortBluetooth or PortUsb
    std::string port;                          ///< device path (COM3 on Windows)
    std::string description;                   ///< what the system calls it, for the listing
};

struct LocalDiscoveryOptions {
    int jobs = 8;  ///< ports tried at once
    /// Per speed: a printer at the right speed answers well inside this; at a
    /// wrong one it sends nothing or garbage, so waiting longer proves nothing.
    std::uint32_t probeMs = 1500;
};

/// What one port said. `settings` is what opens it (at the speed it answered,
/// for a serial port); `id.Identified()` when an MPT-Q700VII answered.
struct LocalAnswer {
    std::uint64_t order = 0;  ///< position among the candidates
    LocalCandidate candidate;
    link::CommSettings settings;
    Identification id;
    /// The port could not be opened (in use by another program, permission):
    /// it was skipped, and `id.message`/`id.cause` say why.
    bool skipped = false;
};

struct LocalDiscoveryProgress {
    std::uint64_t tried = 0, total = 0, found = 0;
    std::string trying;  ///< "/dev/ttyUSB0 at 9600": what is being asked now
    std::vector<LocalAnswer> answers;  ///< the ports done so far, so a listing can fill in as they end
};

struct LocalDiscoveryResult {
    std::vector<LocalAnswer> answers;  ///< one per candidate tried, in candidate order
    std::uint64_t tried = 0;
    bool stopped = false;
};

/// Tries each candidate, `options.jobs` at once: a serial or Bluetooth port at
/// each speed of the baud table, fastest first, until a printer identifies; a
/// USB printer once. A port that will not open is skipped with its cause, never
/// taken from the program that holds it. Nothing but the identification
/// queries is sent. Runs on the calling thread, which asks `stopWanted` and
/// reports `progress` every few tens of milliseconds; a stop ends every
/// exchange under way.
LocalDiscoveryResult DiscoverLocal(link::Platform& platform, const std::vector<LocalCandidate>& candidates,
                                   const LocalDiscoveryOptions& options, const std::function<bool()>& stopWanted,
                                   const std::function<void(const LocalDiscoveryProgress&)>& progress);

/// The candidates this machine has: its serial ports (rfcomm among them, as
/// Bluetooth) and its USB printers, as `pelmora ports` lists them.
std::vector<LocalCandidate> LocalCandidates(link::TraceSink& trace);

}  // namespace pelmora::context
