// What the engine builds and parses without a printer, and the preview window's rules.
#include <gtest/gtest.h>

#include <algorithm>

#include "context/ResultCode.h"
#include "nv/KeyCodeReply.h"
#include "nv/NvAddressing.h"
#include "nv/NvBlocks.h"
#include "nv/NvCatalogue.h"
#include "nv/NvCommands.h"
#include "nv/NvImageList.h"
#include "nv/NvPreviewRules.h"
#include "vmsm/FromHex.h"

namespace pelmora::nv {
namespace {

using Codes = std::vector<std::string>;
using pelmora::test::H;

TEST(NvCommands, GoldenBytes) {
    const Raster tenByTwo{10, 2, {0xFF, 0xC0, 0x80, 0x00}};
    const std::pair<Bytes, const char*> cases[] = {
        {ReadKeyCodeListCommand(), "1D 28 4C 04 00 30 40 4B 43"}, {DeleteKeyCodeCommand('A', '1'), "1D 28 4C 04 00 30 42 41 31"},
        {DeleteAllKeyCodesCommand(), "1D 28 4C 05 00 30 41 43 4C 52"}, {PrintKeyCodeCommand('1', '0'), "1D 28 4C 06 00 30 45 31 30 01 01"},
        {DeleteAllNumberedCommand(), "08 5E 4C 01 00 41"}, {PrintNumberedCommand(0xFE), "08 5E 4C 04 00 45 FE 01 01"},
        {LegacyDownloadHeader(1, 0x00012345), "08 5E 37 47 23 01 00 43 01"},
        {LegacyDownloadHeader(1, 0xFFFFFFFF), "08 5E 37 01 00 00 00 43 01"},  // wraps
        {RasterDefinitionBlock(tenByTwo, 'A', '1'), "1D 28 4C 0F 00 30 43 30 41 31 01 0A 00 02 00 31 FF C0 80 00"},
        {NumberedImageBlock(tenByTwo), "01 0A 00 02 00 31 FF C0 80 00"},  // carries no number
    };
    for (const auto& [got, want] : cases) EXPECT_EQ(got, H(want)) << want;

    // The largest raster: 16-bit little-endian length (block minus 5), width and height; codes copied unchecked.
    const Bytes block = RasterDefinitionBlock({384, 1365, Bytes(65520, 0xAA)}, 0x00, 0xFF);
    ASSERT_EQ(block.size(), 16u + 65520u);
    EXPECT_EQ(Bytes(block.begin() + 3, block.begin() + 15), H("FB FF 30 43 30 00 FF 01 80 01 55 05"));
}

TEST(ParseKeyCodeBlock, RepliesOfThePrinter) {
    using Kind = KeyCodeBlock::Kind;
    // The header counts only among the first 250 bytes.
    Bytes late(250, 0x11), tooLate(251, 0x11);
    for (Bytes* padded : {&late, &tooLate}) padded->insert(padded->end(), {0x37, 0x72, 0x40, 0x41, 0x31, 0x00});
    struct Case { const char* name; Bytes reply; Kind kind; bool more; Codes codes; };
    const Case cases[] = {
        {"two codes", {0x37, 0x72, 0x40, 0x41, 0x31, 0x42, 0x32, 0x00}, Kind::Codes, false, {"A1", "B2"}},
        {"no codes", {0x37, 0x72, 0x40, 0x00}, Kind::Empty, false, {}},
        {"junk before the header", {0x11, 0xFF, 0x37, 0x72, 0x40, 0x31, 0x30, 0x00}, Kind::Codes, false, {"10"}},
        {"header at 250", late, Kind::Codes, false, {"A1"}},
        {"more blocks follow", {0x37, 0x72, 0x41, 0x31, 0x30, 0x00}, Kind::Codes, true, {"10"}},
        {"odd byte dropped", {0x37, 0x72, 0x40, 0x41, 0x31, 0x42, 0x00}, Kind::Codes, false, {"A1"}},
        {"no header", {0x41, 0x42, 0x43, 0x00}, Kind::Bad, false, {}}, {"header at 251", tooLate, Kind::Bad, false, {}},
        {"wrong tag", {0x37, 0x73, 0x40, 0x41, 0x31, 0x00}, Kind::Bad, false, {}},
        {"too short", {0x37, 0x72, 0x00}, Kind::Bad, false, {}}, {"nothing", {}, Kind::Bad, false, {}},
    };
    for (const Case& c : cases) {
        const KeyCodeBlock block = ParseKeyCodeBlock(c.reply);
        EXPECT_EQ(std::tie(block.kind, block.more, block.codes), std::tie(c.kind, c.more, c.codes)) << c.name;
    }
}

// The first codes, and those around stored ones: NvManagerTest's downloads.
TEST(AutoAddressing, NeverRepeatsAndEnds) {
    AutoAddressing taken;
    Codes codes;
    for (int i = 0; i < 2561; ++i) codes.push_back(taken.Next({}).value_or("none"));
    // On past "99" in character order, round to "00".."09" last; 2560 in all.
    EXPECT_EQ((Codes{codes[9], codes[10], codes[89], codes[90]}), (Codes{"19", "20", "99", ":0"}));
    EXPECT_EQ(std::find(codes.begin(), codes.end(), "00"), codes.end() - 11);
    EXPECT_EQ(std::tuple(std::count(codes.begin(), codes.end(), "none"), codes.back()), std::tuple(1, "none"));
}

TEST(CheckAddressCode, ExactCaseSensitiveAndTwoCharacters) {
    struct Case { const char* code; AddressVerdict want; };
    using enum AddressVerdict;
    for (const Case c : {Case{"A1", Exists}, Case{"a1", Ok}, Case{"", WrongLength}, Case{"7", WrongLength}, Case{"100", WrongLength}})
        EXPECT_EQ(CheckAddressCode(c.code, {"A1", "10"}), c.want) << c.code;
}

TEST(EstimateImageSize, UsesTheFileHeightAndTheModelsWidthLimit) {
    struct Case { std::uint32_t w, h, model, want; };
    for (const Case c : {Case{600, 90, 700, 4320}, Case{600, 90, 720, 4320}, Case{600, 90, 721, 6480},
                         Case{600, 90, 0, 4320}, Case{100, 10, 703, 130}, Case{384, 1365, 703, 65520},
                         Case{1, 1, 703, 1}, Case{0, 10, 703, 0}})
        EXPECT_EQ(EstimateImageSize(c.w, c.h, c.model), c.want) << c.w << "x" << c.h << " model " << c.model;
    for (const char* path : {"C:\\logos\\shop.bmp", "/home/op/logos/shop.bmp", "shop.bmp"}) EXPECT_EQ(FileNameOf(path), "shop.bmp") << path;
}

NvImageItem Item(std::uint32_t size, std::uint8_t number = 0, const std::string& path = {}) {
    NvImageItem item;
    item.number = number, item.size = size, item.path = path;
    return item;
}

TEST(NvImageList, MemoryLimitIsInclusiveAndTheCountCapped) {
    NvImageList list;
    EXPECT_EQ(list.AddImageItem(Item(NvMemoryLimit)), rc::Ok);
    EXPECT_EQ(list.AddImageItem(Item(1)), rc::OverLimit);
    EXPECT_EQ(std::tuple(list.size(), list.TotalImageSize()), std::tuple(1u, NvMemoryLimit));

    NvImageList full;  // no more than the catalogue can hold
    for (std::size_t i = 0; i < kMaxImageItems; ++i) ASSERT_EQ(full.AddImageItem(Item(1, full.NextNumber())), rc::Ok) << i;
    EXPECT_EQ(full.AddImageItem(Item(1)), rc::OverLimit);
    EXPECT_EQ(std::tuple(full.size(), full.items().back().number), std::tuple(kMaxImageItems, 254));
}

TEST(NvImageList, RemovingRenumbersTheRest) {
    NvImageList list;
    for (const char* p : {"a", "b", "c", "d", "e"}) ASSERT_EQ(list.AddImageItem(Item(10, list.NextNumber(), p)), rc::Ok);
    list.RemoveImageItem(3);
    list.RemoveImageItem(1);
    list.RemoveImageItem(9);  // none: only renumbers
    Codes paths;
    for (const auto& item : list.items()) paths.push_back(item.path + "#" + std::to_string(item.number));
    EXPECT_EQ(paths, (Codes{"b#1", "d#2", "e#3"}));
    EXPECT_EQ(std::tuple(list.Find(2) ? list.Find(2)->path : "none", list.Find(4) == nullptr), std::tuple("d", true));
}

TEST(ParseCatalogueEntry, CommaRuleAndThreeBrightnessDigits) {
    struct Case { const char* text; const char* path; std::int32_t brightness; };
    const Case cases[] = {
        {"C:\\logo.bmp,100", "C:\\logo.bmp", 100}, {"/l/logo.bmp,7", "/l/logo.bmp", 7},
        {"/l/a,b.bmp,050", "/l/a", 0},  // cut at the first comma
        {"/l/logo.bmp,0509", "/l/logo.bmp", 50},   {"/l/logo.bmp, 12", "/l/logo.bmp", 12},
        {"/l/logo.bmp,-5x", "/l/logo.bmp", -5},    {"/l/logo.bmp,", "/l/logo.bmp", 0},
    };
    for (const Case& c : cases) {
        const CatalogueEntry entry = ParseCatalogueEntry(c.text);
        EXPECT_EQ(std::tie(entry.path, entry.brightness), std::tuple(c.path, c.brightness)) << c.text;
    }
}

TEST(NvPreviewRules, DrawnSizeNarrowImagesAtPrinterScaleWideOnesFillTheFrame) {
    struct Case { std::uint32_t frame, w, h, drawnW, drawnH; };
    const Case cases[] = {
        {300, 192, 100, 150, 78},    // half the printer's width: half the frame (78.125 cut)
        {300, 299, 10, 233, 7},      // just narrower than the frame: 300 x 299 / 384
        {300, 300, 10, 300, 10},     // as wide as the frame fills it
        {300, 2000, 3000, 300, 450},
        {300, 1, 50, 0, 0},          // too narrow to draw: nothing, not a crash
        {0, 10, 10, 0, 0},           {300, 0, 10, 0, 0},
    };
    for (const Case& c : cases) {
        const Size s = PreviewDrawSize(c.frame, c.w, c.h);
        EXPECT_EQ(std::tie(s.width, s.height), std::tie(c.drawnW, c.drawnH)) << c.frame << " " << c.w << "x" << c.h;
    }
}

TEST(NvPreviewRules, BrightnessOffsetTruncatesAndStaysInRange) {
    struct Case { std::int32_t position; int offset; };
    for (const Case& c : {Case{0, 0}, Case{1, 2}, Case{40, 102}, Case{99, 252}, Case{100, 255}, Case{-5, 0}, Case{500, 255}})
        EXPECT_EQ(PreviewBrightnessOffset(c.position), c.offset) << c.position;
}

TEST(NvPreviewRules, CurrentNumberFollowsItsEntryOrGoes) {
    struct Case { std::int32_t current; std::vector<std::int32_t> removed; std::int32_t after; };
    const Case cases[] = {
        {4, {1, 3}, 2},   // rows 1 and 3 of five go: the former 4 is 2
        {3, {1, 3}, -1},  // the current one went
        {2, {5, 4}, 2},   // only later ones went
        {-1, {1}, -1},    {1, {}, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(NumberAfterRemoval(c.current, c.removed), c.after) << c.current;
}

}  // namespace
}  // namespace pelmora::nv
