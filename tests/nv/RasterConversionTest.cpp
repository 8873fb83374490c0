#include <gtest/gtest.h>

#include "nv/RasterConversion.h"

namespace pelmora::nv {
namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

TEST(ConversionSize, ClipsToThePrinterWidthKeepingTheAspect) {
    struct Case { std::uint32_t w, h, wantW, wantH; };
    for (const Case c : {Case{600, 90, 384, 57}, Case{100, 10, 100, 10}, Case{384, 1365, 384, 1365},
                         Case{385, 1, 384, 0}, Case{768, 3, 384, 1}, Case{1, 1, 1, 1}}) {
        const Size s = ConversionSize(c.w, c.h);
        EXPECT_EQ(s.width, c.wantW) << c.w << "x" << c.h;
        EXPECT_EQ(s.height, c.wantH) << c.w << "x" << c.h;
    }
}

TEST(ConvertToRaster, WideBitmapBecomes384DotsAndItsRasterSize) {
    const RasterResult r = ConvertToRaster(RgbImage(600, 90, kBlack), 0);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.raster.width, 384);
    EXPECT_EQ(r.raster.height, 57);
    ASSERT_EQ(r.raster.bytes.size(), 2736u);
    for (std::uint8_t b : r.raster.bytes) ASSERT_EQ(b, 0xFF);
}

TEST(ConvertToRaster, RowsArePaddedWithClearLowBits) {
    // 100 dots: 13 bytes a row, the last 4 bits of each row never set.
    const RasterResult r = ConvertToRaster(RgbImage(100, 2, kBlack), 0);
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.raster.bytes.size(), 26u);
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < 12; ++i) EXPECT_EQ(r.raster.bytes[row * 13 + i], 0xFF);
        EXPECT_EQ(r.raster.bytes[row * 13 + 12], 0xF0);
    }
}

TEST(ConvertToRaster, LeftmostDotIsTheMostSignificantBit) {
    RgbImage image(10, 2, kWhite);
    image.at(0, 0) = kBlack;
    image.at(9, 0) = kBlack;
    image.at(3, 1) = kBlack;
    const RasterResult r = ConvertToRaster(image, 0);
    EXPECT_EQ(r.raster.bytes, (std::vector<std::uint8_t>{0x80, 0x40, 0x10, 0x00}));
}

TEST(ConvertToRaster, WhiteLimitIs226OnEveryChannel) {
    struct Case { std::uint32_t rgb; bool dark; };
    for (const Case c : {Case{Rgb(226, 226, 226), false}, Case{Rgb(255, 255, 255), false},
                         Case{Rgb(225, 255, 255), true}, Case{Rgb(255, 225, 255), true},
                         Case{Rgb(255, 255, 225), true}, Case{Rgb(0, 0, 0), true}}) {
        const RasterResult r = ConvertToRaster(RgbImage(1, 1, c.rgb), 0);
        EXPECT_EQ(r.raster.bytes.at(0), c.dark ? 0x80 : 0x00) << std::hex << c.rgb;
    }
}

// A black 4x4 image shows the dither matrix that a brightness leaves: one
// byte per row, the high nibble holding the four dots.
TEST(ConvertToRaster, BrightnessClearsTheDitherEntriesBelowItsThreshold) {
    struct Case { int brightness; std::vector<std::uint8_t> rows; };
    const Case cases[] = {
        {0, {0xF0, 0xF0, 0xF0, 0xF0}},     // no matrix: every dark pixel
        {-5, {0xF0, 0xF0, 0xF0, 0xF0}},
        {6, {0xF0, 0xF0, 0xF0, 0xF0}},     // 0.96 clears nothing
        {7, {0xF0, 0xE0, 0xF0, 0xF0}},     // 1.12 clears entry 1 at x 3, y 1
        {25, {0xF0, 0xE0, 0xF0, 0xA0}},    // exactly 4.0: entry 4 stays
        {50, {0xF0, 0x80, 0xF0, 0x00}},    // 8.0: entries 8..16 stay
        {100, {0x80, 0x00, 0x00, 0x00}},   // only 16, at x 0, y 0
    };
    for (const Case& c : cases) {
        const RasterResult r = ConvertToRaster(RgbImage(4, 4, kBlack), c.brightness);
        EXPECT_EQ(r.raster.bytes, c.rows) << "brightness " << c.brightness;
    }
}

