#include "context/JobRunner.h"

namespace pelmora::context {

JobEnd DriveJob(JobRunner& runner, link::Clock& clock, const std::function<bool()>& cancelled) {
    std::optional<NextPhase> next = runner.Open();
    while (next) {
        clock.Sleep(next->delayMs);
        if (cancelled && cancelled()) {
            runner.Cancel();
            break;
        }
        next = runner.RunPhase(next->phase);
    }
    return runner.End();
}

}  // namespace pelmora::context
