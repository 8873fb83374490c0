#pragma once
// Hand-made BMP files for the loader tests: palette depths and RLE, which
// QImage::save does not write.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace pelmora::nv::test {

struct BmpLayout {
    std::int32_t width = 0;
    std::int32_t height = 0;  ///< negative: rows top-down
    std::uint16_t bitsPerPixel = 8;
    std::uint32_t compression = 0;  ///< 0 none, 1 RLE8, 2 RLE4
    std::vector<std::uint32_t> palette;  ///< 0x00RRGGBB
    std::vector<std::uint8_t> pixelData;  ///< exactly as stored (rows padded, bottom-up unless height < 0)
};

inline void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

inline std::vector<std::uint8_t> BmpBytes(const BmpLayout& layout) {
    const std::uint32_t headers = 14 + 40 + static_cast<std::uint32_t>(layout.palette.size()) * 4;
    std::vector<std::uint8_t> out{'B', 'M'};
    Put32(out, headers + static_cast<std::uint32_t>(layout.pixelData.size()));
    Put32(out, 0);
    Put32(out, headers);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(layout.width));
    Put32(out, static_cast<std::uint32_t>(layout.height));
    Put16(out, 1);
    Put16(out, layout.bitsPerPixel);
    Put32(out, layout.compression);
    Put32(out, static_cast<std::uint32_t>(layout.pixelData.size()));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, static_cast<std::uint32_t>(layout.palette.size()));
    Put32(out, 0);
    for (std::uint32_t c : layout.palette) {
        out.push_back(static_cast<std::uint8_t>(c));        // blue
        out.push_back(static_cast<std::uint8_t>(c >> 8));   // green
        out.push_back(static_cast<std::uint8_t>(c >> 16));  // red
        out.push_back(0);
    }
    out.insert(out.end(), layout.pixelData.begin(), layout.pixelData.end());
    return out;
}

inline void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace pelmora::nv::test
