// Logos from image files of any format we decode, hostile and broken files
// refused quickly whatever they promise, and the raster written back as a picture.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <jpeglib.h>

#include "nv/ExifOrientation.h"
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

std::string Text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// A PNG whose header promises `width` x `height` and holds the pixels of a 1 x 1 one.
std::string PngPromising(std::uint32_t width, std::uint32_t height) {
    Bytes png = test::PngRgba(1, 1, {0xFF000000});
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = static_cast<std::uint8_t>(width >> (24 - 8 * i));
        png[20 + i] = static_cast<std::uint8_t>(height >> (24 - 8 * i));
    }
    const auto crc = static_cast<std::uint32_t>(crc32(0, &png[12], 17));  // over "IHDR" and its 13 bytes
    for (int i = 0; i < 4; ++i) png[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    return Text(png);
}

// A four-channel JPEG is CMYK as Adobe writes it, each sample the ink's absence: here red 255, green 128, blue 0.
TEST(ImageDecoders, CmykJpegGivesItsColours) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = 16, cinfo.image_height = 8, cinfo.input_components = 4, cinfo.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row;
    for (int x = 0; x < 16; ++x) row.insert(row.end(), {255, 128, 0, 255});
    for (JSAMPROW line = row.data(); cinfo.next_scanline < cinfo.image_height;) jpeg_write_scanlines(&cinfo, &line, 1);
    jpeg_finish_compress(&cinfo);
    const auto cmyk = DecodeJpeg(std::string(reinterpret_cast<const char*>(buffer), size));
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    ASSERT_TRUE(cmyk);
    ASSERT_EQ(cmyk->pixels.size(), 16u * 8u);
    for (const std::uint32_t p : cmyk->pixels) {
        const int got[] = {static_cast<int>(p >> 16), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
        const int want[] = {255, 128, 0};
        for (int c = 0; c < 3; ++c) EXPECT_LE(std::abs(got[c] - want[c]), 3) << std::hex << p;
    }
}

TEST(ImageDecoders, BrokenOrOversizedFilesAreRefused) {
    const RgbImage photo(40, 30, 0x336699);
    const Bytes jpeg = test::Jpeg(photo, 90);
    const Bytes png = test::PngRgba(40, 30, std::vector<std::uint32_t>(1200, 0xFF336699));
    // 1 x 1 GIF: screen, no table, one frame of index 0, then cut inside its data.
    const Bytes gif{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3B};
    Bytes hugeGif = gif;
    hugeGif[6] = hugeGif[7] = hugeGif[8] = hugeGif[9] = 0xFF;      // a 65535 x 65535 screen
    hugeGif[18] = hugeGif[19] = hugeGif[20] = hugeGif[21] = 0xFF;  // and frame
    struct Case { const char* name; std::optional<RgbImage> (*decode)(const std::string&); std::string bytes; bool loads; };
    const Case cases[] = {
        {"whole JPEG", DecodeJpeg, Text(jpeg), true}, {"JPEG header only", DecodeJpeg, Text(jpeg).substr(0, 20), false},
        {"JPEG cut in half", DecodeJpeg, Text(jpeg).substr(0, jpeg.size() / 2), false},
        {"whole PNG", DecodePng, Text(png), true}, {"PNG without its end", DecodePng, Text(png).substr(0, png.size() - 12), false},
        {"PNG of 100000 x 100000", DecodePng, PngPromising(100000, 100000), false},
        {"PNG of 9000 x 8000 (over 256 MiB)", DecodePng, PngPromising(9000, 8000), false},
        {"PNG promising more rows than it holds", DecodePng, PngPromising(3, 3), false},
        {"whole GIF", DecodeGif, Text(gif), true}, {"GIF cut in its frame", DecodeGif, Text(gif).substr(0, 25), false},
        {"GIF of 65535 x 65535", DecodeGif, Text(hugeGif), false}, {"GIF with no frame", DecodeGif, Text(gif).substr(0, 13) + ";", false},
        {"nothing", DecodePng, "", false}, {"nothing", DecodeJpeg, "", false}, {"nothing", DecodeGif, "", false},
    };
    for (const Case& c : cases) {
        const auto image = c.decode(c.bytes);
        EXPECT_EQ(image.has_value(), c.loads) << c.name;
        EXPECT_TRUE(!image || image->pixels.size() == std::size_t{image->width} * image->height) << c.name << ": pixels and size differ";
    }
}

