#include "context/FailureCause.h"

#include <cstdio>

#include "context/PrinterContext.h"
#include "context/ResultCode.h"

namespace pelmora::context {

namespace {

struct CauseRow {
    Cause cause;
    const char* text;
};

// The translation tools read the marker; the core itself needs no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

// The one table of cause texts. The windows translate these entries; keep
// them whole sentences with places, never pieces glued together.
constexpr CauseRow kCauses[] = {
    {Cause::NoSuchDevice, QT_TRANSLATE_NOOP("CoreText", "%1 does not exist: the printer is not plugged in, or the port name is wrong (`pelmora ports` lists the ports).")},
    {Cause::NotADevice, QT_TRANSLATE_NOOP("CoreText", "%1 is not a port a printer can be reached on (`pelmora ports` lists the ports).")},
    {Cause::PermissionDenied, QT_TRANSLATE_NOOP("CoreText", "Permission denied on %1 (ask this computer's administrator for access to the port).")},
    {Cause::PermissionDeniedJoin, QT_TRANSLATE_NOOP("CoreText", "Permission denied on %1: join the group %2 (sudo usermod -aG %2 $USER, then log in again).")},
    {Cause::InUse, QT_TRANSLATE_NOOP("CoreText", "%1 is in use by another program: close it, then try again.")},
    {Cause::InUseBy, QT_TRANSLATE_NOOP("CoreText", "%1 is in use by another program, %2: close it, then try again.")},
    {Cause::Refused, QT_TRANSLATE_NOOP("CoreText", "%1 refused the connection: nothing listens on that port (check the printer's address and port).")},
    {Cause::Unreachable, QT_TRANSLATE_NOOP("CoreText", "%1 cannot be reached: there is no route to it (check the address and this computer's network connection).")},
    {Cause::ConnectTimedOut, QT_TRANSLATE_NOOP("CoreText", "%1 did not answer the connection within %2 s (check that the printer is on and that the address is right).")},
    {Cause::UnknownHost, QT_TRANSLATE_NOOP("CoreText", "The host name in %1 is not known (check its spelling, or give the printer's IP address).")},
    {Cause::BadAddress, QT_TRANSLATE_NOOP("CoreText", "%1 is no address a printer can have.")},
    {Cause::PrinterOff, QT_TRANSLATE_NOOP("CoreText", "%1 opened, but no printer holds DSR up: it is switched off or not connected.")},
    {Cause::LineSettings, QT_TRANSLATE_NOOP("CoreText", "%1 did not take the line settings.")},
    {Cause::System, QT_TRANSLATE_NOOP("CoreText", "%1 could not be opened: %2.")},
    {Cause::PeerClosed, QT_TRANSLATE_NOOP("CoreText", "The printer closed the connection.")},
    {Cause::NoReply, QT_TRANSLATE_NOOP("CoreText", "No reply came within %1 s.")},
    {Cause::NoReplyBusy, QT_TRANSLATE_NOOP("CoreText", "No reply came within %1 s; earlier answers took %2 s: the printer may be busy with another client.")},
    {Cause::Busy, QT_TRANSLATE_NOOP("CoreText", "Earlier answers took %1 s: the printer may be busy with another client.")},
    {Cause::NotPrinterReply, QT_TRANSLATE_NOOP("CoreText", "%1 bytes came back within %2 s, but no reply of the printer: something else answers on this link (check the port, and on a serial line its speed).")},
    {Cause::QueryNotTaken, QT_TRANSLATE_NOOP("CoreText", "The printer did not take the query.")},
    {Cause::OtherMaker, QT_TRANSLATE_NOOP("CoreText", "The printer reports another maker.")},
    {Cause::OtherModel, QT_TRANSLATE_NOOP("CoreText", "The printer reports the model \"%1\".")},
    {Cause::ReplyNamesNoModelText, QT_TRANSLATE_NOOP("CoreText", "The printer's reply \"%1\" names no model.")},
    {Cause::ReplyNamesNoModel, QT_TRANSLATE_NOOP("CoreText", "The printer's reply names no model.")},
};

// A printer's text shown to a person: printable ASCII only, so that a hostile
// reply cannot drive the terminal.
std::string Printable(std::string text) {
    for (char& c : text)
        if (c < 0x20 || c > 0x7E) c = '?';
    return text;
}

std::string Seconds(std::uint64_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(ms) / 1000.0);
    return text;
}

std::string Fill(Cause cause, const std::vector<std::string>& args = {}) {
    return FillCause(CauseTemplate(cause), args);
}

}  // namespace

const char* CauseTemplate(Cause cause) {
    for (const CauseRow& row : kCauses)
        if (row.cause == cause) return row.text;
    return "";
}

