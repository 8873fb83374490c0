// Bitmap files to one-bit rasters: loading, scaling, thresholds and dither.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include <QImage>

#include "nv/BitmapLoader.h"
#include "nv/RasterConversion.h"
#include "support/PrinterRig.h"

namespace pelmora::nv {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
RgbImage Dot(std::uint32_t rgb) { return RgbImage(1, 1, rgb); }

TEST(ConvertToRaster, ImagesAndTheirRasters) {
    RgbImage dots(10, 2, kWhite);
    dots.at(0, 0) = dots.at(9, 0) = dots.at(3, 1) = kBlack;
    // 240 and 239 are both light, but 0xF0 & 0xEF = 224 is dark: halving ANDs colours.
    RgbImage pairs(768, 2);
    for (std::size_t i = 0; i < pairs.pixels.size(); ++i) pairs.pixels[i] = i % 2 ? 0xF0F0F0 : 0xEFEFEF;
    Bytes padded(26, 0xFF);  // 100 dots: 13 bytes a row, the last 4 bits never set
    padded[12] = padded[25] = 0xF0;
    const RgbImage black4(4, 4, kBlack);
    // Brightness rows show the dither matrix left on black 4x4: the high nibbles hold the dots.
    struct Case { const char* name; RgbImage image; int brightness; Bytes bytes; std::uint16_t w = 0, h = 0; };
    const Case cases[] = {
        {"600 x 90", RgbImage(600, 90, kBlack), 0, Bytes(2736, 0xFF), 384, 57},
        {"halved light pairs", pairs, 0, Bytes(48, 0xFF), 384, 1},
        {"768 x 3 rounds down", RgbImage(768, 3, kBlack), 0, Bytes(48, 0xFF), 384, 1},
        {"unhalved light", RgbImage(2, 1, Rgb(240, 240, 240)), 0, {0x00}},
        {"100 dots", RgbImage(100, 2, kBlack), 0, padded},
        {"leftmost dot in the high bit", dots, 0, {0x80, 0x40, 0x10, 0x00}},
        // The white limit is 226 on every channel.
        {"226", Dot(Rgb(226, 226, 226)), 0, {0x00}},     {"white", Dot(kWhite), 0, {0x00}},
        {"red 225", Dot(Rgb(225, 255, 255)), 0, {0x80}}, {"green 225", Dot(Rgb(255, 225, 255)), 0, {0x80}},
        {"blue 225", Dot(Rgb(255, 255, 225)), 0, {0x80}}, {"black", Dot(kBlack), 0, {0x80}},
        {"brightness 0: no matrix", black4, 0, {0xF0, 0xF0, 0xF0, 0xF0}},
        {"brightness -5", black4, -5, {0xF0, 0xF0, 0xF0, 0xF0}},
        {"brightness 6: 0.96 clears nothing", black4, 6, {0xF0, 0xF0, 0xF0, 0xF0}},
        {"brightness 7: 1.12 clears entry 1", black4, 7, {0xF0, 0xE0, 0xF0, 0xF0}},
        {"brightness 25: entry 4 stays at 4.0", black4, 25, {0xF0, 0xE0, 0xF0, 0xA0}},
        {"brightness 50: entries 8..16 stay", black4, 50, {0xF0, 0x80, 0xF0, 0x00}},
        {"brightness 65: 10.4 clears entry 10, not 11", black4, 65, {0xE0, 0x00, 0xB0, 0x00}},
        {"brightness 70: 11.2 clears entry 11, not 12", black4, 70, {0xE0, 0x00, 0xA0, 0x00}},
        {"brightness 80: 12.8 clears entry 12, not 13", black4, 80, {0xA0, 0x00, 0xA0, 0x00}},
        {"brightness 100: only 16", black4, 100, {0x80, 0x00, 0x00, 0x00}},
        {"matrix repeats every four dots", RgbImage(8, 8, kBlack), 100, {0x88, 0, 0, 0, 0x88, 0, 0, 0}},
        {"matrix never darkens white", RgbImage(8, 8, kWhite), 50, Bytes(8, 0x00)},
    };
    for (const Case& c : cases) {
        const RasterResult r = ConvertToRaster(c.image, c.brightness);
        ASSERT_TRUE(r.ok()) << c.name << ": " << r.error;
        EXPECT_EQ(r.raster.width, c.w ? c.w : c.image.width) << c.name;
        EXPECT_EQ(r.raster.height, c.h ? c.h : c.image.height) << c.name;
        EXPECT_EQ(r.raster.bytes, c.bytes) << c.name;
    }
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

/// A hand-made BMP file: palette depths and RLE, which QImage::save does not write.
struct Bmp {
    std::int32_t width, height;          ///< height < 0: rows top-down
    std::uint16_t bits;
    std::uint32_t compression;           ///< 0 none, 1 RLE8, 2 RLE4
    std::vector<std::uint32_t> palette;  ///< 0x00RRGGBB
    Bytes pixels;                        ///< as stored: rows padded, bottom-up unless height < 0
    bool core = false;                   ///< the oldest, 12-byte header: 16-bit sizes, no compression

    Bytes File() const {
        Bytes out{'B', 'M'};
        auto put = [&out](std::uint32_t v, int bytes) {
            for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        };
        const int entry = core ? 3 : 4;
        const auto headers = static_cast<std::uint32_t>((core ? 26 : 54) + palette.size() * entry);
        const auto size = static_cast<std::uint32_t>(pixels.size());
        for (std::uint32_t v : {headers + size, 0u, headers}) put(v, 4);
        if (core) {
            put(12, 4);
            for (std::uint32_t v : {static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), 1u, std::uint32_t{bits}})
                put(v, 2);
        } else {
            for (std::uint32_t v : {40u, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height),
                                    1u | std::uint32_t{bits} << 16,  // one plane
                                    compression, size, 2835u, 2835u, static_cast<std::uint32_t>(palette.size()), 0u})
                put(v, 4);
        }
        for (std::uint32_t c : palette) put(c, entry);  // blue, green, red (, 0)
        out.insert(out.end(), pixels.begin(), pixels.end());
        return out;
    }
};