TEST(ConvertToRaster, DitherRepeatsEveryFourDotsAndNeverSetsWhite) {
    const RasterResult black = ConvertToRaster(RgbImage(8, 8, kBlack), 100);
    for (int y = 0; y < 8; ++y) EXPECT_EQ(black.raster.bytes[y], y % 4 == 0 ? 0x88 : 0x00) << y;
    const RasterResult white = ConvertToRaster(RgbImage(8, 8, kWhite), 50);
    for (std::uint8_t b : white.raster.bytes) EXPECT_EQ(b, 0x00);
}

TEST(ConvertToRaster, ReductionAndsColoursSoTwoLightPixelsCanMakeADarkDot) {
    // 240 and 239 are both light; 0xF0 & 0xEF = 0xE0 = 224 is dark.
    RgbImage image(768, 2, kWhite);
    for (std::uint32_t x = 0; x < 768; ++x)
        for (std::uint32_t y = 0; y < 2; ++y) image.at(x, y) = x % 2 ? Rgb(240, 240, 240) : Rgb(239, 239, 239);
    const RasterResult unreduced = ConvertToRaster(RgbImage(2, 1, Rgb(240, 240, 240)), 0);
    EXPECT_EQ(unreduced.raster.bytes.at(0), 0x00);

    const RasterResult r = ConvertToRaster(image, 0);
    ASSERT_EQ(r.raster.width, 384);
    ASSERT_EQ(r.raster.height, 1);
    for (std::uint8_t b : r.raster.bytes) ASSERT_EQ(b, 0xFF);
}

TEST(StretchAnd, EveryTargetDotCollectsItsOwnSourcePixels) {
    // 5 -> 3 columns: sources 0,1 -> 0; 2,3 -> 1; 4 -> 2 (x * 3 div 5).
    RgbImage image(5, 1, kWhite);
    image.at(3, 0) = Rgb(0x12, 0x34, 0x56);
    const RgbImage out = StretchAnd(image, {3, 1});
    EXPECT_EQ(out.pixels, (std::vector<std::uint32_t>{kWhite, Rgb(0x12, 0x34, 0x56), kWhite}));

    RgbImage tall(1, 4, kWhite);
    tall.at(0, 3) = kBlack;
    EXPECT_EQ(StretchAnd(tall, {1, 2}).pixels, (std::vector<std::uint32_t>{kWhite, kBlack}));
}

TEST(StretchAnd, EnlargementRepeatsPixels) {
    RgbImage image(2, 1);
    image.at(0, 0) = 0x112233;
    image.at(1, 0) = 0x445566;
    const RgbImage out = StretchAnd(image, {4, 2});
    EXPECT_EQ(out.pixels, (std::vector<std::uint32_t>{0x112233, 0x112233, 0x445566, 0x445566, 0x112233,
                                                      0x112233, 0x445566, 0x445566}));
}

TEST(ConvertToRaster, RefusesWhatCannotBeOneBlockAndNeverDividesByZero) {
    EXPECT_TRUE(ConvertToRaster(RgbImage(384, 1365, kBlack), 0).ok());  // 65520 bytes
    const RasterResult tall = ConvertToRaster(RgbImage(384, 1366, kBlack), 0);
    EXPECT_FALSE(tall.ok());
    EXPECT_NE(tall.error.find("65524"), std::string::npos) << tall.error;
    EXPECT_FALSE(ConvertToRaster(RgbImage(768, 2732, kBlack), 0).ok());  // scales to 384 x 1366
    EXPECT_FALSE(ConvertToRaster(RgbImage(1000, 1, kBlack), 0).ok());    // no row left
    EXPECT_FALSE(ConvertToRaster(RgbImage(), 0).ok());
    EXPECT_FALSE(ConvertToRaster(RgbImage(0, 5), 0).ok());
}

}  // namespace
}  // namespace pelmora::nv
