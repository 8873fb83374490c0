#include <gtest/gtest.h>

#include "nv/KeyCodeReply.h"

namespace pelmora::nv {
namespace {

using Kind = KeyCodeBlock::Kind;

TEST(ParseKeyCodeBlock, RepliesOfThePrinter) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> reply;
        Kind kind;
        bool more;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {"two codes", {0x37, 0x72, 0x40, 0x41, 0x31, 0x42, 0x32, 0x00}, Kind::Codes, false, {"A1", "B2"}},
        {"no codes", {0x37, 0x72, 0x40, 0x00}, Kind::Empty, false, {}},
        {"junk before the header", {0x11, 0xFF, 0x37, 0x72, 0x40, 0x31, 0x30, 0x00}, Kind::Codes, false, {"10"}},
        {"more blocks follow", {0x37, 0x72, 0x41, 0x31, 0x30, 0x00}, Kind::Codes, true, {"10"}},
        {"odd byte dropped", {0x37, 0x72, 0x40, 0x41, 0x31, 0x42, 0x00}, Kind::Codes, false, {"A1"}},
        {"no header", {0x41, 0x42, 0x43, 0x00}, Kind::Bad, false, {}},
        {"wrong tag", {0x37, 0x73, 0x40, 0x41, 0x31, 0x00}, Kind::Bad, false, {}},
        {"too short", {0x37, 0x72, 0x00}, Kind::Bad, false, {}},
        {"nothing", {}, Kind::Bad, false, {}},
    };
    for (const Case& c : cases) {
        const KeyCodeBlock block = ParseKeyCodeBlock(c.reply);
        EXPECT_EQ(block.kind, c.kind) << c.name;
        if (c.kind == Kind::Bad) continue;
        EXPECT_EQ(block.more, c.more) << c.name;
        EXPECT_EQ(block.codes, c.codes) << c.name;
    }
}

TEST(ParseKeyCodeBlock, HeaderIsSoughtOnlyInTheFirst250Bytes) {
    std::vector<std::uint8_t> reply(251, 0x11);
    reply.insert(reply.end(), {0x37, 0x72, 0x40, 0x41, 0x31, 0x00});
    EXPECT_EQ(ParseKeyCodeBlock(reply).kind, Kind::Bad);
    reply.erase(reply.begin());  // the header now starts at 250
    EXPECT_EQ(ParseKeyCodeBlock(reply).kind, Kind::Codes);
}

}  // namespace
}  // namespace pelmora::nv
