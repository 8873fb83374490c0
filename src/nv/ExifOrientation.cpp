// A camera stores a photo as the sensor saw it and says in EXIF how to turn it.
#include "nv/ExifOrientation.h"

namespace pelmora::nv {

namespace {

constexpr std::string_view kExifMark{"Exif\0\0", 6};
constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;
constexpr std::size_t kEntryBytes = 12;

struct Tiff {
    std::string_view bytes;
    bool bigEndian = false;

    bool Has(std::size_t at, std::size_t n) const { return at <= bytes.size() && n <= bytes.size() - at; }
    std::uint32_t Read(std::size_t at, int n) const {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) {
            const auto byte = static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(bigEndian ? i : n - 1 - i)]);
            v = v << 8 | byte;
        }
        return v;
    }
};

}  // namespace

int ExifOrientation(std::string_view app1) {
    if (app1.substr(0, kExifMark.size()) != kExifMark) return 1;
    Tiff tiff{app1.substr(kExifMark.size())};
    if (!tiff.Has(0, 8)) return 1;
    if (tiff.bytes.substr(0, 2) == "MM") tiff.bigEndian = true;
    else if (tiff.bytes.substr(0, 2) != "II") return 1;
    const std::size_t ifd = tiff.Read(4, 4);
    if (!tiff.Has(ifd, 2)) return 1;
    const std::uint32_t entries = tiff.Read(ifd, 2);
    for (std::uint32_t i = 0; i < entries; ++i) {
        const std::size_t at = ifd + 2 + i * kEntryBytes;
        if (!tiff.Has(at, kEntryBytes)) return 1;
        if (tiff.Read(at, 2) != kOrientationTag) continue;
        const std::uint32_t value = tiff.Read(at + 8, 2);
        return tiff.Read(at + 2, 2) == kShortType && value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
    }
    return 1;
}

RgbImage Oriented(const RgbImage& image, int orientation) {
    if (orientation < 2 || orientation > 8) return image;
    const std::uint32_t w = image.width, h = image.height;
    const bool swap = orientation >= 5;
    RgbImage out(swap ? h : w, swap ? w : h);
    for (std::uint32_t y = 0; y < out.height; ++y)
        for (std::uint32_t x = 0; x < out.width; ++x) {
            std::uint32_t sx = x, sy = y;
            switch (orientation) {
            case 2: sx = w - 1 - x; break;                       // mirrored
            case 3: sx = w - 1 - x; sy = h - 1 - y; break;       // upside down
            case 4: sy = h - 1 - y; break;                       // mirrored upside down
            case 5: sx = y; sy = x; break;                       // mirrored, on its left side
            case 6: sx = y; sy = h - 1 - x; break;               // on its left side
            case 7: sx = w - 1 - y; sy = h - 1 - x; break;       // mirrored, on its right side
            default: sx = w - 1 - y; sy = x; break;              // on its right side
            }
            out.at(x, y) = image.at(sx, sy);
        }
    return out;
}

}  // namespace pelmora::nv
