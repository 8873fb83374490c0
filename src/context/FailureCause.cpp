#include "context/FailureCause.h"

#include <cstdio>

#include "context/PrinterContext.h"
#include "context/ResultCode.h"

namespace pelmora::context {

namespace {

// A printer's text shown to a person: printable ASCII only, so that a hostile
// reply cannot drive the terminal.
std::string Printable(std::string text) {
    for (char& c : text)
        if (c < 0x20 || c > 0x7E) c = '?';
    return text;
}

}  // namespace

std::string IdentifyFailureCause(const PrinterContext& util, std::uint32_t selector, int result, std::uint32_t waitedMs) {
    if (util.link.PeerGone()) return "The printer closed the connection.";
    switch (result) {
    case rc::NoReply: {
        char text[128];
        if (util.lateAnswerMs())
            std::snprintf(text, sizeof text, "No reply came within %.1f s; earlier answers took %.1f s: the printer may be busy with another client.",
                          waitedMs / 1000.0, util.lateAnswerMs() / 1000.0);
        else
            std::snprintf(text, sizeof text, "No reply came within %.1f s.", waitedMs / 1000.0);
        return text;
    }
    case rc::ShortWrite: return "The printer did not take the query.";
    case rc::NotSupported:
        if (selector == QUERY_MAKER) return "The printer reports another maker.";
        // A model reply starts with '_'; the text after it is the model's name.
        if (util.ModelName.size() > 1 && util.ModelName.front() == '_')
            return "The printer reports the model \"" + Printable(util.ModelName.substr(1)) + "\".";
        if (!util.ModelName.empty()) return "The printer's reply \"" + Printable(util.ModelName) + "\" names no model.";
        return "The printer's reply names no model.";
    default: return {};
    }
}

std::string BusyCause(const PrinterContext& util) {
    if (!util.lateAnswerMs()) return {};
    char text[128];
    std::snprintf(text, sizeof text, "Earlier answers took %.1f s: the printer may be busy with another client.",
                  util.lateAnswerMs() / 1000.0);
    return text;
}

std::string WithCause(const std::string& message, const std::string& cause) {
    return cause.empty() ? message : message + "\r\n" + cause;
}

}  // namespace pelmora::context
