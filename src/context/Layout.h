#pragma once

namespace pelmora::context {

/// Which program a job or a window serves. The two differ in texts, lists, a
/// few steps of the jobs and how their windows are laid out: the desktop's job
/// window frames the bar with the runner's label as caption, the handheld's
/// gives each job a title and a text line above the bar.
enum class Layout { Desktop, Handheld };

}  // namespace pelmora::context
