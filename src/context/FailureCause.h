#pragma once
#include <cstdint>
#include <string>

namespace pelmora::context {

class PrinterContext;

/// A second line for the message of an identification query (`selector`
/// QUERY_MODEL or QUERY_MAKER) that failed with `result` after `waitedMs`:
/// the printer closed the connection, no reply came in that time, or the
/// reply names another model or maker. Empty when there is nothing to add.
std::string IdentifyFailureCause(const PrinterContext& util, std::uint32_t selector, int result, std::uint32_t waitedMs);

/// For a step after identification that failed: when this job's answers came
/// only after resends, that the printer may be busy and how long they took.
std::string BusyCause(const PrinterContext& util);

/// `message` with the cause on a line of its own ("\r\n", as the windows' texts break lines).
std::string WithCause(const std::string& message, const std::string& cause);

}  // namespace pelmora::context
