// The decoders against the reader of the windows' toolkit, which loaded every
// image before them: the same files must give the same pixels.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <random>

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include "nv/BitmapDecoder.h"
#include "nv/BmpCheck.h"
#include "nv/ImageDecoders.h"
#include "support/ImageFiles.h"

namespace pelmora::nv {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::Bmp;

// What the programs made of a file before: the reader's picture over white;
// for a BMP, its colour without alpha as the bitmap loader took it.
std::optional<RgbImage> ReaderPixels(const Bytes& bytes, const char* format = nullptr) {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(true);
    const QImage decoded = reader.read();
    if (decoded.isNull()) return std::nullopt;
    const bool bmp = format && std::string(format) == "bmp";
    const QImage argb = decoded.convertToFormat(bmp ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    RgbImage image(static_cast<std::uint32_t>(argb.width()), static_cast<std::uint32_t>(argb.height()));
    for (std::uint32_t y = 0; y < image.height; ++y)
        for (std::uint32_t x = 0; x < image.width; ++x) {
            const QRgb p = argb.pixel(static_cast<int>(x), static_cast<int>(y));
            image.at(x, y) = RgbOverWhite(static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
                                          static_cast<std::uint8_t>(qBlue(p)), static_cast<std::uint8_t>(qAlpha(p)));
        }
    return image;
}

std::string Text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

void ExpectSame(const std::optional<RgbImage>& ours, const std::optional<RgbImage>& reader, const std::string& name) {
    ASSERT_TRUE(reader) << name << ": the reader refuses it";
    ASSERT_TRUE(ours) << name;
    EXPECT_EQ(std::tie(ours->width, ours->height, ours->pixels), std::tie(reader->width, reader->height, reader->pixels)) << name;
}

Bytes Random(std::mt19937& random, std::size_t n) {
    Bytes bytes(n);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    return bytes;
}

// The BMP layouts a decoder of our own reads, with random pixels, padding and tables.
TEST(ReaderParity, EveryUncompressedBitmapLayout) {
    std::mt19937 random(19);
    int files = 0;
    for (const std::uint16_t bits : {1, 4, 8, 24, 32})
        for (const std::uint32_t header : {12u, 40u, 64u, 108u, 124u})
            for (const bool topDown : {false, true})
                for (const std::int32_t width : {1, 7, 33}) {
                    if ((header == 12 && (topDown || bits == 32))) continue;  // the oldest header has neither
                    const std::int32_t height = 5;
                    std::vector<std::uint32_t> palette;
                    if (bits <= 8) {
                        const std::size_t full = std::size_t{1} << bits;
                        // The oldest header has no colour count: its table is always full.
                        const bool shortTable = header != 12 && width != 7;
                        palette.resize(shortTable ? std::min<std::size_t>(full, width == 1 ? 1 : 3) : full);
                        for (auto& c : palette) c = random() & 0xFFFFFF;
                    }
                    const std::size_t row = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
                    Bytes file = Bmp{width, topDown ? -height : height, bits, 0, palette, Random(random, row * height), header}.File();
                    const std::string name = std::to_string(bits) + "-bit, header " + std::to_string(header) +
                                             (topDown ? ", top-down, " : ", ") + std::to_string(width) + " wide";
                    if (bits == 32 && header >= 108 && width == 33) file[69] = 0xFF;  // an alpha mask, unused without bit fields
                    std::string bytes = Text(file);
                    ASSERT_TRUE(CheckBmpData(bytes)) << name;
                    ExpectSame(DecodeBmpRows(bytes), ReaderPixels(file, "bmp"), name);
                    ++files;
                }
    EXPECT_EQ(files, 132);
}

// 16 bits a pixel, and channels given by masks. Not with alpha: the reader
// took a set 1-bit alpha for half transparent and printed transparent parts
// black (RasterConversionTest has ours).
TEST(ReaderParity, BitFieldBitmaps) {
    std::mt19937 random(23);
    struct Case { const char* name; std::uint16_t bits; std::uint32_t compression, header; std::vector<std::uint32_t> masks; };
    const Case cases[] = {
        {"16-bit 5-5-5", 16, 0, 40, {}}, {"16-bit 5-6-5 masks", 16, 3, 40, {0xF800, 0x07E0, 0x001F}},
        {"32-bit masks", 32, 3, 40, {0x00FF0000, 0x0000FF00, 0x000000FF}},
        {"32-bit blue first", 32, 3, 40, {0x0000FF00, 0x00FF0000, 0xFF000000}},
        {"16-bit 4-4-4, version 4, no alpha", 16, 3, 108, {0x0F00, 0x00F0, 0x000F, 0}},
    };
    for (const Case& c : cases)
        for (const bool topDown : {false, true}) {
            const std::int32_t width = 5, height = 3;
            const std::size_t row = (std::size_t{width} * c.bits + 31) / 32 * 4;
            Bytes file = Bmp{width, topDown ? -height : height, c.bits, c.compression, {}, Random(random, row * height), c.header}.File();
            if (c.header == 40) {  // the masks follow the header, moving the pixels (file size and offset stay below 256)
                const auto extra = static_cast<std::uint8_t>(4 * c.masks.size());
                file.insert(file.begin() + 54, extra, 0);
                file[2] = static_cast<std::uint8_t>(file[2] + extra);
                file[10] = static_cast<std::uint8_t>(file[10] + extra);
            }
            for (std::size_t i = 0; i < c.masks.size(); ++i)
                for (int b = 0; b < 4; ++b) file[54 + 4 * i + b] = static_cast<std::uint8_t>(c.masks[i] >> (8 * b));
            const std::string name = std::string(c.name) + (topDown ? ", top-down" : "");
            std::string bytes = Text(file);
            ASSERT_TRUE(CheckBmpData(bytes)) << name;
            ExpectSame(DecodeBmpBitFields(bytes), ReaderPixels(file, "bmp"), name);
        }
}

// Run lengths: runs, literals, line ends and jumps over a random stream that fills the bitmap.
TEST(ReaderParity, RunLengthBitmaps) {
    std::mt19937 random(29);
    for (int n = 0; n < 40; ++n) {
        const bool four = n % 2;
        const std::int32_t width = 1 + static_cast<std::int32_t>(random() % 20), height = 1 + static_cast<std::int32_t>(random() % 6);
        std::vector<std::uint32_t> palette(four ? 16 : 256);
        for (auto& c : palette) c = random() & 0xFFFFFF;
        Bytes stream;
        for (std::int32_t y = 0; y < height; ++y) {
            std::int32_t x = 0;
            while (x < width) {
                const auto left = static_cast<std::uint32_t>(width - x);
                const std::uint32_t count = 1 + random() % left;
                if (count >= 3 && random() % 2) {  // literal, padded to a whole word
                    stream.insert(stream.end(), {0, static_cast<std::uint8_t>(count)});
                    const std::size_t stored = four ? (count + 1) / 2 : count;
                    const Bytes literal = Random(random, stored);
                    stream.insert(stream.end(), literal.begin(), literal.end());
                    if (stored % 2) stream.push_back(0);
                } else {
                    stream.insert(stream.end(), {static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(random())});
                }
                x += static_cast<std::int32_t>(count);
            }
            stream.insert(stream.end(), {0, 0});
        }
        stream.insert(stream.end(), {0, 1});
        const Bytes file = Bmp{width, height, static_cast<std::uint16_t>(four ? 4 : 8), four ? 2u : 1u, palette, stream}.File();
        std::string bytes = Text(file);
        const std::string name = (four ? "RLE4 " : "RLE8 ") + std::to_string(width) + " x " + std::to_string(height);
        ASSERT_TRUE(CheckBmpData(bytes)) << name;
        ExpectSame(DecodeBmpRunLengths(bytes), ReaderPixels(file, "bmp"), name);
    }
}

Bytes Saved(const QImage& image, const char* format, int quality = -1) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format, quality));
    return Bytes(data.begin(), data.end());
}