class BitmapLoader : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const Bytes& bytes) {
        const auto path = (dir / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    pelmora::test::TempDir dir;
};

TEST_F(BitmapLoader, PaletteDepthsAndRunLengthsGoThroughTheColourTable) {
    const std::vector<std::uint32_t> palette{0xFFFFFF, 0xFF0000, 0xF0F0F0, 0x000000};
    struct Case { const char* name; Bmp bmp; Bytes raster; };
    const Case cases[] = {
        // Index 0 is black, against the usual table. Bottom row (stored first) white, top row black but x 9.
        {"1-bit", {10, 2, 1, 0, {0x000000, 0xFFFFFF}, {0xFF, 0xC0, 0, 0, 0x00, 0x40, 0, 0}}, {0xFF, 0x80, 0x00, 0x00}},
        // White, red, black: red counts as dark.
        {"4-bit", {3, 1, 4, 0, palette, {0x01, 0x30, 0x00, 0x00}}, {0x60}},
        {"8-bit top-down", {2, -2, 8, 0, palette, {0x02, 0x03, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00}}, {0x40, 0x80}},
        // Bottom row four light grey; top row two red, then two runs of one white.
        {"RLE8", {4, 2, 8, 1, palette, {0x04, 0x02, 0x00, 0x00, 0x02, 0x01, 0x01, 0x00, 0x01, 0x00, 0x00, 0x01}},
         {0xC0, 0x00}},
        {"RLE4", {4, 1, 4, 2, palette, {0x04, 0x30, 0x00, 0x01}}, {0xA0}},  // black, white, black, white
        {"RLE8 rows filled, no end mark", {4, 1, 8, 1, palette, {0x04, 0x03, 0x00, 0x00}}, {0xF0}},
        {"core header", {2, 1, 24, 0, {}, {0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0, 0}, true}, {0x80}},
    };
    for (const Case& c : cases) {
        const auto loaded = LoadBitmapFile(Write(std::string(c.name) + ".bmp", c.bmp.File()));
        ASSERT_TRUE(loaded) << c.name;
        EXPECT_EQ(ConvertToRaster(*loaded, 0).raster.bytes, c.raster) << c.name;
    }
    // The larger headers built on the 40-byte one (OS/2 2.x, V4, V5): the same picture.
    for (const std::uint8_t size : {64, 108, 124}) {
        Bytes file = cases[1].bmp.File();
        file.insert(file.begin() + 54, size - 40u, 0);
        file[10] = static_cast<std::uint8_t>(file[10] + size - 40);  // pixel offset
        file[14] = size;
        const auto loaded = LoadBitmapFile(Write("header-" + std::to_string(size) + ".bmp", file));
        ASSERT_TRUE(loaded) << int{size};
        EXPECT_EQ(ConvertToRaster(*loaded, 0).raster.bytes, cases[1].raster) << int{size};
    }
}

TEST_F(BitmapLoader, RefusesWhatIsNoBitmap) {
    QImage png(2, 2, QImage::Format_RGB32);
    png.fill(Qt::black);
    const auto pngPath = (dir / "logo.bmp").string();  // a PNG under a BMP name
    ASSERT_TRUE(png.save(QString::fromStdString(pngPath), "PNG"));
    Bytes cut = Bmp{64, 64, 24, 0, {}, Bytes(64 * 64 * 3, 0)}.File();
    cut.resize(40);  // inside the info header
    // Headers that promise pixels the file does not hold.
    Bytes byteShort = Bmp{64, 64, 24, 0, {}, Bytes(64 * 64 * 3, 0)}.File();
    byteShort.pop_back();
    Bytes offsetPastEnd = Bmp{2, 2, 24, 0, {}, Bytes(16, 0)}.File();
    offsetPastEnd[10] = 0xFF;
    const std::vector<std::uint32_t> two{0, 0xFFFFFF};
    const std::string fifo = (dir / "fifo.bmp").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);  // no writer: opening it must not wait
    std::vector<std::string> paths{
        pngPath, (dir / "missing.bmp").string(), dir.path().string(), fifo,
        Write("zero-width.bmp", Bmp{0, 4, 8, 0, {0xFFFFFF}, {}}.File()), Write("cut.bmp", cut),
        Write("byte-short.bmp", byteShort), Write("offset.bmp", offsetPastEnd),
        Write("core-cut.bmp", Bmp{2, 257, 24, 0, {}, Bytes(8, 0), true}.File()),  // one row of 257
        Write("narrow-half.bmp", Bmp{1, 4, 24, 0, {}, Bytes(8, 0)}.File()),
        Write("rle-no-end.bmp", Bmp{4, 2, 8, 1, two, {0x04, 0x01, 0x00, 0x00}}.File()),
        Write("rle-past-row.bmp", Bmp{4, 1, 8, 1, two, {0x05, 0x01, 0x00, 0x01}}.File()),
        Write("rle-past-rows.bmp", Bmp{4, 1, 8, 1, two, {0x00, 0x00, 0x00, 0x00, 0x00, 0x01}}.File()),
        Write("rle-literal-cut.bmp", Bmp{4, 1, 8, 1, two, {0x00, 0x04, 0x01, 0x00}}.File()),
        Write("rle-delta-cut.bmp", Bmp{4, 1, 8, 1, two, {0x00, 0x02, 0x01}}.File())};
    // Whole files whose header size no header has: the decoder would read them as the 12-byte one.
    for (const std::uint32_t size : {11u, 13u, 39u, 41u, 0x0100000Cu}) {
        Bytes odd = Bmp{2, 2, 24, 0, {}, Bytes(16, 0), true}.File();
        for (int i = 0; i < 4; ++i) odd[14 + i] = static_cast<std::uint8_t>(size >> (8 * i));
        paths.push_back(Write("header-" + std::to_string(size) + ".bmp", odd));
    }
    for (const std::string& path : paths) EXPECT_FALSE(LoadBitmapFile(path)) << path;
}

TEST_F(BitmapLoader, MoreColoursThanTheDepthIndexesAreReadQuietly) {
    static int complaints = 0;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {
        ++complaints;
    });
    std::vector<std::uint32_t> palette(257, 0xFFFFFF);
    palette[1] = 0x000000;
    Bytes deep = Bmp{2, 1, 8, 0, palette, {0x00, 0x01, 0, 0}}.File();  // 257 colours for 256 indexes
    Bytes shallow = Bmp{2, 1, 1, 0, palette, {0x40, 0, 0, 0}}.File();
    shallow[49] = 0x01;  // the count's top byte too: 0x01000101 colours
    for (const Bytes& file : {deep, shallow}) {
        const auto loaded = LoadBitmapFile(Write("wide-table.bmp", file));
        ASSERT_TRUE(loaded);
        EXPECT_EQ(ConvertToRaster(*loaded, 0).raster.bytes, Bytes{0x40});  // white, black
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(complaints, 0);
}

}  // namespace
}  // namespace pelmora::nv
