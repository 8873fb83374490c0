// Bitmap files to one-bit rasters: loading, scaling, thresholds and dither.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>

#include "nv/BitmapLoader.h"
#include "nv/BmpCheck.h"
#include "nv/Dither.h"
#include "nv/RasterConversion.h"
#include "support/ImageFiles.h"
#include "support/PrinterRig.h"

namespace pelmora::nv {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::Bmp;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// Unscaled, the pixel rule and the packing are the next test's; here scaling, padding and the brightness.
TEST(ConvertToRaster, ImagesAndTheirRasters) {
    // 240 and 239 are both light, but 0xF0 & 0xEF = 224 is dark: halving ANDs colours.
    RgbImage pairs(768, 2);
    for (std::size_t i = 0; i < pairs.pixels.size(); ++i) pairs.pixels[i] = i % 2 ? 0xF0F0F0 : 0xEFEFEF;
    Bytes padded(26, 0xFF);  // 100 dots: 13 bytes a row, the last 4 bits never set
    padded[12] = padded[25] = 0xF0;
    struct Case { const char* name; RgbImage image; int brightness; Bytes bytes; std::uint16_t w = 0, h = 0; };
    const Case cases[] = {
        {"600 x 90", RgbImage(600, 90, kBlack), 0, Bytes(2736, 0xFF), 384, 57}, {"halved light pairs", pairs, 0, Bytes(48, 0xFF), 384, 1},
        {"768 x 3 rounds down", RgbImage(768, 3, kBlack), 0, Bytes(48, 0xFF), 384, 1}, {"100 dots", RgbImage(100, 2, kBlack), 0, padded},
        {"brightness 100: one dot in sixteen", RgbImage(8, 8, kBlack), 100, {0x88, 0, 0, 0, 0x88, 0, 0, 0}},
        {"one dot wide", RgbImage(1, 3, kBlack), 0, {0x80, 0x80, 0x80}},
    };
    for (const Case& c : cases) {
        const RasterResult r = ConvertToRaster(c.image, c.brightness);
        ASSERT_TRUE(r.ok()) << c.name << ": " << r.error;
        EXPECT_EQ(std::tuple(r.raster.width, r.raster.height, r.raster.bytes),
                  std::tuple(c.w ? c.w : c.image.width, c.h ? c.h : c.image.height, c.bytes)) << c.name;
    }
}

TEST(ThresholdAndPack, EveryBrightnessAndChannelValueFollowsTheSinglePrecisionRule) {
    // Each channel value 0..255 in four columns and four rows, so it meets every
    // matrix entry: as grey, and in one channel of an otherwise white pixel.
    constexpr int kMatrix[4][4] = {{16, 8, 14, 6}, {12, 4, 10, 2}, {13, 5, 15, 7}, {9, 1, 11, 3}};
    constexpr std::int32_t kExtremes[] = {INT32_MIN, -1, 101, 1000, INT32_MAX};
    std::vector<std::int32_t> brightnesses(kExtremes, kExtremes + 5);
    for (std::int32_t b = 0; b <= 100; ++b) brightnesses.push_back(b);
    int mismatches = 0;
    for (const std::uint32_t channels : {0xFFFFFFu, 0xFF0000u, 0x00FF00u, 0x0000FFu}) {
        RgbImage image(1024, 4);
        for (std::uint32_t x = 0; x < 1024; ++x)
            for (std::uint32_t y = 0; y < 4; ++y) image.at(x, y) = (kWhite & ~channels) | (0x010101u * (x / 4) & channels);
        for (const std::int32_t b : brightnesses) {
            const Raster raster = ThresholdAndPack(image, b);
            const auto threshold = static_cast<float>(b * 16.0 / 100.0);
            for (std::uint32_t y = 0; y < 4; ++y)
                for (std::uint32_t x = 0; x < 1024; ++x) {
                    const std::uint32_t p = image.at(x, y);
                    const bool dark = (p >> 16) < 226 || ((p >> 8) & 0xFF) < 226 || (p & 0xFF) < 226;
                    const bool kept = b <= 0 || !(static_cast<float>(kMatrix[x % 4][y % 4]) < threshold);
                    const bool dot = raster.bytes[y * 128 + x / 8] & (0x80 >> (x % 8));
                    if (dot != (dark && kept) && ++mismatches <= 5)
                        ADD_FAILURE() << "brightness " << b << ", pixel " << std::hex << p << " at " << std::dec << x << "," << y;
                }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(StretchAnd, EveryTargetDotCollectsItsOwnSourcePixels) {
    // 5 -> 3 columns: sources 0,1 -> 0; 2,3 -> 1; 4 -> 2 (x * 3 div 5).
    RgbImage wide(5, 1, kWhite), tall(1, 4, kWhite);
    wide.at(3, 0) = 0x123456;
    tall.at(0, 3) = kBlack;
    EXPECT_EQ(StretchAnd(wide, {3, 1}).pixels, (std::vector<std::uint32_t>{kWhite, 0x123456, kWhite}));
    EXPECT_EQ(StretchAnd(tall, {1, 2}).pixels, (std::vector<std::uint32_t>{kWhite, kBlack}));
    // Enlarged, each pixel repeats.
    RgbImage two(2, 1);
    two.at(0, 0) = kBlack;
    EXPECT_EQ(StretchAnd(two, {4, 1}).pixels, (std::vector<std::uint32_t>{kBlack, kBlack, kWhite, kWhite}));
}

// The conversion with a dither (every dot: the next test): paper and ink stay, the brightness lifts a grey,
// and fine lines average down at the printer's width instead of blackening; Atkinson passes on less error.
TEST(DiffuseAndPack, ConversionAveragesFineLinesDown) {
    // One black column in four, shrunk four times: a quarter grey, not a black bar.
    RgbImage lines(1536, 40, kWhite);
    for (std::uint32_t y = 0; y < lines.height; ++y)
        for (std::uint32_t x = 0; x < lines.width; x += 4) lines.at(x, y) = kBlack;
    EXPECT_EQ(BlackShare(ConvertToRaster(lines, 0).raster), 1.0) << "the windows' conversion keeps dark pixels";
    for (const auto& [kind, slack] : {std::pair{Dither::FloydSteinberg, 0.05}, {Dither::Atkinson, 0.13}}) {
        const auto share = [kind](const RgbImage& image, int b) { return BlackShare(ConvertToRaster(image, b, kind).raster); };
        EXPECT_EQ(std::tuple(share(RgbImage(100, 20, kWhite), 0), share(RgbImage(100, 20, kBlack), 0)), std::tuple(0.0, 1.0));
        EXPECT_LT(share(RgbImage(200, 50, 0x808080), 50), 0.3);
        const RasterResult r = ConvertToRaster(lines, 0, kind);
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_EQ(std::tuple(r.raster.width, r.raster.height, r.raster.bytes.size()), std::tuple(384, 10, 48u * 10));
        EXPECT_NEAR(BlackShare(r.raster), 0.25, slack);
    }
    EXPECT_EQ(DitherNamed("atkinson"), Dither::Atkinson);
    EXPECT_EQ(DitherNamed("Atkinson"), std::nullopt);
}

// Dot for dot as the published Floyd-Steinberg and Atkinson rules give them over the box-averaged
// luminance (an independent reference implementation computed these), scaled by whole and by uneven steps.
TEST(DiffuseAndPack, EveryDotAsTheReferenceRulesGiveIt) {
    const auto picture = [](std::uint32_t w, std::uint32_t h) {
        RgbImage image(w, h);
        for (std::uint32_t y = 0; y < h; ++y)
            for (std::uint32_t x = 0; x < w; ++x) image.at(x, y) = (x * 255 / (w - 1)) << 16 | (y * 255 / (h - 1)) << 8 | ((x * y * 7) & 0xFF);
        return image;
    };
    const struct { std::uint32_t w, h; Dither kind; int brightness; const char* hex; } cases[] = {
        {64, 16, Dither::FloydSteinberg, 0, "FFFFFFEDFDB554B6D76DAB49BAB554AAAACAAA91AAA922245212488049440000"},
        {50, 13, Dither::FloydSteinberg, 20, "FFFFFBB6ED552AAAB6D5AAA9DAAA54944AAA8241A92128104488024010224000"},
        {64, 16, Dither::Atkinson, 0, "FFFFFFFFFFFEDA49FB533369CD99A496B4EC9910A62242402212000048C02400"},
        {50, 13, Dither::Atkinson, 20, "FFFFFFFEFFB69082E9B2DAB1ACCC4A4C96492040512104004104100004100000"},
    };
    for (const auto& c : cases) {
        const Raster raster = DiffuseAndPack(picture(c.w, c.h), 32, 8, c.kind, c.brightness);
        std::string hex;
        for (std::uint8_t byte : raster.bytes) hex += "0123456789ABCDEF"[byte >> 4], hex += "0123456789ABCDEF"[byte & 15];
        EXPECT_EQ(hex, c.hex) << c.w << " x " << c.h << ", brightness " << c.brightness;
    }
}

TEST(ConvertToRaster, RefusesWhatCannotBeOneBlockAndNeverDividesByZero) {
    // At most the 65524 bytes one block's length holds: 65524 rows of 8 dots, or 1365 rows at 384 (65520).
    EXPECT_TRUE(ConvertToRaster(RgbImage(8, 65524, kBlack), 0).ok() && ConvertToRaster(RgbImage(384, 1365, kBlack), 0).ok());
    // One row more; 768 x 2732 scales to 384 x 1366 (the manager's stop: NvManagerTest); 1000 x 1 leaves no row.
    for (const RgbImage& image : {RgbImage(8, 65525, kBlack), RgbImage(768, 2732, kBlack), RgbImage(1000, 1, kBlack),
                                  RgbImage(), RgbImage(0, 5)})
        EXPECT_FALSE(ConvertToRaster(image, 0).ok()) << image.width << " x " << image.height;
    // The steps behind the refusal hold on their own: an empty picture reads nothing and gives no dots.
    for (const RgbImage& empty : {RgbImage(), RgbImage(0, 5), RgbImage(5, 0)}) {
        EXPECT_EQ(StretchAnd(empty, {3, 2}).pixels.size(), 6u);
        const Raster raster = DiffuseAndPack(empty, 8, 2, Dither::FloydSteinberg, 0);
        EXPECT_EQ(std::tuple(raster.bytes, BlackShare(raster)), std::tuple(Bytes(2, 0x00), 0.0)) << empty.width << " x " << empty.height;
    }
    EXPECT_EQ(std::tuple(BlackShare(Raster{.width = 0, .height = 5, .bytes = {}}), BlackShare(Raster{.width = 8, .height = 0, .bytes = {}})),
              std::tuple(0.0, 0.0));
}

class BitmapLoader : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const Bytes& bytes) { return test::WriteBytes((dir / name).string(), bytes); }
    pelmora::test::TempDir dir;
};

// Run lengths beyond those the reader parity draws (a jump of the pen, what no run reaches is
// index 0), and tables longer than the depth indexes, go through the colour table.
TEST_F(BitmapLoader, PixelsGoThroughTheColourTable) {
    constexpr std::uint32_t W = kWhite, R = 0xFF0000, G = 0xF0F0F0, K = kBlack;
    const std::vector<std::uint32_t> palette{W, R, G, K};
    std::vector<std::uint32_t> wide(257, W);
    wide[1] = K;
    Bytes shallow = Bmp{2, 1, 1, 0, wide, {0x40, 0, 0, 0}}.File();
    shallow[49] = 0x01;  // the count's top byte too: 0x01000101 colours
    const struct { const char* name; Bytes file; std::vector<std::uint32_t> pixels; } cases[] = {
        {"RLE8 rows filled, no end mark", Bmp{4, 1, 8, 1, palette, {0x04, 0x03, 0x00, 0x00}}.File(), {K, K, K, K}},
        {"RLE8 escapes", Bmp{5, 2, 8, 1, palette, {0x00, 0x03, 0x01, 0x02, 0x03, 0x00, 0x00, 0x02, 0x01, 0x01, 0x01, 0x03, 0x00, 0x01}}.File(),
         {W, W, W, W, K, R, G, K, W, W}},
        {"RLE4 escapes", Bmp{6, 1, 4, 2, palette, {0x00, 0x05, 0x12, 0x30, 0x30, 0x00, 0x01, 0x20, 0x00, 0x01}}.File(), {R, G, K, W, K, G}},
        {"RLE8 ends on a jump past the rows", Bmp{4, 1, 8, 1, palette, {0, 2, 0, 1}}.File(), {W, W, W, W}},
        {"RLE8 ends on a literal", Bmp{4, 1, 8, 1, palette, {0, 2, 0, 1, 0, 3, 1, 2, 3, 0}}.File(), {W, W, W, W}},
        {"257 colours for 256 indexes", Bmp{2, 1, 8, 0, wide, {0x00, 0x01, 0, 0}}.File(), {W, K}},
        {"0x01000101 colours for two indexes", shallow, {W, K}},
        {"1 bit, one colour: the index past it is paper", Bmp{2, 1, 1, 0, {K}, {0x40, 0, 0, 0}}.File(), {K, W}},
    };
    for (const auto& c : cases) {
        const auto loaded = LoadBitmapFile(Write(std::string(c.name) + ".bmp", c.file));
        ASSERT_TRUE(loaded) << c.name;
        EXPECT_EQ(loaded->pixels, c.pixels) << c.name;
    }
}

// A version 5 header with 1-5-5-5 masks: opaque red, transparent black (paper), opaque black.
TEST_F(BitmapLoader, AlphaMasksLayPixelsOverPaper) {
    Bytes file = Bmp{3, 1, 16, 3, {}, {0x00, 0xFC, 0x00, 0x00, 0x00, 0x80, 0, 0}, 124}.File();
    for (const auto& [at, mask] : {std::pair{54, 0x7C00u}, {58, 0x03E0u}, {62, 0x001Fu}, {66, 0x8000u}})
        for (int i = 0; i < 4; ++i) file[static_cast<std::size_t>(at + i)] = static_cast<std::uint8_t>(mask >> (8 * i));
    const auto loaded = LoadBitmapFile(Write("alpha.bmp", file));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->pixels, (std::vector<std::uint32_t>{0xF80000, kWhite, kBlack}));
}

TEST_F(BitmapLoader, RefusesWhatIsNoBitmap) {
    Bytes byteShort = Bmp{64, 64, 24, 0, {}, Bytes(64 * 64 * 3, 0)}.File();  // the header promises one byte more
    const Bytes cut(byteShort.begin(), byteShort.begin() + 40);             // inside the info header
    byteShort.pop_back();
    Bytes offsetPastEnd = Bmp{2, 2, 24, 0, {}, Bytes(16, 0)}.File();
    offsetPastEnd[10] = 0xFF;
    const std::vector<std::uint32_t> two{0, 0xFFFFFF};
    const std::string fifo = (dir / "fifo.bmp").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);  // no writer: opening it must not wait
    std::vector<std::string> paths{
        fifo, Write("zero-width.bmp", Bmp{0, 4, 8, 0, {0xFFFFFF}, {}}.File()), Write("cut.bmp", cut),
        Write("byte-short.bmp", byteShort), Write("offset.bmp", offsetPastEnd),
        Write("core-cut.bmp", Bmp{2, 257, 24, 0, {}, Bytes(8, 0), 12}.File()),  // one row of 257
        Write("narrow-half.bmp", Bmp{1, 4, 24, 0, {}, Bytes(8, 0)}.File()),
        Write("rle-no-end.bmp", Bmp{4, 2, 8, 1, two, {0x04, 0x01, 0x00, 0x00}}.File()),
        Write("rle-past-row.bmp", Bmp{4, 1, 8, 1, two, {0x05, 0x01, 0x00, 0x01}}.File()),
        Write("rle-past-rows.bmp", Bmp{4, 1, 8, 1, two, {0x00, 0x00, 0x00, 0x00, 0x00, 0x01}}.File()),
        Write("rle-literal-cut.bmp", Bmp{4, 1, 8, 1, two, {0x00, 0x04, 0x01, 0x00}}.File()),
        Write("rle-delta-cut.bmp", Bmp{4, 1, 8, 1, two, {0x00, 0x02, 0x01}}.File()),
        // Twelve bytes that would decode to 256 MiB of pixels.
        Write("rle-huge.bmp", Bmp{8192, 8193, 8, 1, two, {0x00, 0x01}}.File())};
    // Whole files whose header size no header has: the decoder would read them as the 12-byte one.
    for (const std::uint32_t size : {11u, 13u, 39u, 41u, 0x0100000Cu}) {
        Bytes odd = Bmp{2, 2, 24, 0, {}, Bytes(16, 0), 12}.File();
        for (int i = 0; i < 4; ++i) odd[14 + i] = static_cast<std::uint8_t>(size >> (8 * i));
        paths.push_back(Write("header-" + std::to_string(size) + ".bmp", odd));
    }
    for (const std::string& path : paths) EXPECT_FALSE(LoadBitmapFile(path)) << path;
}

}  // namespace
}  // namespace pelmora::nv
