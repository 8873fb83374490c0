#pragma once

namespace pelmora::link {

/// Which program a job or a window serves. The two differ in texts, lists, a
/// few steps of the jobs, how their windows are laid out, and how the link
/// opens and closes a serial port (the handheld names ports as its system
/// does, waits longer on open and pauses before a close).
enum class Layout { Desktop, Handheld };

}  // namespace pelmora::link
