#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "link/Clock.h"

namespace pelmora::context {

/// How a job ended: OK when every phase ran, Cancel when a phase failed (the
/// message says why) or the operator cancelled.
enum class JobEnd { Running, Ok, Cancel };

/// The phase a runner wants run next, after `delayMs` on its one-shot timer.
struct NextPhase {
    int phase = 0;
    std::uint32_t delayMs = 0;
};

/// What a progress window shows. Runners report here and never draw.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void SetTitle(const std::string& /*title*/) {}
    virtual void SetLabel(const std::string& /*label*/) {}
    /// Bar position; may pass 100 (the bar then shows full).
    virtual void SetPosition(int /*position*/) {}
};

/// A progress window's job without the window: it hands its driver the next
/// phase and delay, and runs one phase when asked. The Qt windows drive it with
/// a one-shot QTimer, the command line and the tests with DriveJob.
class JobRunner {
public:
    virtual ~JobRunner() = default;
    /// The window opens; returns the first phase, or nothing when the job ended at once.
    virtual std::optional<NextPhase> Open() = 0;
    /// Runs one phase to its end; returns the next phase, or nothing when the job ended.
    virtual std::optional<NextPhase> RunPhase(int phase) = 0;
    /// The operator's Cancel (Esc); takes effect between phases.
    virtual void Cancel() = 0;
    virtual JobEnd End() const = 0;
    virtual const std::string& Message() const = 0;
};

/// Runs a job to its end on `clock`, sleeping each phase's delay. `cancelled`
/// is polled between phases (for SIGINT on the command line).
JobEnd DriveJob(JobRunner& runner, link::Clock& clock,
                const std::function<bool()>& cancelled = {});

}  // namespace pelmora::context
