#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "link/LinkFailure.h"

namespace pelmora::context {

class PrinterContext;

/// Every cause line the product shows, in one table: plain English sentences
/// with Qt-style places (%1, %2) so that the windows can translate the entry
/// and fill it in the same way.
enum class Cause {
    NoSuchDevice,
    NotADevice,
    PermissionDenied,
    PermissionDeniedJoin,
    InUse,
    InUseBy,
    Refused,
    Unreachable,
    ConnectTimedOut,
    UnknownHost,
    BadAddress,
    PrinterOff,
    LineSettings,
    System,
    PeerClosed,
    NoReply,
    NoReplyBusy,
    Busy,
    NotPrinterReply,
    QueryNotTaken,
    OtherMaker,
    OtherModel,
    ReplyNamesNoModelText,
    ReplyNamesNoModel,
};

/// `line` is a filled cause text of the table (English): how the front ends
/// tell a failure's cause from the rest of its message.
bool IsCauseText(const std::string& line);
/// The untranslated text of one cause, places unfilled.
const char* CauseTemplate(Cause cause);
/// Every cause with its text, in table order (for translators and tests).
std::vector<std::pair<Cause, const char*>> AllCauseTemplates();
/// The template with %1, %2, ... replaced by `args` in order.
std::string FillCause(const std::string& text, const std::vector<std::string>& args);

/// The cause line of a port that did not open; empty for Kind::None.
std::string OpenFailureCause(const link::LinkFailure& failure);
/// "Port open error!" (or the handheld's text) with its cause below.
std::string OpenFailureMessage(const std::string& message, const link::LinkFailure& failure);

/// Where a wait for a reply started: its time and the bytes read before it,
/// so that the cause can tell silence from bytes that formed no reply.
struct WaitMark {
    std::uint32_t startedAt = 0;
    std::uint64_t bytesBefore = 0;
};
WaitMark MarkWait(PrinterContext& util);

/// A second line for the message of a query (`selector`) that failed with
/// `result`: the printer closed the connection, nothing came in the real
/// time waited, what came was not the printer's reply, or the reply names
/// another model or maker. Empty when there is nothing to add.
std::string QueryFailureCause(PrinterContext& util, std::uint32_t selector, int result, const WaitMark& mark);

/// For a step after identification that failed: when this job's answers came
/// only after resends, that the printer may be busy and how long they took.
std::string BusyCause(const PrinterContext& util);

/// `message` with the cause on a line of its own ("\r\n", as the windows' texts break lines).
std::string WithCause(const std::string& message, const std::string& cause);

}  // namespace pelmora::context
