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
    if (util.link().PeerGone()) return "The printer closed the connection.";
    switch (result) {
    case rc::NoReply: {
        char text[64];
        std::snprintf(text, sizeof text, "No reply came within %.1f s.", waitedMs / 1000.0);
        return text;
    }
    case rc::ShortWrite: return "The printer did not take the query.";
    case rc::NotSupported:
        if (selector == QUERY_MAKER) return "The printer reports another maker.";
        // A model reply starts with '_'; the text after it is the model's name.
        if (util.modelName().size() > 1 && util.modelName().front() == '_')
            return "The printer reports the model \"" + Printable(util.modelName().substr(1)) + "\".";
        if (!util.modelName().empty()) return "The printer's reply \"" + Printable(util.modelName()) + "\" names no model.";
        return "The printer's reply names no model.";
    default: return {};
    }
}

std::string WithCause(const std::string& message, const std::string& cause) {
    return cause.empty() ? message : message + "\r\n" + cause;
}

}  // namespace pelmora::context
