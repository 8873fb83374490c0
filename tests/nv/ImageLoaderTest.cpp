// Logos from image files of any format we decode, and the raster written back as a picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "nv/ImageDecoders.h"
#include "nv/ImageLoader.h"
#include "nv/RasterPng.h"
#include "support/ImageFiles.h"
#include "support/PrinterRig.h"

namespace pelmora::nv {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Pixels = std::vector<std::uint32_t>;
using test::WriteBytes;

// Any format we decode loads, BMP content under any name; transparency is paper white; no pixels: refused.
TEST(ImageLoader, WhatLoadsAndItsPixels) {
    test::TempDir dir;
    const auto at = [&dir](const char* name) { return (dir / name).string(); };
    // 2 x 1 GIF89a, both pixels black, index 0 marked transparent.
    const Bytes gif{'G', 'I', 'F', '8', '9', 'a', 2, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0x21, 0xF9, 4, 1, 0, 0,
                    0, 0, 0x2C, 0, 0, 0, 0, 2, 0, 1, 0, 0, 2, 2, 0x44, 0x0A, 0, 0x3B};
    const Bytes blackPng = test::PngRgba(3, 2, Pixels(6, 0xFF000000));
    const Pixels sixBlack(6, 0);
    const std::pair<std::string, Pixels> cases[] = {  // no pixels: refused
        // Transparent black, opaque black, half-transparent black, opaque red.
        {WriteBytes(at("logo.png"), test::PngRgba(4, 1, {0, 0xFF000000, 0x80000000, 0xFFFF0000})),
         {0xFFFFFF, 0x000000, 0x7F7F7F, 0xFF0000}},
        {WriteBytes(at("logo.gif"), gif), {0xFFFFFF, 0x000000}},
        {WriteBytes(at("bitmap.png"), test::Bmp24(RgbImage(3, 2, 0))), sixBlack},  // BMP content under another name
        {WriteBytes(at("logo.PNG"), blackPng), sixBlack},
        {WriteBytes(at("logo.bmp"), blackPng), {}},  // a PNG under a BMP name: the BMP checks refuse it
        {WriteBytes(at("cut.png"), Bytes(blackPng.begin(), blackPng.begin() + 40)), {}},
        {WriteBytes(at("empty.png"), {}), {}},
        {WriteBytes(at("notes.txt"), {'w', 'o', 'r', 'd', 's', '\n'}), {}},
        {at("missing.png"), {}},
        {dir.path().string(), {}},
    };
    for (const auto& [path, pixels] : cases) {
        const auto image = LoadImageFile(path);
        EXPECT_EQ(image.has_value(), !pixels.empty()) << path;
        if (image) {
            EXPECT_EQ(image->pixels, pixels) << path;
        }
    }
    EXPECT_EQ(RasterFromImageFile(at("cut.png"), 0).error, "Failed to load image file!");

    const auto patterns = ImageFilePatterns();
    for (const char* known : {"*.bmp", "*.png", "*.jpg", "*.jpeg", "*.gif"})
        EXPECT_NE(std::find(patterns.begin(), patterns.end(), known), patterns.end()) << known;
    EXPECT_EQ(std::find(patterns.begin(), patterns.end(), "*.svg"), patterns.end());
}

std::optional<RgbImage> ReadPng(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return DecodePng(text.str());
}

TEST(ImageLoader, RasterPngShowsEveryDotAndReplacesTheFileWhole) {
    test::TempDir dir;
    const Raster raster{10, 2, {0x80, 0xC0, 0x40, 0x00}};  // dots at 0, 8 and 9, then at 1 only
    const auto path = (dir / "preview.png").string();
    std::ofstream(path) << "an older preview";
    std::string error;
    ASSERT_TRUE(WriteRasterPng(raster, path, error)) << error;
    const auto png = ReadPng(path);
    ASSERT_TRUE(png);
    Pixels want(20, 0xFFFFFF);
    want[0] = want[8] = want[9] = want[11] = 0;
    EXPECT_EQ(png->pixels, want);

    EXPECT_FALSE(WriteRasterPng(raster, (dir / "no" / "dir.png").string(), error));
    EXPECT_NE(error.find("cannot write"), std::string::npos);
    EXPECT_FALSE(WriteRasterPng(Raster{10, 2, {0x80}}, path, error)) << "fewer bytes than the size says";
    ASSERT_TRUE(ReadPng(path)) << "what was written stays";
    EXPECT_EQ(ReadPng(path)->pixels, want);
}

}  // namespace
}  // namespace pelmora::nv