QImage Noise(int width, int height, QImage::Format format, std::mt19937& random) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, static_cast<QRgb>(random()));
    return image.convertToFormat(format);
}

TEST(ReaderParity, PngOfEveryKind) {
    std::mt19937 random(31);
    const std::pair<const char*, QImage::Format> formats[] = {
        {"ARGB", QImage::Format_ARGB32},         {"RGB", QImage::Format_RGB32},
        {"palette", QImage::Format_Indexed8},    {"grey", QImage::Format_Grayscale8},
        {"grey 16", QImage::Format_Grayscale16}, {"RGBA 16", QImage::Format_RGBA64},
        {"one bit", QImage::Format_Mono},        {"RGB 16", QImage::Format_RGBX64},
    };
    for (const auto& [name, format] : formats) {
        const Bytes png = Saved(Noise(13, 7, format, random), "PNG");
        ExpectSame(DecodePng(Text(png)), ReaderPixels(png), name);
    }
}

// A JPEG with an EXIF block saying how the camera was held.
Bytes WithOrientation(const Bytes& jpeg, int orientation) {
    const Bytes tiff{'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0,
                     static_cast<std::uint8_t>(orientation), 0, 0, 0, 0, 0, 0, 0};
    Bytes app1{'E', 'x', 'i', 'f', 0, 0};
    app1.insert(app1.end(), tiff.begin(), tiff.end());
    const std::size_t length = app1.size() + 2;
    Bytes out{jpeg[0], jpeg[1], 0xFF, 0xE1, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)};
    out.insert(out.end(), app1.begin(), app1.end());
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}