TEST(ImageDecoders, ExifOrientationReadsOnlyWhatIsThere) {
    const std::string exif{"Exif\0\0", 6};
    // TIFF header, one entry (tag 0x0112, SHORT, count 1, value), no next directory.
    const std::string noNext(4, '\0');
    const std::string little = exif + std::string("II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0\x06\0\0\0", 22) + noNext;
    const std::string big = exif + std::string("MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x08\0\0", 22) + noNext;
    const auto patched = [&little](std::initializer_list<std::pair<int, char>> bytes) {
        std::string out = little;
        for (const auto& [at, value] : bytes) out[static_cast<std::size_t>(6 + at)] = value;  // after "Exif\0\0"
        return out;
    };
    const std::pair<std::string, int> cases[] = {
        {little, 6}, {big, 8}, {patched({{12, 4}}), 1} /* LONG, not SHORT */, {patched({{18, 9}}), 1}, {patched({{4, 0x7F}}), 1},
        {patched({{8, '\xFF'}, {9, '\xFF'}, {10, 0}}), 1},  // 65535 entries promised, one held, and not the orientation
        {little.substr(0, 20), 1}, {little.substr(0, 28), 6} /* no next offset */, {patched({{0, 'X'}}), 1}, {"", 1},
    };
    for (const auto& [app1, orientation] : cases) EXPECT_EQ(ExifOrientation(app1), orientation) << app1.size();
}

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
        {WriteBytes(at("logo.png"), test::PngRgba(4, 1, {0, 0xFF000000, 0x80000000, 0xFFFF0000})), {0xFFFFFF, 0x000000, 0x7F7F7F, 0xFF0000}},
        {WriteBytes(at("logo.gif"), gif), {0xFFFFFF, 0x000000}},
        {WriteBytes(at("bitmap.png"), test::Bmp24(RgbImage(3, 2, 0))), sixBlack},  // BMP content under another name
        {WriteBytes(at("logo.PNG"), blackPng), sixBlack},
        {WriteBytes(at("logo.bmp"), blackPng), {}},  // a PNG under a BMP name: the BMP checks refuse it
        {WriteBytes(at("cut.png"), Bytes(blackPng.begin(), blackPng.begin() + 40)), {}},
        {WriteBytes(at("notes.txt"), {'w', 'o', 'r', 'd', 's', '\n'}), {}},
        {WriteBytes(at("empty.png"), {}), {}}, {at("missing.png"), {}}, {dir.path().string(), {}},
    };
    for (const auto& [path, pixels] : cases) EXPECT_EQ(LoadImageFile(path).value_or(RgbImage()).pixels, pixels) << path;
    EXPECT_EQ(RasterFromImageFile(at("cut.png"), 0).error, "Failed to load image file!");

    const auto patterns = ImageFilePatterns();
    for (const char* known : {"*.bmp", "*.png", "*.jpg", "*.jpeg", "*.gif"})
        EXPECT_NE(std::find(patterns.begin(), patterns.end(), known), patterns.end()) << known;
    EXPECT_EQ(std::find(patterns.begin(), patterns.end(), "*.svg"), patterns.end());
}

TEST(ImageLoader, RasterPngShowsEveryDotAndReplacesTheFileWhole) {
    test::TempDir dir;
    const Raster raster{10, 2, {0x80, 0xC0, 0x40, 0x00}};  // dots at 0, 8 and 9, then at 1 only
    const auto path = (dir / "preview.png").string();
    std::ofstream(path) << "an older preview";
    std::string error;
    ASSERT_TRUE(WriteRasterPng(raster, path, error)) << error;
    Pixels want(20, 0xFFFFFF);
    want[0] = want[8] = want[9] = want[11] = 0;
    EXPECT_EQ(LoadImageFile(path).value_or(RgbImage()).pixels, want);

    EXPECT_FALSE(WriteRasterPng(raster, (dir / "no" / "dir.png").string(), error));
    EXPECT_NE(error.find("cannot write"), std::string::npos);
    EXPECT_FALSE(WriteRasterPng(Raster{10, 2, {0x80}}, path, error)) << "fewer bytes than the size says";
    EXPECT_EQ(LoadImageFile(path).value_or(RgbImage()).pixels, want) << "what was written stays";
}

}  // namespace
}  // namespace pelmora::nv
