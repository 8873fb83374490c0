#pragma once
// Image files for tests and benchmarks, written without the code under test.
// The BMP part is header-only so that the benchmarks and fuzz targets can use it.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "nv/RgbImage.h"

namespace pelmora::test {

/// A hand-made BMP file: every depth, RLE and the oldest header.
struct Bmp {
    std::int32_t width, height;          ///< height < 0: rows top-down
    std::uint16_t bits;
    std::uint32_t compression;           ///< 0 none, 1 RLE8, 2 RLE4, 3 bit fields
    std::vector<std::uint32_t> palette;  ///< 0x00RRGGBB
    std::vector<std::uint8_t> pixels;    ///< as stored: rows padded, bottom-up unless height < 0
    std::uint32_t header = 40;           ///< 12: the oldest header, 16-bit sizes, no compression

    std::vector<std::uint8_t> File() const {
        std::vector<std::uint8_t> out{'B', 'M'};
        auto put = [&out](std::uint32_t v, int bytes) {
            for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        };
        const bool core = header == 12;
        const int entry = core ? 3 : 4;
        const auto headers = static_cast<std::uint32_t>(14 + header + palette.size() * entry);
        const auto size = static_cast<std::uint32_t>(pixels.size());
        for (std::uint32_t v : {headers + size, 0u, headers}) put(v, 4);
        if (core) {
            put(12, 4);
            for (std::uint32_t v : {static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), 1u, std::uint32_t{bits}})
                put(v, 2);
        } else {
            for (std::uint32_t v : {header, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height),
                                    1u | std::uint32_t{bits} << 16,  // one plane
                                    compression, size, 2835u, 2835u, static_cast<std::uint32_t>(palette.size()), 0u})
                put(v, 4);
            out.resize(out.size() + header - 40, 0);  // the later headers' fields, all zero
        }
        for (std::uint32_t c : palette) put(c, entry);  // blue, green, red (, 0)
        out.insert(out.end(), pixels.begin(), pixels.end());
        return out;
    }
};

/// A 24-bit bottom-up BMP of `image`, as image editors save one.
inline std::vector<std::uint8_t> Bmp24(const nv::RgbImage& image) {
    const std::size_t row = (std::size_t{image.width} * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> pixels(row * image.height, 0);
    for (std::uint32_t y = 0; y < image.height; ++y)
        for (std::uint32_t x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.at(x, image.height - 1 - y);
            std::uint8_t* out = &pixels[y * row + x * 3];
            out[0] = static_cast<std::uint8_t>(p);
            out[1] = static_cast<std::uint8_t>(p >> 8);
            out[2] = static_cast<std::uint8_t>(p >> 16);
        }
    return Bmp{static_cast<std::int32_t>(image.width), static_cast<std::int32_t>(image.height), 24, 0, {}, pixels}.File();
}

/// Writes `bytes` to `path`; the path back.
inline std::string WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

/// An 8-bit RGBA PNG; `rgba` holds 0xAARRGGBB pixels row by row.
std::vector<std::uint8_t> PngRgba(std::uint32_t width, std::uint32_t height, const std::vector<std::uint32_t>& argb);

/// A baseline JPEG of `image` at `quality` (1 to 100), one grey channel when `grey`.
std::vector<std::uint8_t> Jpeg(const nv::RgbImage& image, int quality, bool grey = false);

}  // namespace pelmora::test