TEST(ReaderParity, JpegColourGreyAndTurned) {
    std::mt19937 random(37);
    const QImage colour = Noise(19, 11, QImage::Format_RGB32, random);
    for (const int quality : {30, 75, 100}) {
        const Bytes rgb = Saved(colour, "JPEG", quality), grey = Saved(colour.convertToFormat(QImage::Format_Grayscale8), "JPEG", quality);
        ExpectSame(DecodeJpeg(Text(rgb)), ReaderPixels(rgb), "colour at " + std::to_string(quality));
        ExpectSame(DecodeJpeg(Text(grey)), ReaderPixels(grey), "grey at " + std::to_string(quality));
    }
    const Bytes plain = Saved(colour, "JPEG", 90);
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const Bytes turned = WithOrientation(plain, orientation);
        ExpectSame(DecodeJpeg(Text(turned)), ReaderPixels(turned), "orientation " + std::to_string(orientation));
    }
}

struct GifCase { const char* name; int screenWidth, screenHeight, left, top, width, height;
                 int transparent = NO_TRANSPARENT_COLOR; bool localTable = false, interlaced = false; int background = 0; };

int Append(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

Bytes MakeGif(const GifCase& c, std::mt19937& random) {
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, Append, &error);
    EGifSetGifVersion(gif, true);
    std::vector<GifColorType> colours(16);
    for (auto& col : colours) col = {static_cast<GifByteType>(random()), static_cast<GifByteType>(random()), static_cast<GifByteType>(random())};
    ColorMapObject* global = GifMakeMapObject(16, colours.data());
    EGifPutScreenDesc(gif, c.screenWidth, c.screenHeight, 4, c.background, global);
    if (c.transparent != NO_TRANSPARENT_COLOR) {
        GraphicsControlBlock control{};
        control.TransparentColor = c.transparent;
        GifByteType block[4];
        const std::size_t length = EGifGCBToExtension(&control, block);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), block);
    }
    std::vector<GifColorType> localColours(8);
    for (auto& col : localColours) col = {static_cast<GifByteType>(random()), 0, 255};
    ColorMapObject* local = c.localTable ? GifMakeMapObject(8, localColours.data()) : nullptr;
    EGifPutImageDesc(gif, c.left, c.top, c.width, c.height, c.interlaced, local);
    std::vector<GifPixelType> row(static_cast<std::size_t>(c.width));
    for (int y = 0; y < c.height; ++y) {
        for (auto& p : row) p = static_cast<GifPixelType>(random() % (c.localTable ? 8 : 16));
        EGifPutLine(gif, row.data(), c.width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(global);
    if (local) GifFreeMapObject(local);
    return out;
}

TEST(ReaderParity, GifFirstFrameOnItsScreen) {
    std::mt19937 random(41);
    const GifCase cases[] = {
        {"whole screen", 9, 5, 0, 0, 9, 5}, {"transparent", 9, 5, 0, 0, 9, 5, 3},
        {"frame inside the screen, background colour", 12, 8, 2, 1, 6, 4, NO_TRANSPARENT_COLOR, false, false, 5},
        {"frame inside the screen, transparent", 12, 8, 2, 1, 6, 4, 2}, {"local table", 9, 5, 0, 0, 9, 5, NO_TRANSPARENT_COLOR, true},
        {"interlaced", 7, 19, 0, 0, 7, 19, NO_TRANSPARENT_COLOR, false, true}, {"frame past the screen's edge", 6, 4, 3, 2, 6, 4},
    };
    for (const GifCase& c : cases) {
        const Bytes gif = MakeGif(c, random);
        ExpectSame(DecodeGif(Text(gif)), ReaderPixels(gif), c.name);
    }
}

}  // namespace
}  // namespace pelmora::nv
