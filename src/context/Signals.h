#pragma once
#include <atomic>

namespace pelmora::context {

/// How a program run is told to stop: Ctrl-C, a service manager's stop
/// (SIGTERM) and, with `hangUp`, a closed terminal (SIGHUP) set `stop`
/// instead of ending the program, so that a job ends at its next phase and
/// never leaves a printer between enter- and end-of-setting. On Windows: the
/// console's Ctrl-C and Ctrl-Break, and with `hangUp` its closing. Until
/// RestoreStopSignals puts back what was there before.
void CatchStopSignals(std::atomic<bool>& stop, bool hangUp);
void RestoreStopSignals();

/// A write to a peer that has gone fails with an error instead of ending the
/// program (SIGPIPE ignored), and standard output carries bytes as they are
/// (on Windows in binary mode: a PNG to `--out -`, lines ending in LF).
void PrepareStandardStreams();

}  // namespace pelmora::context
