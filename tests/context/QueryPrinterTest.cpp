#include <gtest/gtest.h>

#include <algorithm>

#include "context/ResultCode.h"
#include "support/PrinterRig.h"
#include "support/ScriptedReply.h"

namespace pelmora {
namespace {

using context::QUERY_CODEPAGE;
using context::QUERY_MAKER;
using context::QUERY_MODEL;
using context::QUERY_MSR_MODE;
using context::QUERY_VERSION;
using test::PrinterRig;
using test::ScriptedReply;

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

int Count(const std::vector<std::string>& log, const std::string& key) {
    return static_cast<int>(std::count(log.begin(), log.end(), key));
}

// A closed link answers 101 and sends nothing; an unknown selector on an open
// one does nothing; a write cut short closes the link.
TEST(QueryPrinter, LinkStateComesBeforeAnyExchange) {
    PrinterRig closed;
    for (std::uint32_t selector : {0u, 1u, 2u, 3u, 4u, 5u, 99u})
        EXPECT_EQ(closed.util.QueryPrinter(selector), rc::NotOpen) << selector;
    EXPECT_TRUE(closed.printer.received().empty());

    ASSERT_TRUE(closed.Open());
    EXPECT_EQ(closed.util.QueryPrinter(5), rc::Ok);
    EXPECT_TRUE(closed.TakeReceived().empty());
    EXPECT_TRUE(closed.util.link.IsOpen());

    for (const auto selector : {QUERY_CODEPAGE, QUERY_MODEL, QUERY_VERSION, QUERY_MSR_MODE, QUERY_MAKER}) {
        PrinterRig rig;
        ASSERT_TRUE(rig.Open());
        rig.platform.config().shortWritesFrom = 0;
        EXPECT_EQ(rig.util.QueryPrinter(selector), rc::ShortWrite) << selector;
        EXPECT_FALSE(rig.util.link.IsOpen()) << selector;
    }
}

// Only the first eight places and the length are compared; another model
// closes the link and keeps the raw reply.
TEST(QueryModel, ExpectedModelVariantsAndOthers) {
    struct Case { const char* model; int result; std::uint32_t code; std::string name; };
    const Case cases[] = {
        {"MPT-Q700VII", rc::Ok, 703, "MPT-Q700VII"},     {"MPT-Q710VII", rc::Ok, 703, "MPT-Q710VII"},
        {"MPT_Q7xyVII", rc::Ok, 703, "MPT_Q7xyVII"},     {"MPT-Q800VII", rc::NotSupported, 0, "_MPT-Q800VII"},
        {"MPT-Q700VIIX", rc::NotSupported, 0, "_MPT-Q700VIIX"}, {"MPT", rc::NotSupported, 0, "_MPT"},
    };
    for (const Case& c : cases) {
        PrinterRig rig;
        rig.printer.identity.modelText = c.model;
        ASSERT_TRUE(rig.Open());
        EXPECT_EQ(rig.util.QueryPrinter(QUERY_MODEL), c.result) << c.model;
        EXPECT_EQ(std::tie(rig.util.ModelCode, rig.util.ModelName), std::tie(c.code, c.name));
        EXPECT_EQ(rig.util.link.IsOpen(), c.result == rc::Ok) << c.model;
        EXPECT_EQ(rig.TakeReceived(), (std::vector<std::uint8_t>{0x1D, 0x49, 0x43}));
    }
    // Another model reads its version by the other rule.
    PrinterRig rig;
    rig.printer.identity.modelText = "OTHER";
    rig.printer.identity.versionText = "V02.10";
    ASSERT_TRUE(rig.Open());
    rig.util.QueryPrinter(QUERY_MODEL);
    ASSERT_TRUE(rig.Open());
    EXPECT_EQ(rig.util.QueryPrinter(QUERY_VERSION), rc::Ok);
    EXPECT_EQ(rig.util.FirmwareVersion, 102100u);
}

TEST(QueryModel, SettingModeNoticeBeforeTheReplyIsSkipped) {
    const std::string model = "MPT-Q700VII", text = std::string("\x37\x20\x00_", 4) + model + '\0';
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    for (bool ownRead : {true, false}) {
        PrinterRig rig;
        sim::Reply reply{bytes, ownRead ? 3u : 0u, 50};
        rig.printer.AddHandler(std::make_unique<ScriptedReply>(std::vector<std::uint8_t>{0x1D, 0x49, 0x43}, std::vector{reply}));
        ASSERT_TRUE(rig.Open());
        EXPECT_EQ(rig.util.QueryPrinter(QUERY_MODEL), rc::Ok) << ownRead;
        EXPECT_EQ(rig.util.ModelName, model);
    }
    // The notice alone, then silence.
    PrinterRig rig;
    rig.printer.AddHandler(std::make_unique<ScriptedReply>(std::vector<std::uint8_t>{0x1D, 0x49, 0x43},
                                                           std::vector{sim::Reply{{0x37, 0x20, 0x00}, 0, 0}}));
    ASSERT_TRUE(rig.Open());
    rig.util.ModelName = "from an earlier printer";
    EXPECT_EQ(rig.util.QueryPrinter(QUERY_MODEL), rc::NoReply);
    EXPECT_EQ(rig.util.ModelName, "");
    EXPECT_FALSE(rig.util.link.IsOpen());
}

TEST(QueryModel, SplitReplyIsGatheredWhole) {
    for (std::int32_t type : {link::PortTcp, link::PortSerial}) {
        PrinterRig rig(type);
        rig.printer.faults.perCommand["model"] = sim::Fault::Split;
        ASSERT_TRUE(rig.Open());
        EXPECT_EQ(rig.util.QueryPrinter(QUERY_MODEL), rc::Ok) << type;
        EXPECT_EQ(rig.util.ModelName, "MPT-Q700VII");
    }
}

// A printer that never ends its reply gets ten resends (eleven commands in
// all), then 109 and a closed link. Silent on serial: two empty reads, then a
// read after each resend but the last, twelve reads of two seconds.
TEST(ResendLoop, TenResendsThenNoReply) {
    struct Case { const char* key; std::uint32_t selector; sim::Fault fault; std::int32_t port; std::uint64_t min, max; };
    const Case cases[] = {
        {"model", QUERY_MODEL, sim::Fault::Silent, link::PortSerial, 12 * 2010, 26000},
        {"maker", QUERY_MAKER, sim::Fault::Unterminated, link::PortTcp, 0, UINT64_MAX},
        {"maker", QUERY_MAKER, sim::Fault::CutShort, link::PortTcp, 0, UINT64_MAX},
        {"msr", QUERY_MSR_MODE, sim::Fault::Silent, link::PortTcp, 0, UINT64_MAX},
    };
    for (const Case& c : cases) {
        PrinterRig rig(c.port);
        rig.printer.faults.perCommand[c.key] = c.fault;
        ASSERT_TRUE(rig.Open());
        const auto start = rig.Now();
        EXPECT_EQ(rig.util.QueryPrinter(c.selector), rc::NoReply) << c.key;
        EXPECT_EQ(Count(rig.printer.commandLog(), c.key), 11) << c.key;
        EXPECT_FALSE(rig.util.link.IsOpen()) << c.key;
        EXPECT_GE(rig.Now() - start, c.min) << c.key;
        EXPECT_LT(rig.Now() - start, c.max) << c.key;
    }
}

// What came before a resend is dropped: a cut reply then a whole one reads as
// the whole one; a full buffer without an end starts over without a resend.
TEST(ResendLoop, PiecesBeforeAResendAreDropped) {
    const std::string model = std::string("_MPT-Q700VII") + '\0';
    struct Case { const char* what; std::vector<sim::Reply> replies; int queries; };
    const Case cases[] = {
        {"cut, then whole", {{Bytes("_MPT")}, {Bytes(model)}}, 2},
        {"100 bytes of noise, then the reply", {{Bytes(std::string(100, 'J') + model)}}, 1},
    };
    for (const Case& c : cases) {
        PrinterRig rig;
        rig.printer.AddHandler(std::make_unique<ScriptedReply>(std::vector<std::uint8_t>{0x1D, 0x49, 0x43}, c.replies));
        ASSERT_TRUE(rig.Open());
        EXPECT_EQ(rig.util.QueryPrinter(QUERY_MODEL), rc::Ok) << c.what;
        EXPECT_EQ(rig.util.ModelName, "MPT-Q700VII") << c.what;
        EXPECT_EQ(Count(rig.printer.commandLog(), "scripted"), c.queries) << c.what;
    }
}

TEST(QueryVersion, DateGivesTheFirmwareNumber) {
    struct Case {
        const char* text;
        std::uint32_t version;
    };
    for (const Case c : {Case{"V1.00 090216", 160902}, Case{"V1.00 123115", 101001}, Case{"V1.00 090116", 101001}}) {
        PrinterRig rig;
        rig.printer.identity.versionText = c.text;
        ASSERT_TRUE(rig.Open());
        ASSERT_TRUE(rig.Identify());
        EXPECT_EQ(rig.util.FirmwareVersion, c.version) << c.text;
        EXPECT_EQ(rig.util.VersionText, c.text);
    }
    // A read that brings a single byte is kept.
    const std::string text("_V1.00 090216\0", 14);
    PrinterRig rig;
    rig.printer.AddHandler(std::make_unique<ScriptedReply>(std::vector<std::uint8_t>{0x1D, 0x49, 0x41},
                                                           std::vector{sim::Reply{Bytes(text), 1, 50}}));
    ASSERT_TRUE(rig.Open());
    ASSERT_TRUE(rig.Identify());
    EXPECT_EQ(rig.util.VersionText, "V1.00 090216");
    EXPECT_EQ(rig.util.FirmwareVersion, 160902u);
}

// The reply buffer holds 40 bytes: a longer reply is cut there, and its date is
// what the cut leaves at its end.
TEST(QueryVersion, ReplyLongerThanTheBufferIsCutAtFortyBytes) {
    PrinterRig rig;
    rig.printer.identity.versionText = std::string(33, 'V') + " 090216 123115";
    ASSERT_TRUE(rig.Open());
    ASSERT_EQ(rig.util.QueryPrinter(QUERY_MODEL), rc::Ok);
    ASSERT_EQ(rig.util.QueryPrinter(QUERY_VERSION), rc::Ok);
    EXPECT_EQ(rig.util.VersionText, std::string(33, 'V') + " 09021") << "'_' and 39 characters";
    EXPECT_EQ(rig.util.FirmwareVersion, 101001u) << "the date read is 21 090";
}

TEST(QueryVersion, UnterminatedReplyIsUsedAfterThreeSecondsAndSilenceFails) {
    PrinterRig rig;
    rig.printer.faults.perCommand["version"] = sim::Fault::Unterminated;
    ASSERT_TRUE(rig.Open());
    ASSERT_EQ(rig.util.QueryPrinter(QUERY_MODEL), rc::Ok);
    const auto start = rig.Now();
    EXPECT_EQ(rig.util.QueryPrinter(QUERY_VERSION), rc::Ok);
    EXPECT_GT(rig.Now() - start, 3000u);
    EXPECT_EQ(rig.util.FirmwareVersion, 160902u);

    rig.printer.faults.perCommand["version"] = sim::Fault::Silent;
    EXPECT_EQ(rig.util.QueryPrinter(QUERY_VERSION), rc::NoReply);
    EXPECT_FALSE(rig.util.link.IsOpen());
}

TEST(QueryMsrMode, ReplyFormsAndTheirResults) {
    struct Case {
        std::vector<std::uint8_t> reply;
        int result;
        std::uint32_t leastMs;
    };
    const Case cases[] = {
        {{0x37, 0x80, 0x05, 0x00}, rc::Ok, 200},
        {{0x37, 0x81, 0x05, 0x00}, rc::BadHeader, 200},
        {{0x38, 0x80, 0x05, 0x00}, rc::BadHeader, 200},
        // four bytes, but never the closing 00: ten attempts, half a second after each
        {{0x37, 0x80, 0x05, 0x41}, rc::BadHeader, 200 + 10 * 500},
    };
    for (const Case& c : cases) {
        PrinterRig rig;
        rig.printer.AddHandler(std::make_unique<ScriptedReply>(std::vector<std::uint8_t>{0x1B, 0x4D, 0x49},
                                                               std::vector{sim::Reply{c.reply}}));
        ASSERT_TRUE(rig.Open());
        const auto start = rig.Now();
        EXPECT_EQ(rig.util.QueryPrinter(QUERY_MSR_MODE), c.result) << test::Hex(c.reply);
        EXPECT_GE(rig.Now() - start, c.leastMs) << test::Hex(c.reply);
        EXPECT_EQ(rig.util.link.IsOpen(), c.result == rc::Ok);
        if (c.result == rc::Ok) {
            EXPECT_EQ(rig.util.MsrSetValue, 0x05);
        }
    }
}

TEST(QueryMaker, OnlyTheExactMakerPasses) {
    struct Case {
        const char* maker;
        int result;
    };
    for (const Case c : {Case{"KORVANE", rc::Ok}, Case{"KORVANEX", rc::NotSupported}, Case{"OTHER", rc::NotSupported}}) {
        PrinterRig rig;
        rig.printer.identity.makerText = c.maker;
        ASSERT_TRUE(rig.Open());
        EXPECT_EQ(rig.util.QueryPrinter(QUERY_MAKER), c.result) << c.maker;
        EXPECT_EQ(rig.util.link.IsOpen(), c.result == rc::Ok);
    }
}

TEST(QueryCodePage, KeepsTheUnderscoreAndNeverFailsOnSilence) {
    PrinterRig rig;
    ASSERT_TRUE(rig.Open());
    for (const int handheld : {0, 1}) {
        rig.util.link.HandheldMode = handheld;
        const auto start = rig.Now();
        EXPECT_EQ(rig.util.QueryPrinter(QUERY_CODEPAGE), rc::Ok);
        EXPECT_EQ(rig.util.CodePageText, "_PC437");
        // The pause before the first read (100 ms, 300 on the handheld) and the link's 10 ms a call.
        EXPECT_EQ(rig.Now() - start, handheld ? 320u : 120u);
    }

    rig.printer.faults.perCommand["codepage"] = sim::Fault::Silent;
    const auto start = rig.Now();
    EXPECT_EQ(rig.util.QueryPrinter(QUERY_CODEPAGE), rc::Ok);
    EXPECT_EQ(rig.util.CodePageText, "");
    EXPECT_EQ(rig.Now() - start, 12530u) << "twelve silent reads of a second and ten resends";
    EXPECT_TRUE(rig.util.link.IsOpen());
}

}  // namespace
}  // namespace pelmora
