// Logos from image files of any format the reader knows, and the raster written back as a picture.
#include <gtest/gtest.h>

#include <fstream>

#include <QBuffer>
#include <QImage>

#include "NvRig.h"
#include "nv/ImageLoader.h"
#include "nv/NvCatalogue.h"
#include "nv/RasterPng.h"
#include "support/PrinterRig.h"

namespace pelmora::nv {
namespace {

using Bytes = std::vector<std::uint8_t>;

class ImageLoader : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const QByteArray& bytes) {
        const auto path = (dir / name).string();
        std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
        return path;
    }
    std::string Save(const std::string& name, const QImage& image, const char* format, int quality = -1) {
        const auto path = (dir / name).string();
        EXPECT_TRUE(image.save(QString::fromStdString(path), format, quality)) << name;
        return path;
    }
    static QByteArray Encoded(const QImage& image, const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    }
    pelmora::test::TempDir dir;
};

// Any format the reader knows loads, BMP content under any name; transparency is
// paper white; no pixels: refused.
TEST_F(ImageLoader, WhatLoadsAndItsPixels) {
    // Transparent black, opaque black, half-transparent black, opaque red.
    QImage png(4, 1, QImage::Format_ARGB32);
    png.setPixel(0, 0, qRgba(0, 0, 0, 0));
    png.setPixel(1, 0, qRgba(0, 0, 0, 255));
    png.setPixel(2, 0, qRgba(0, 0, 0, 128));
    png.setPixel(3, 0, qRgba(255, 0, 0, 255));
    // 2 x 1 GIF89a, both pixels black, index 0 marked transparent (no writer for GIF here).
    const unsigned char gif[] = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 0, 0, 0,
                                 0x21, 0xF9, 4, 1, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 2, 0, 1, 0, 0,
                                 2, 2, 0x44, 0x0A, 0, 0x3B};
    QImage black(3, 2, QImage::Format_RGB32);
    black.fill(Qt::black);
    const QByteArray blackPng = Encoded(black, "PNG");
    const auto svgWithText = QByteArray(R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20">)"
                                        R"(<text x="2" y="15">Logo</text></svg>)");
    const std::vector<std::uint32_t> sixBlack(6, 0);
    struct Case {
        std::string path;
        std::vector<std::uint32_t> pixels;  // none: refused
    };
    const Case cases[] = {
        {Save("logo.png", png, "PNG"), {0xFFFFFF, 0x000000, 0x7F7F7F, 0xFF0000}},
        {Write("logo.gif", QByteArray(reinterpret_cast<const char*>(gif), sizeof gif)), {0xFFFFFF, 0x000000}},
        {Write("bitmap.png", Encoded(black, "BMP")), sixBlack},  // BMP content under another name
        {Write("logo.PNG", blackPng), sixBlack},
        {Write("logo.bmp", blackPng), {}},           // a PNG under a BMP name: the BMP checks refuse it
        {Write("cut.png", blackPng.left(40)), {}},   // corrupt
        {Write("empty.png", QByteArray()), {}},
        {Write("notes.txt", "just some words\n"), {}},
        {Write("logo.svg", svgWithText), {}},        // drawing text needs a windowing session
        {(dir / "missing.png").string(), {}},
        {dir.path().string(), {}},
    };
    for (const Case& c : cases) {
        const auto image = LoadImageFile(c.path);
        EXPECT_EQ(image.has_value(), !c.pixels.empty()) << c.path;
        if (image) {
            EXPECT_EQ(image->pixels, c.pixels) << c.path;
        }
    }
    EXPECT_EQ(RasterFromImageFile((dir / "cut.png").string(), 0).error, "Failed to load image file!");

    const auto patterns = ImageFilePatterns();
    for (const char* known : {"*.bmp", "*.png", "*.jpg", "*.jpeg", "*.gif"})
        EXPECT_NE(std::find(patterns.begin(), patterns.end(), known), patterns.end()) << known;
    EXPECT_EQ(std::find(patterns.begin(), patterns.end(), "*.svg"), patterns.end());
}

TEST_F(ImageLoader, GreyJpegKeepsItsGrey) {
    QImage grey(16, 8, QImage::Format_Grayscale8);
    grey.fill(60);
    const auto image = LoadImageFile(Save("grey.jpg", grey, "JPEG", 100));
    ASSERT_TRUE(image);
    ASSERT_EQ(image->width, 16u);
    ASSERT_EQ(image->height, 8u);
    for (const std::uint32_t p : image->pixels) {
        const int r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
        EXPECT_TRUE(r == g && g == b && std::abs(r - 60) <= 3) << std::hex << p;
    }
    EXPECT_EQ(RasterFromImageFile(Save("dark.jpg", grey, "JPEG", 100), 0).raster.bytes, Bytes(16, 0xFF))
        << "grey 60 prints black: 16 dots, two bytes a row, eight rows";
}

TEST(NvCatalogueImages, PngAndJpegEntriesComeBackLikeBitmaps) {
    test::NvRig rig;
    QImage logo(16, 4, QImage::Format_RGB32);
    logo.fill(Qt::black);
    const auto png = (rig.dir / "logo.png").string(), jpeg = (rig.dir / "photo.jpg").string();
    ASSERT_TRUE(logo.save(QString::fromStdString(png), "PNG"));
    ASSERT_TRUE(logo.save(QString::fromStdString(jpeg), "JPEG"));
    WriteCatalogueEntry(rig.store, 1, png + ",010");
    WriteCatalogueEntry(rig.store, 2, jpeg + ",020");
    EXPECT_TRUE(LoadCatalogue(rig.nv).empty());
    ASSERT_EQ(rig.nv.imageList().size(), 2u);
    EXPECT_EQ(rig.nv.imageList().items()[0].name, "logo.png");
    EXPECT_EQ(rig.nv.imageList().items()[1].brightness, 20);
}

TEST_F(ImageLoader, RasterPngShowsEveryDotAndReplacesTheFileWhole) {
    // 10 x 2: a row of dots at 0, 8 and 9, then a row at 1 only.
    const Raster raster{10, 2, {0x80, 0xC0, 0x40, 0x00}};
    const auto path = (dir / "preview.png").string();
    std::ofstream(path) << "an older preview";
    std::string error;
    ASSERT_TRUE(WriteRasterPng(raster, path, error)) << error;
    const QImage png(QString::fromStdString(path));
    ASSERT_EQ(png.size(), QSize(10, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool dot = (raster.bytes[y * 2 + x / 8] & (0x80 >> (x % 8))) != 0;
            EXPECT_EQ(png.pixel(x, y), dot ? qRgb(0, 0, 0) : qRgb(255, 255, 255)) << x << "," << y;
        }

    EXPECT_FALSE(WriteRasterPng(raster, (dir / "no" / "dir.png").string(), error));
    EXPECT_NE(error.find("cannot write"), std::string::npos);
    EXPECT_FALSE(WriteRasterPng(Raster{10, 2, {0x80}}, path, error)) << "fewer bytes than the size says";
    EXPECT_EQ(QImage(QString::fromStdString(path)).size(), QSize(10, 2)) << "what was written stays";
}

}  // namespace
}  // namespace pelmora::nv