namespace {

// The template's literal pieces appear in order, the first at the start and the last at the end.
bool Matches(const std::string& text, const std::string& line) {
    std::vector<std::string> pieces{""};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            pieces.emplace_back();
            ++i;
        } else {
            pieces.back() += text[i];
        }
    }
    if (line.rfind(pieces.front(), 0) != 0) return false;
    std::size_t at = pieces.front().size();
    for (std::size_t i = 1; i + 1 < pieces.size(); ++i) {
        at = line.find(pieces[i], at);
        if (at == std::string::npos) return false;
        at += pieces[i].size();
    }
    const std::string& last = pieces.back();
    return pieces.size() == 1 ? line == last
                              : line.size() >= at + last.size() && line.compare(line.size() - last.size(), last.size(), last) == 0;
}

}  // namespace

bool IsCauseText(const std::string& line) {
    for (const CauseRow& row : kCauses)
        if (Matches(row.text, line)) return true;
    return false;
}

std::vector<std::pair<Cause, const char*>> AllCauseTemplates() {
    std::vector<std::pair<Cause, const char*>> all;
    for (const CauseRow& row : kCauses) all.emplace_back(row.cause, row.text);
    return all;
}

// Filled in one pass, so that a place-like text inside an argument (a printer's
// reply "%2") stays as it is.
std::string FillCause(const std::string& text, const std::vector<std::string>& args) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool place = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const std::size_t index = place ? static_cast<std::size_t>(text[i + 1] - '1') : 0;
        if (place && index < args.size()) {
            out += args[index];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string OpenFailureCause(const link::LinkFailure& f) {
    using Kind = link::LinkFailure::Kind;
    const std::string where = Printable(f.where);
    switch (f.kind) {
    case Kind::None: return {};
    case Kind::NoSuchDevice: return Fill(Cause::NoSuchDevice, {where});
    case Kind::NotADevice: return Fill(Cause::NotADevice, {where});
    case Kind::PermissionDenied:
        return f.detail.empty() ? Fill(Cause::PermissionDenied, {where})
                                : Fill(Cause::PermissionDeniedJoin, {where, Printable(f.detail)});
    case Kind::InUse:
        return f.detail.empty() ? Fill(Cause::InUse, {where}) : Fill(Cause::InUseBy, {where, Printable(f.detail)});
    case Kind::Refused: return Fill(Cause::Refused, {where});
    case Kind::Unreachable: return Fill(Cause::Unreachable, {where});
    case Kind::ConnectTimedOut: return Fill(Cause::ConnectTimedOut, {where, Seconds(f.waitedMs)});
    case Kind::UnknownHost: return Fill(Cause::UnknownHost, {where});
    case Kind::BadAddress: return Fill(Cause::BadAddress, {where});
    case Kind::PrinterOff: return Fill(Cause::PrinterOff, {where});
    case Kind::LineSettings: return Fill(Cause::LineSettings, {where});
    case Kind::System: return Fill(Cause::System, {where, Printable(f.detail)});
    }
    return {};
}

std::string OpenFailureMessage(const std::string& message, const link::LinkFailure& failure) {
    return WithCause(message, OpenFailureCause(failure));
}

WaitMark MarkWait(PrinterContext& util) {
    return {util.clock().TickCount(), util.link().bytesRead()};
}

std::string QueryFailureCause(PrinterContext& util, std::uint32_t selector, int result, const WaitMark& mark) {
    if (util.link().PeerGone()) return Fill(Cause::PeerClosed);
    const std::string waited = Seconds(util.clock().TickCount() - mark.startedAt);
    switch (result) {
    case rc::NoReply:
    case rc::BadHeader: {
        // A flood or a byte now and then is no silence: say that something answered.
        const std::uint64_t bytes = util.link().bytesRead() - mark.bytesBefore;
        if (bytes == 0)
            return util.lateAnswerMs() ? Fill(Cause::NoReplyBusy, {waited, Seconds(util.lateAnswerMs())})
                                       : Fill(Cause::NoReply, {waited});
        return Fill(Cause::NotPrinterReply, {std::to_string(bytes), waited});
    }
    case rc::ShortWrite: return Fill(Cause::QueryNotTaken);
    case rc::NotSupported:
        if (selector == QUERY_MAKER) return Fill(Cause::OtherMaker);
        // A model reply starts with '_'; the text after it is the model's name.
        if (util.modelName().size() > 1 && util.modelName().front() == '_')
            return Fill(Cause::OtherModel, {Printable(util.modelName().substr(1))});
        if (!util.modelName().empty()) return Fill(Cause::ReplyNamesNoModelText, {Printable(util.modelName())});
        return Fill(Cause::ReplyNamesNoModel);
    default: return {};
    }
}

std::string BusyCause(const PrinterContext& util) {
    return util.lateAnswerMs() ? Fill(Cause::Busy, {Seconds(util.lateAnswerMs())}) : std::string();
}

std::string WithCause(const std::string& message, const std::string& cause) {
    return cause.empty() ? message : message + "\r\n" + cause;
}

}  // namespace pelmora::context
