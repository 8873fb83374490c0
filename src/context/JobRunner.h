#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "link/Clock.h"
#include "link/StopRequest.h"

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
/// a one-shot timer and run each phase on a worker thread, the command line
/// and the tests with DriveJob.
///
/// Threads: a driver calls one member at a time and never two at once. A
/// phase may run on another thread than Open, Cancel, End and Message, as long
/// as the driver hands over between them (the phase's result comes back to
/// the driver before it calls anything else). The ProgressView is called from
/// the thread that runs the member.
class JobRunner {
public:
    virtual ~JobRunner() = default;
    /// The window opens; returns the first phase, or nothing when the job ended at once.
    virtual std::optional<NextPhase> Open() = 0;
    /// Runs one phase to its end; returns the next phase, or nothing when the job ended.
    virtual std::optional<NextPhase> RunPhase(int phase) = 0;
    /// The operator's Cancel (Esc). Called only between phases, never while
    /// RunPhase runs: a driver holds the operator's request until the running
    /// phase has returned, then hands it over instead of running the next one.
    virtual void Cancel() = 0;
    virtual JobEnd End() const = 0;
    virtual const std::string& Message() const = 0;
    /// The flag the running phase's waits look at (the link's). A driver sets
    /// it while a phase runs, so that a Cancel need not wait for a reply's
    /// time-out; the phase then ends as cancelled. Null: the job has none.
    virtual link::StopRequest* stopRequest() { return nullptr; }
};

/// Runs a job to its end on `clock`, sleeping each phase's delay. `cancelled`
/// is polled between phases (for SIGINT on the command line).
JobEnd DriveJob(JobRunner& runner, link::Clock& clock,
                const std::function<bool()>& cancelled = {});

}  // namespace pelmora::context
