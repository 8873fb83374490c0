#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "context/ResultCode.h"
#include "support/PrinterRig.h"
#include "support/ScriptedReply.h"

namespace pelmora {
namespace {

using context::QUERY_CODEPAGE, context::QUERY_MAKER, context::QUERY_MODEL, context::QUERY_MSR_MODE, context::QUERY_VERSION;
using test::PrinterRig, test::ScriptedReply;

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

const std::vector<std::uint8_t> kModelRequest{0x1D, 0x49, 0x43}, kVersionRequest{0x1D, 0x49, 0x41};

// A closed link answers 101 and sends nothing; an unknown selector on an open
// one does nothing; a write cut short closes the link.
TEST(QueryPrinter, LinkStateComesBeforeAnyExchange) {
    PrinterRig closed;
    for (std::uint32_t selector : {0u, 1u, 2u, 3u, 4u, 5u, 99u})
        EXPECT_EQ(closed.util.QueryPrinter(selector), rc::NotOpen) << selector;
    EXPECT_TRUE(closed.printer.received().empty());

    ASSERT_TRUE(closed.Open());
    EXPECT_EQ(closed.util.QueryPrinter(5), rc::Ok);
    EXPECT_EQ(std::tuple(closed.TakeReceived().empty(), closed.util.link().IsOpen()), std::tuple(true, true));

    for (const auto selector : {QUERY_CODEPAGE, QUERY_MODEL, QUERY_VERSION, QUERY_MSR_MODE, QUERY_MAKER}) {
        PrinterRig rig;
        ASSERT_TRUE(rig.Open());
        rig.platform.config().shortWritesFrom = 0;
        EXPECT_EQ(rig.util.QueryPrinter(selector), rc::ShortWrite) << selector;
        EXPECT_FALSE(rig.util.link().IsOpen()) << selector;
    }
}

// Which replies name our model: ModelAndMakerCheck. Another model closes the
// link and keeps the raw reply (the version rule of model 0: FirmwareVersionRules).
TEST(QueryModel, AnotherModelIsRefusedAndKeepsItsReply) {
    PrinterRig rig;
    rig.printer.identity.modelText = "MPT-Q800VII";
    ASSERT_TRUE(rig.Open());
    EXPECT_EQ(rig.util.QueryPrinter(QUERY_MODEL), rc::NotSupported);
    EXPECT_EQ(std::make_tuple(rig.util.modelCode(), rig.util.modelName(), rig.util.link().IsOpen()),
              std::make_tuple(0u, std::string("_MPT-Q800VII"), false));
    EXPECT_EQ(rig.TakeReceived(), kModelRequest);
}

// What came before a resend is dropped; a full buffer without an end starts over without a resend.
TEST(QueryModel, NoticesPiecesAndNoiseStillGiveTheModel) {
    const std::string model = std::string("_MPT-Q700VII") + '\0', notice("\x37\x20\x00", 3);
    const struct { const char* what; std::int32_t port; std::vector<sim::Reply> replies; int queries; } cases[] = {
        {"notice and reply in one read", link::PortTcp, {{Bytes(notice + model), 0, 50}}, 0},
        {"notice read on its own", link::PortTcp, {{Bytes(notice + model), 3, 50}}, 0},
        {"split on TCP", link::PortTcp, {}, 0},
        {"split on serial", link::PortSerial, {}, 0},
        {"cut, then whole", link::PortTcp, {{Bytes("_MPT")}, {Bytes(model)}}, 2},
        {"100 bytes of noise, then the reply", link::PortTcp, {{Bytes(std::string(100, 'J') + model)}}, 1},
    };
    for (const auto& c : cases) {
        PrinterRig rig(c.port);
        if (c.replies.empty()) rig.printer.faults.perCommand["model"] = sim::Fault::Split;
        else rig.printer.AddHandler(std::make_unique<ScriptedReply>(kModelRequest, c.replies));
        ASSERT_TRUE(rig.Open());
        EXPECT_EQ(rig.util.QueryPrinter(QUERY_MODEL), rc::Ok) << c.what;
        EXPECT_EQ(rig.util.modelName(), "MPT-Q700VII") << c.what;
        if (c.queries) { EXPECT_EQ(std::ranges::count(rig.printer.commandLog(), "scripted"), c.queries) << c.what; }
    }
    // The notice alone, then silence.
    PrinterRig rig;
    rig.printer.AddHandler(std::make_unique<ScriptedReply>(kModelRequest, std::vector{sim::Reply{Bytes(notice), 0, 0}}));
    ASSERT_TRUE(rig.Open());
    rig.util.identityForTest().modelName = "from an earlier printer";
    EXPECT_EQ(rig.util.QueryPrinter(QUERY_MODEL), rc::NoReply);
    EXPECT_EQ(rig.util.modelName(), "");
    EXPECT_FALSE(rig.util.link().IsOpen());
}

// A printer that never ends its reply gets ten resends (eleven commands in
// all), then 109 and a closed link. Silent on serial: two empty reads, then a
// read after each resend but the last, twelve reads of two seconds.
TEST(ResendLoop, TenResendsThenNoReply) {
    struct Case { const char* key; std::uint32_t selector; sim::Fault fault; std::int32_t port; std::uint64_t min, max; };
    const Case cases[] = {
        {"model", QUERY_MODEL, sim::Fault::Silent, link::PortSerial, 12 * 2010, 26000},
        {"maker", QUERY_MAKER, sim::Fault::Unterminated, link::PortTcp, 0, UINT64_MAX},
        {"msr", QUERY_MSR_MODE, sim::Fault::Silent, link::PortTcp, 0, UINT64_MAX},
    };
    for (const Case& c : cases) {
        PrinterRig rig(c.port);
        rig.printer.faults.perCommand[c.key] = c.fault;
        ASSERT_TRUE(rig.Open());
        const auto start = rig.Now();
        EXPECT_EQ(rig.util.QueryPrinter(c.selector), rc::NoReply) << c.key;
        EXPECT_EQ(std::tuple(std::ranges::count(rig.printer.commandLog(), c.key), rig.util.link().IsOpen()),
                  std::tuple(11, false)) << c.key;
        EXPECT_TRUE(rig.Now() - start >= c.min && rig.Now() - start < c.max) << c.key << " took " << rig.Now() - start;
    }
}

// The version by the model's rule (its dates: FirmwareVersionRules). The query is not sent again:
// the model's answer arriving during it is skipped.
TEST(QueryVersion, RepliesGiveTheTextAndTheFirmwareNumber) {
    const std::string model = std::string("_MPT-Q700VII") + '\0', version = std::string("_V1.00 090216") + '\0';
    struct Case { const char* what; std::string printerText; sim::Fault fault; std::vector<sim::Reply> replies;
                  std::string text; std::uint32_t version; std::uint64_t leastMs; };
    const Case cases[] = {
        {"one byte a read", "", sim::Fault::None, {{Bytes(std::string("_V1.00 090216\0", 14)), 1, 50}},
         "V1.00 090216", 160902, 0},
        {"'_' and 39 characters: the date read is 21 090", std::string(33, 'V') + " 090216 123115", sim::Fault::None, {},
         std::string(33, 'V') + " 09021", 101001, 0},
        {"unterminated", "V1.00 090216", sim::Fault::Unterminated, {}, "V1.00 090216", 160902, 3001},
        {"the model's answer in its own read first", "", sim::Fault::None, {{Bytes(model + version), model.size(), 200}},
         "V1.00 090216", 160902, 0},
        {"the model's answer in front of the version's", "", sim::Fault::None, {{Bytes(model + version), 0, 200}},
         "V1.00 090216", 160902, 0},
    };
    for (const Case& c : cases) {
        PrinterRig rig;
        if (!c.printerText.empty()) rig.printer.identity.versionText = c.printerText;
        rig.printer.faults.perCommand["version"] = c.fault;
        if (!c.replies.empty()) rig.printer.AddHandler(std::make_unique<ScriptedReply>(kVersionRequest, c.replies));
        ASSERT_TRUE(rig.Open());
        ASSERT_EQ(rig.util.QueryPrinter(QUERY_MODEL), rc::Ok);
        const auto start = rig.Now();
        EXPECT_EQ(rig.util.QueryPrinter(QUERY_VERSION), rc::Ok) << c.what;
        EXPECT_GE(rig.Now() - start, c.leastMs) << c.what;
        EXPECT_EQ(std::tuple(rig.util.versionText(), rig.util.firmwareVersion()), std::tie(c.text, c.version)) << c.what;
    }
}

// What --trace shows, as a support log is read: each exchange's direction and
// bytes, then what the context made of the reply, in order. A silent version
// query fails and closes the link; a foreign MSR reply ends the questions there.
TEST(QueryTrace, EachExchangeThenItsReading) {
    const std::vector<std::string> model{"[COM][==>] 1D 49 43", "[COM][<==] 5F 4D 50 54 2D 51 37 30 30 56 49 49 00",
                                         "* End : 39", "Model str = _MPT-Q700VII", "****QDM:g_Model 703 _MPT-Q700VII",
                                         "[COM][==>] 1D 49 41"};
    const std::vector<std::string> codePage{"[COM][==>] 1D 49 45", "[COM][<==] 5F 50 43 34 33 37 00", "codepage _PC437",
                                            "* start ESCMI : 132", "[COM][==>] 1B 4D 49"};
    const std::vector<std::uint32_t> identify{QUERY_MODEL, QUERY_VERSION}, others{QUERY_CODEPAGE, QUERY_MSR_MODE, QUERY_MAKER};
    const struct { const char* key; sim::Fault fault; const std::vector<std::uint32_t>& queries; bool open;
                   const std::vector<std::string>& first; std::vector<std::string> rest; } cases[] = {
        {"version", sim::Fault::None, identify, true, model,
         {"[COM][<==] 5F 56 31 2E 30 30 20 30 39 30 32 31 36 00", "OK ID Data = 00 ", "* End : 77",
          "****Go g_Getver 0 _V1.00 090216", "****QDM:g_Getver 160902 _V1.00 090216"}},
        {"version", sim::Fault::Silent, identify, false, model,
         {"[COM][<==] ", "[COM][<==] ", "[COM][<==] ", "Timeout Read Check ID", "* End : 4280", "Read Error !!!!!"}},
        {"msr", sim::Fault::None, others, true, codePage,
         {"[COM][<==] 37 80 39 00", "OK ID Data = 00 ", "[COM][==>] 1D 49 42", "[COM][<==] 5F 4B 4F 52 56 41 4E 45 00",
          "* End : 400", "****Go Manufacturer 400 _KORVANE", "Manufacturer str = _KORVANE"}},
        {"msr", sim::Fault::WrongHeader, others, false, codePage,
         {"[COM][<==] 38 80 39 00", "OK ID Data = 00 ", "QDM:chk_OpenCheck: 2"}},
    };
    for (const auto& c : cases) {
        PrinterRig rig(link::PortSerial);
        rig.printer.faults.perCommand[c.key] = c.fault;
        const auto& lines = rig.TraceLines();
        ASSERT_TRUE(rig.Open());
        for (const std::uint32_t query : c.queries) rig.util.QueryPrinter(query);
        EXPECT_EQ(rig.util.link().IsOpen(), c.open) << c.key;
        auto want = c.first;
        want.insert(want.end(), c.rest.begin(), c.rest.end());
        EXPECT_EQ(lines, want);
    }
}

TEST(QueryMsrMode, ReplyFormsAndTheirResults) {
    const struct { std::vector<std::uint8_t> reply; int result; std::uint32_t leastMs; } cases[] = {
        {{0x37, 0x80, 0x05, 0x00}, rc::Ok, 200}, {{0x37, 0x81, 0x05, 0x00}, rc::BadHeader, 200},
        // four bytes, but never the closing 00: ten attempts, half a second after each
        {{0x37, 0x80, 0x05, 0x41}, rc::BadHeader, 200 + 10 * 500},
    };
    for (const auto& c : cases) {
        PrinterRig rig;
        rig.printer.AddHandler(std::make_unique<ScriptedReply>(std::vector<std::uint8_t>{0x1B, 0x4D, 0x49},
                                                               std::vector{sim::Reply{c.reply}}));
        ASSERT_TRUE(rig.Open());
        const auto start = rig.Now();
        EXPECT_EQ(rig.util.QueryPrinter(QUERY_MSR_MODE), c.result) << test::Hex(c.reply);
        EXPECT_GE(rig.Now() - start, c.leastMs) << test::Hex(c.reply);
        EXPECT_EQ(rig.util.link().IsOpen(), c.result == rc::Ok);
        if (c.result == rc::Ok) { EXPECT_EQ(rig.util.msrSetValue(), 0x05); }
    }
}

// Silence is no failure: the text is emptied and the link kept. The pause before
// the first read is 300 ms on the handheld (100 on the desktop: the trace's times).
TEST(QueryCodePage, KeepsTheUnderscoreAndNeverFailsOnSilence) {
    PrinterRig rig;
    ASSERT_TRUE(rig.Open());
    EXPECT_EQ(rig.util.QueryPrinter(QUERY_CODEPAGE), rc::Ok);
    EXPECT_EQ(rig.util.codePageText(), "_PC437");
    rig.printer.faults.perCommand["codepage"] = sim::Fault::Silent;
    rig.util.link().setLayout(link::Layout::Handheld);
    const auto start = rig.Now();
    EXPECT_EQ(rig.util.QueryPrinter(QUERY_CODEPAGE), rc::Ok);
    // The time: the pause, twelve silent reads of a second and ten resends.
    EXPECT_EQ(std::tuple(rig.util.codePageText(), rig.Now() - start, rig.util.link().IsOpen()), std::tuple("", 12530u, true));
}

// A late answer (from a printer busy with another client), a doubled one or the last answer
// repeated: every later query still reads its own, and only a late one marks the printer busy.
TEST(RepliesBelongToTheirQuestion, LateDoubledAndOutOfTurnAnswersAreDropped) {
    // After a late answer the line is drained until it has been quiet as long as the answer took.
    const struct { const char* key; std::uint32_t lateMs; const char* dropped; } lates[] = {
        {"model", 10775, "dropped 13 late reply bytes"}, {"codepage", 10780, "dropped 7 late reply bytes"},
        {"maker", 10775, "dropped 9 late reply bytes"}};
    for (const auto& [key, lateTotalMs, droppedLine] : lates) {
        for (const auto fault : {sim::Fault::Late, sim::Fault::Doubled, sim::Fault::OutOfTurn}) {
            const std::string what = std::string(key) + " " + std::to_string(static_cast<int>(fault));
            PrinterRig rig;
            rig.printer.faults.perCommand[key] = fault;
            const auto& lines = rig.TraceLines();
            ASSERT_TRUE(rig.Open());
            const auto begin = rig.Now();
            std::uint32_t lateMs = 0;
            for (const auto selector : {QUERY_MODEL, QUERY_VERSION, QUERY_CODEPAGE, QUERY_MAKER}) {
                EXPECT_EQ(rig.util.QueryPrinter(selector), rc::Ok) << what << " selector " << selector;
                lateMs = std::max(lateMs, rig.util.lateAnswerMs());
            }
            EXPECT_EQ(std::tuple(rig.util.modelName(), rig.util.versionText(), rig.util.firmwareVersion(), rig.util.codePageText()),
                      std::tuple("MPT-Q700VII", "V1.00 090216", 160902u, "_PC437")) << what;
            const bool late = fault == sim::Fault::Late;
            EXPECT_EQ(std::tuple(lateMs >= 3000, rig.Now() - begin, std::ranges::count(lines, std::string(droppedLine))),
                      std::tuple(late, late ? lateTotalMs : 195u, late ? 1 : 0)) << what;
        }
    }
}

}  // namespace
}  // namespace pelmora
