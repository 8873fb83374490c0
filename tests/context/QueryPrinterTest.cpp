#include <gtest/gtest.h>

#include <algorithm>

#include "context/ResultCode.h"
#include "support/PrinterRig.h"

namespace pelmora {
namespace {

using context::QUERY_CODEPAGE;
using context::QUERY_MAKER;
using context::QUERY_MODEL;
using context::QUERY_MSR_MODE;
using context::QUERY_VERSION;
using test::PrinterRig;

// Answers one 3-byte query with a fixed reply, for replies the model never gives.
class ScriptedReply final : public sim::CommandHandler {
public:
    ScriptedReply(std::vector<std::uint8_t> query, sim::Reply reply) : query_(std::move(query)), reply_(std::move(reply)) {}
    Match Handle(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                 std::vector<sim::Reply>& replies) override {
        if (input.size() < query_.size()) return std::equal(input.begin(), input.end(), query_.begin()) ? Match::NeedMore : Match::No;
        if (!std::equal(query_.begin(), query_.end(), input.begin())) return Match::No;
        consumed = query_.size();
        key = "scripted";
        replies.push_back(reply_);
        return Match::Yes;
    }

private:
    std::vector<std::uint8_t> query_;
    sim::Reply reply_;
};

int Count(const std::vector<std::string>& log, const std::string& key) {
    return static_cast<int>(std::count(log.begin(), log.end(), key));
}

TEST(QueryPrinter, ClosedLinkAnswers101AndSendsNothing) {
    PrinterRig rig;
    for (std::uint32_t selector : {0u, 1u, 2u, 3u, 4u, 5u, 99u})
        EXPECT_EQ(rig.util.QueryPrinter(selector), rc::NotOpen) << selector;
    EXPECT_TRUE(rig.printer.received().empty());
}

TEST(QueryPrinter, UnknownSelectorOnAnOpenLinkDoesNothing) {
    PrinterRig rig;
    ASSERT_TRUE(rig.Open());
    EXPECT_EQ(rig.util.QueryPrinter(5), rc::Ok);
    EXPECT_TRUE(rig.TakeReceived().empty());
    EXPECT_TRUE(rig.util.link.IsOpen());
}

TEST(QueryModel, ExpectedModelAndItsUncomparedVariants) {
    for (const char* model : {"MPT-Q700VII", "MPT-Q710VII", "MPT_Q7xyVII"}) {
        PrinterRig rig;
        rig.printer.identity.modelText = model;
        ASSERT_TRUE(rig.Open());
        EXPECT_EQ(rig.util.QueryPrinter(QUERY_MODEL), rc::Ok) << model;
        EXPECT_EQ(rig.util.ModelCode, 703u);
        EXPECT_EQ(rig.util.ModelName, model);
        EXPECT_EQ(rig.TakeReceived(), (std::vector<std::uint8_t>{0x1D, 0x49, 0x43}));
    }
}

TEST(QueryModel, AnotherModelClosesTheLinkAndChangesTheVersionRule) {
    for (const char* model : {"MPT-Q800VII", "MPT-Q700VIIX", "MPT"}) {
        PrinterRig rig;
        rig.printer.identity.modelText = model;
        ASSERT_TRUE(rig.Open());
        EXPECT_EQ(rig.util.QueryPrinter(QUERY_MODEL), rc::NotSupported) << model;
        EXPECT_EQ(rig.util.ModelCode, 0u);
        EXPECT_EQ(rig.util.ModelName, std::string("_") + model);
        EXPECT_FALSE(rig.util.link.IsOpen());
    }
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
    std::vector<std::uint8_t> bytes{0x37, 0x20, 0x00, '_'};
    const std::string model = "MPT-Q700VII";
    bytes.insert(bytes.end(), model.begin(), model.end());
    bytes.push_back(0x00);
    for (bool ownRead : {true, false}) {
        PrinterRig rig;
        sim::Reply reply{bytes, ownRead ? 3u : 0u, 50};
        rig.printer.AddHandler(std::make_unique<ScriptedReply>(std::vector<std::uint8_t>{0x1D, 0x49, 0x43}, reply));
        ASSERT_TRUE(rig.Open());
        EXPECT_EQ(rig.util.QueryPrinter(QUERY_MODEL), rc::Ok) << ownRead;
        EXPECT_EQ(rig.util.ModelName, model);
    }
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

// Two empty reads, then ten resends with a read after each but the last:
// twelve reads of two seconds on a silent serial printer.
TEST(ResendLoop, SilentPrinterGetsTenResendsThenNoReply) {
    PrinterRig rig(link::PortSerial);
    rig.printer.faults.silentFromCommand = 1;  // the probe still counts as a command
    ASSERT_TRUE(rig.Open());
    const auto start = rig.Now();
    EXPECT_EQ(rig.util.QueryPrinter(QUERY_MODEL), rc::NoReply);
    EXPECT_EQ(Count(rig.printer.commandLog(), "model"), 11);
    EXPECT_FALSE(rig.util.link.IsOpen());
    EXPECT_GE(rig.Now() - start, 12u * 2010u);
    EXPECT_LT(rig.Now() - start, 26000u);
}

TEST(ResendLoop, ReplyThatNeverEndsIsBoundedToo) {
    for (auto fault : {sim::Fault::Unterminated, sim::Fault::CutShort}) {
        PrinterRig rig;
        rig.printer.faults.perCommand["maker"] = fault;
        ASSERT_TRUE(rig.Open());
        EXPECT_EQ(rig.util.QueryPrinter(QUERY_MAKER), rc::NoReply);
        EXPECT_EQ(Count(rig.printer.commandLog(), "maker"), 11);
        EXPECT_FALSE(rig.util.link.IsOpen());
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
    };
    const Case cases[] = {
        {{0x37, 0x80, 0x05, 0x00}, rc::Ok},
        {{0x37, 0x81, 0x05, 0x00}, rc::BadHeader},
        {{0x38, 0x80, 0x05, 0x00}, rc::BadHeader},
        {{0x37, 0x80, 0x05, 0x41}, rc::BadHeader},  // four bytes, but never the closing 00
    };
    for (const Case& c : cases) {
        PrinterRig rig;
        rig.printer.AddHandler(std::make_unique<ScriptedReply>(std::vector<std::uint8_t>{0x1B, 0x4D, 0x49},
                                                               sim::Reply{c.reply}));
        ASSERT_TRUE(rig.Open());
        EXPECT_EQ(rig.util.QueryPrinter(QUERY_MSR_MODE), c.result) << test::Hex(c.reply);
        EXPECT_EQ(rig.util.link.IsOpen(), c.result == rc::Ok);
        if (c.result == rc::Ok) {
            EXPECT_EQ(rig.util.MsrSetValue, 0x05);
        }
    }
}

TEST(QueryMsrMode, SilentPrinterGetsTenAttempts) {
    PrinterRig rig;
    rig.printer.faults.perCommand["msr"] = sim::Fault::Silent;
    ASSERT_TRUE(rig.Open());
    EXPECT_EQ(rig.util.QueryPrinter(QUERY_MSR_MODE), rc::NoReply);
    EXPECT_EQ(Count(rig.printer.commandLog(), "msr"), 11);
    EXPECT_FALSE(rig.util.link.IsOpen());
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

TEST(QueryPrinter, ShortWriteClosesTheLink) {
    for (const auto selector : {context::QUERY_CODEPAGE, QUERY_MODEL, QUERY_VERSION, QUERY_MSR_MODE,
                                context::QUERY_MAKER}) {
        PrinterRig rig;
        ASSERT_TRUE(rig.Open());
        rig.platform.config().shortWritesFrom = 0;
        EXPECT_EQ(rig.util.QueryPrinter(selector), rc::ShortWrite) << selector;
        EXPECT_FALSE(rig.util.link.IsOpen()) << selector;
    }
}

}  // namespace
}  // namespace pelmora
