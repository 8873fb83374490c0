#include <gtest/gtest.h>

#include <QImage>

#include "BmpWriter.h"
#include "nv/BitmapLoader.h"
#include "nv/RasterConversion.h"
#include "support/PrinterRig.h"

namespace pelmora::nv {
namespace {

using test::BmpBytes;
using test::BmpLayout;

class BitmapLoader : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const BmpLayout& layout) {
        const auto path = dir / name;
        test::WriteFile(path, BmpBytes(layout));
        return path.string();
    }
    pelmora::test::TempDir dir;
};

TEST_F(BitmapLoader, TrueColourFileKeepsEveryPixel) {
    QImage image(3, 2, QImage::Format_RGB32);
    const QRgb colours[6] = {qRgb(1, 2, 3), qRgb(226, 226, 226), qRgb(0, 0, 0),
                             qRgb(255, 255, 255), qRgb(225, 255, 255), qRgb(10, 200, 30)};
    for (int i = 0; i < 6; ++i) image.setPixel(i % 3, i / 3, colours[i]);
    const auto path = (dir / "true.bmp").string();
    ASSERT_TRUE(image.save(QString::fromStdString(path), "BMP"));

    const auto loaded = LoadBitmapFile(path);
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->width, 3u);
    ASSERT_EQ(loaded->height, 2u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(loaded->pixels[i], colours[i] & 0xFFFFFFu) << i;
}

TEST_F(BitmapLoader, OneBitFileIsReadThroughItsColourTable) {
    // Index 0 is black here, the opposite of the usual table: only the table says so.
    BmpLayout layout;
    layout.width = 10;
    layout.height = 2;  // bottom-up: the bottom row is stored first
    layout.bitsPerPixel = 1;
    layout.palette = {0x000000, 0xFFFFFF};
    layout.pixelData = {0xFF, 0xC0, 0x00, 0x00,   // bottom row: all white
                      0x00, 0x40, 0x00, 0x00};  // top row: black but x 9
    const auto loaded = LoadBitmapFile(Write("mono.bmp", layout));
    ASSERT_TRUE(loaded);
    const RasterResult r = ConvertToRaster(*loaded, 0);
    EXPECT_EQ(r.raster.bytes, (std::vector<std::uint8_t>{0xFF, 0x80, 0x00, 0x00}));
}

TEST_F(BitmapLoader, PaletteDepthsAndRunLengthFiles) {
    struct Case {
        const char* name;
        BmpLayout layout;
        std::vector<std::uint8_t> raster;
    };
    const std::vector<std::uint32_t> palette{0xFFFFFF, 0xFF0000, 0xF0F0F0, 0x000000};
    const Case cases[] = {
        // 4 bits: white, red, black (index 0, 1, 3); red counts as dark.
        {"4-bit", {3, 1, 4, 0, palette, {0x01, 0x30, 0x00, 0x00}}, {0x60}},
        // 8 bits, top-down rows.
        {"8-bit top-down", {2, -2, 8, 0, palette, {0x02, 0x03, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00}}, {0x40, 0x80}},
        // RLE8: bottom row four light grey, top row two red then two white.
        {"RLE8", {4, 2, 8, 1, palette, {0x04, 0x02, 0x00, 0x00, 0x02, 0x01, 0x02, 0x00, 0x00, 0x01}}, {0xC0, 0x00}},
        // RLE4: four pixels alternating black (3) and white (0).
        {"RLE4", {4, 1, 4, 2, palette, {0x04, 0x30, 0x00, 0x01}}, {0xA0}},
    };
    for (const Case& c : cases) {
        const auto loaded = LoadBitmapFile(Write(std::string(c.name) + ".bmp", c.layout));
        ASSERT_TRUE(loaded) << c.name;
        EXPECT_EQ(ConvertToRaster(*loaded, 0).raster.bytes, c.raster) << c.name;
    }
}

TEST_F(BitmapLoader, RefusesWhatIsNoBitmap) {
    QImage png(2, 2, QImage::Format_RGB32);
    png.fill(Qt::black);
    const auto pngPath = dir / "logo.bmp";  // a PNG under a BMP name
    ASSERT_TRUE(png.save(QString::fromStdString(pngPath.string()), "PNG"));
    EXPECT_FALSE(LoadBitmapFile(pngPath.string()));

    EXPECT_FALSE(LoadBitmapFile((dir / "missing.bmp").string()));
    EXPECT_FALSE(LoadBitmapFile(dir.path().string()));  // a folder

    BmpLayout empty{0, 4, 8, 0, {0xFFFFFF}, {}};
    EXPECT_FALSE(LoadBitmapFile(Write("zero-width.bmp", empty)));

    auto bytes = BmpBytes(BmpLayout{64, 64, 24, 0, {}, std::vector<std::uint8_t>(64 * 64 * 3, 0)});
    bytes.resize(40);  // cut inside the info header
    test::WriteFile(dir / "cut.bmp", bytes);
    EXPECT_FALSE(LoadBitmapFile((dir / "cut.bmp").string()));
}

}  // namespace
}  // namespace pelmora::nv
