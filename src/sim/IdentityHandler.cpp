#include "sim/IdentityHandler.h"

#include <algorithm>

namespace pelmora::sim {

namespace {

Reply TextReply(const std::string& text) {
    Reply reply;
    reply.bytes.assign(text.size() + 2, 0x00);  // '_', the text, 00
    reply.bytes[0] = '_';
    std::copy(text.begin(), text.end(), reply.bytes.begin() + 1);
    return reply;
}

}  // namespace

CommandHandler::Match IdentityHandler::Handle(std::span<const std::uint8_t> input, std::size_t& consumed,
                                              std::string& key, std::vector<Reply>& replies) {
    if (input[0] == 0x00) {  // probe byte of a serial open
        consumed = 1;
        key = "probe";
        return Match::Yes;
    }
    const bool gsI = input[0] == 0x1D;
    const bool escMI = input[0] == 0x1B;
    if (!gsI && !escMI) return Match::No;
    if (input.size() >= 2 && input[1] != (gsI ? 0x49 : 0x4D)) return Match::No;
    if (input.size() < 3) return Match::NeedMore;
    consumed = 3;
    const Identity& id = printer_.identity;
    if (escMI) {
        if (input[2] != 0x49) return Match::No;
        key = "msr";
        replies.push_back(Reply{{0x37, 0x80, id.msrMode, 0x00}});
        return Match::Yes;
    }
    switch (input[2]) {
    case 'A': key = "version"; replies.push_back(TextReply(id.versionText)); break;
    case 'B': key = "maker"; replies.push_back(TextReply(id.makerText)); break;
    case 'C': key = "model"; replies.push_back(TextReply(id.modelText)); break;
    case 'E': key = "codepage"; replies.push_back(TextReply(id.codePageText)); break;
    default: key = "gs-i-unknown"; break;  // a real printer ignores what it does not know
    }
    return Match::Yes;
}

}  // namespace pelmora::sim
