// PNG, JPEG and GIF through the Windows Imaging Component, which every Windows
// has. WIC decodes what it can of a damaged file where libpng, libjpeg and
// giflib refuse it, and allocates whatever a header promises; so each file's
// own structure is walked first, and the same files as on Linux are refused.
#include <windows.h>
#include <wincodec.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "nv/ExifOrientation.h"
#include "nv/ImageDecoders.h"
#include "nv/PngEncoder.h"

namespace pelmora::nv {

namespace {

using Bytes = std::string_view;

// As libjpeg is told on Linux: a few hundred bytes of scans can keep a decoder busy for minutes.
constexpr int kMaxScans = 1000;
constexpr std::uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF;
// A GIF screen over ten times its frame and over this many pixels a side is a broken header.
constexpr int kBelievableScreen = 16384;

template <class T>
struct Com {
    T* p = nullptr;
    Com() = default;
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    ~Com() {
        if (p) p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

// COM once per thread, for as long as the thread runs; a thread whose owner
// chose another apartment keeps it, and WIC works in either.
struct ComThread {
    HRESULT started = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    ~ComThread() {
        if (SUCCEEDED(started)) ::CoUninitialize();
    }
};

bool MakeFactory(Com<IWICImagingFactory>& factory) {
    thread_local ComThread com;
    return SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_PPV_ARGS(&factory)));
}

std::uint32_t Byte(Bytes b, std::size_t at) { return static_cast<std::uint8_t>(b[at]); }
std::uint32_t Big16(Bytes b, std::size_t at) { return Byte(b, at) << 8 | Byte(b, at + 1); }
std::uint32_t Big32(Bytes b, std::size_t at) { return Big16(b, at) << 16 | Big16(b, at + 2); }
int Little16(Bytes b, std::size_t at) { return static_cast<int>(Byte(b, at) | Byte(b, at + 1) << 8); }

/// The first frame of `bytes`, decoded by WIC's decoder for `container`.
struct Frame {
    Com<IWICImagingFactory> factory;
    Com<IWICStream> stream;
    Com<IWICBitmapDecoder> decoder;
    Com<IWICBitmapFrameDecode> frame;
    UINT width = 0, height = 0;
    WICPixelFormatGUID format{};

    bool Open(Bytes bytes, const GUID& container) {
        auto* data = reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data()));
        return MakeFactory(factory) && SUCCEEDED(factory->CreateStream(&stream)) &&
               SUCCEEDED(stream->InitializeFromMemory(data, static_cast<DWORD>(bytes.size()))) &&
               SUCCEEDED(factory->CreateDecoder(container, nullptr, &decoder)) &&
               SUCCEEDED(decoder->Initialize(stream.p, WICDecodeMetadataCacheOnDemand)) &&
               SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&width, &height)) &&
               SUCCEEDED(frame->GetPixelFormat(&format));
    }

    /// The pixels in `to` (the frame's own format when it is that already),
    /// `bytesPerPixel` each, rows unpadded.
    bool Pixels(const WICPixelFormatGUID& to, UINT bytesPerPixel, std::vector<BYTE>& out) const {
        Com<IWICBitmapSource> converted;
        IWICBitmapSource* source = frame.p;
        if (!IsEqualGUID(format, to)) {
            if (FAILED(::WICConvertBitmapSource(to, frame.p, &converted))) return false;
            source = converted.p;
        }
        const UINT stride = width * bytesPerPixel;
        out.resize(std::size_t{stride} * height);
        return SUCCEEDED(source->CopyPixels(nullptr, stride, static_cast<UINT>(out.size()), out.data()));
    }
};

// libpng's rounding of a 16-bit channel to 8 bits.
std::uint8_t Scale16(const BYTE* p) { return static_cast<std::uint8_t>(((p[0] | p[1] << 8) * 255u + 32767u) / 65535u); }

// ---- PNG ------------------------------------------------------------------

// The header first, then every chunk whole up to IEND: libpng stops at a
// chunk cut short or a missing end, WIC does not.
bool PngWhole(Bytes b, std::uint32_t& width, std::uint32_t& height) {
    if (b.size() < 33 || Big32(b, 8) != 13 || b.substr(12, 4) != "IHDR") return false;
    width = Big32(b, 16);
    height = Big32(b, 20);
    for (std::size_t at = 8; b.size() - at >= 12;) {
        const std::uint32_t length = Big32(b, at);
        if (length > b.size() - at - 12) return false;
        if (b.substr(at + 4, 4) == "IEND") return true;
        at += 12 + std::size_t{length};
    }
    return false;
}

}  // namespace

std::optional<RgbImage> DecodePng(const std::string& bytes) {
    std::uint32_t width = 0, height = 0;
    if (!bytes.starts_with("\x89PNG\r\n\x1a\n") || !PngWhole(bytes, width, height) || !DecodableSize(width, height))
        return std::nullopt;
    Frame f;
    if (!f.Open(bytes, GUID_ContainerFormatPng) || f.width != width || f.height != height) return std::nullopt;
    // 16-bit channels are taken as they are and rounded as libpng rounds them;
    // WIC's own conversion drops the low byte.
    const bool grey16 = IsEqualGUID(f.format, GUID_WICPixelFormat16bppGray);
    const bool rgb48 = IsEqualGUID(f.format, GUID_WICPixelFormat48bppRGB);
    const bool rgba64 = IsEqualGUID(f.format, GUID_WICPixelFormat64bppRGBA);
    const UINT size = grey16 ? 2 : rgb48 ? 6 : rgba64 ? 8 : 4;
    std::vector<BYTE> px;
    if (!f.Pixels(size == 4 ? GUID_WICPixelFormat32bppBGRA : f.format, size, px)) return std::nullopt;
    RgbImage image(width, height);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const BYTE* p = &px[i * size];
        if (size == 4) image.pixels[i] = RgbOverWhite(p[2], p[1], p[0], p[3]);
        else if (grey16) image.pixels[i] = Rgb(Scale16(p), Scale16(p), Scale16(p));
        else image.pixels[i] = RgbOverWhite(Scale16(p), Scale16(p + 2), Scale16(p + 4), rgba64 ? Scale16(p + 6) : 255);
    }
    return image;
}

// ---- JPEG -----------------------------------------------------------------

namespace {

struct JpegLayout {
    std::uint32_t width = 0, height = 0;
    Bytes app1;  ///< the first APP1 segment's data, where EXIF lives
    bool adobe = false;
};

bool IsFrameStart(std::uint32_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Segment by segment to the end-of-image marker, which a file cut short lacks
// (libjpeg refuses one; WIC pads it with grey), counting the scans.
bool ReadJpegLayout(Bytes b, JpegLayout& out) {
    int scans = 0;
    for (std::size_t at = 2; at + 1 < b.size();) {
        const std::uint32_t marker = Byte(b, at + 1);
        if (Byte(b, at) != 0xFF || marker == 0xFF || marker == 0) {  // libjpeg passes over stray and fill bytes
            ++at;
            continue;
        }
        if (marker == 0xD9) return scans > 0 && out.width > 0;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        if (b.size() - at < 4) return false;
        const std::size_t length = Big16(b, at + 2);
        if (length < 2 || length > b.size() - at - 2) return false;
        const Bytes data = b.substr(at + 4, length - 2);
        if (marker == 0xE1 && out.app1.empty() && scans == 0) out.app1 = data;
        if (marker == 0xEE && data.starts_with("Adobe")) out.adobe = true;
        if (IsFrameStart(marker) && out.width == 0 && data.size() >= 5) {
            out.height = Big16(data, 1);
            out.width = Big16(data, 3);
        }
        at += 2 + length;
        if (marker != 0xDA) continue;
        if (++scans > kMaxScans) return false;
        // Entropy-coded data: 0xFF is followed by a stuffed zero or a restart
        // marker there; anything else starts the next segment.
        while (at + 1 < b.size() && !(Byte(b, at) == 0xFF && Byte(b, at + 1) != 0 &&
                                      (Byte(b, at + 1) < 0xD0 || Byte(b, at + 1) > 0xD7)))
            ++at;
    }
    return false;
}

}  // namespace

std::optional<RgbImage> DecodeJpeg(const std::string& bytes) {
    JpegLayout layout;
    if (!bytes.starts_with("\xFF\xD8") || !ReadJpegLayout(bytes, layout) || !DecodableSize(layout.width, layout.height))
        return std::nullopt;
    Frame f;
    if (!f.Open(bytes, GUID_ContainerFormatJpeg) || f.width != layout.width || f.height != layout.height)
        return std::nullopt;
    // WIC gives CMYK as ink; Linux takes the (Adobe) file's inverted samples
    // as the ink's absence and scales colour by black the same way.
    const bool cmyk = IsEqualGUID(f.format, GUID_WICPixelFormat32bppCMYK);
    std::vector<BYTE> px;
    if (!f.Pixels(cmyk ? GUID_WICPixelFormat32bppCMYK : GUID_WICPixelFormat32bppBGRA, 4, px)) return std::nullopt;
    RgbImage image(f.width, f.height);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const BYTE* p = &px[i * 4];
        if (!cmyk) {
            image.pixels[i] = Rgb(p[2], p[1], p[0]);
            continue;
        }
        const auto absent = [&](BYTE ink) { return static_cast<std::uint8_t>(layout.adobe ? 255 - ink : ink); };
        const auto channel = [&](BYTE ink) { return static_cast<std::uint8_t>(absent(ink) * absent(p[3]) / 255); };
        image.pixels[i] = Rgb(channel(p[0]), channel(p[1]), channel(p[2]));
    }
    const int orientation = ExifOrientation(layout.app1);
    return orientation == 1 ? image : Oriented(image, orientation);
}

// ---- GIF ------------------------------------------------------------------

namespace {

struct GifLayout {
    Bytes screen;  ///< the header, the screen descriptor and its colours
    Bytes frame;   ///< the first frame's descriptor, colours and data
    int screenWidth = 0, screenHeight = 0;
    std::uint32_t background = 0;
    Bytes screenColours, frameColours;  ///< 3 bytes an entry; empty when the file has none
    int transparent = -1;
    int left = 0, top = 0, width = 0, height = 0;
};

// A colour table after a descriptor whose flags byte is at `flags`.
bool TakeColours(Bytes b, std::size_t flags, std::size_t& at, Bytes& colours) {
    if (!(Byte(b, flags) & 0x80)) return true;
    const std::size_t size = 3u << ((Byte(b, flags) & 7) + 1);
    if (size > b.size() - at) return false;
    colours = b.substr(at, size);
    at += size;
    return true;
}

// Data sub-blocks up to their terminator, which a file cut short lacks.
bool SkipBlocks(Bytes b, std::size_t& at) {
    while (at < b.size()) {
        const std::size_t size = Byte(b, at);
        if (size == 0) return ++at, true;
        if (size >= b.size() - at) return false;
        at += 1 + size;
    }
    return false;
}

// The logical screen, the records before the first frame (for the
// transparent index of the last graphic control block) and that frame, whose
// pixel data must be whole.
bool ReadGifLayout(Bytes b, GifLayout& out) {
    if (b.size() < 13) return false;
    out.screenWidth = Little16(b, 6);
    out.screenHeight = Little16(b, 8);
    out.background = Byte(b, 11);
    std::size_t at = 13;
    if (!TakeColours(b, 10, at, out.screenColours)) return false;
    out.screen = b.substr(0, at);
    while (at < b.size()) {
        const std::uint32_t record = Byte(b, at);
        if (record == 0x2C) {
            if (b.size() - at < 10) return false;
            const std::size_t start = at;
            out.left = Little16(b, at + 1);
            out.top = Little16(b, at + 3);
            out.width = Little16(b, at + 5);
            out.height = Little16(b, at + 7);
            const std::size_t flags = at + 9;
            at += 10;
            if (!TakeColours(b, flags, at, out.frameColours) || at >= b.size() || !SkipBlocks(b, ++at)) return false;
            out.frame = b.substr(start, at - start);
            return true;
        }
        if (record != 0x21 || b.size() - at < 2) return false;  // the end, before any frame
        const bool control = Byte(b, at + 1) == 0xF9;
        at += 2;
        if (control && at < b.size() && Byte(b, at) == 4 && b.size() - at >= 5)
            out.transparent = Byte(b, at + 1) & 1 ? static_cast<int>(Byte(b, at + 4)) : -1;
        if (!SkipBlocks(b, at)) return false;
    }
    return false;
}

int ScreenSide(int screen, int offset, int frame) {
    if (screen / 10 > std::max(frame, kBelievableScreen) || screen <= 0) return offset + frame;
    return screen;
}

std::uint32_t Entry(Bytes colours, std::uint32_t index) {
    return Rgb(static_cast<std::uint8_t>(colours[index * 3]), static_cast<std::uint8_t>(colours[index * 3 + 1]),
               static_cast<std::uint8_t>(colours[index * 3 + 2]));
}

}  // namespace

// WIC only unpacks the frame's indices, from a file of the screen and that
// frame alone (it refuses a file whose later records it cannot read, where
// giflib stops after the first frame); the screen, the colours and the
// transparency are read here, as giflib gives them on Linux.
std::optional<RgbImage> DecodeGif(const std::string& bytes) {
    GifLayout g;
    if (!(bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) || !ReadGifLayout(bytes, g)) return std::nullopt;
    const int width = ScreenSide(g.screenWidth, g.left, g.width);
    const int height = ScreenSide(g.screenHeight, g.top, g.height);
    const auto side = [](int n) { return static_cast<std::uint64_t>(std::max(n, 0)); };
    if (!DecodableSize(side(width), side(height)) || !DecodableSize(side(g.width), side(g.height)))
        return std::nullopt;
    const std::string alone = std::string(g.screen) + std::string(g.frame) + ';';
    Frame f;
    std::vector<BYTE> indices;
    if (!f.Open(alone, GUID_ContainerFormatGif) || f.width != static_cast<UINT>(g.width) ||
        f.height != static_cast<UINT>(g.height) || !IsEqualGUID(f.format, GUID_WICPixelFormat8bppIndexed) ||
        !f.Pixels(GUID_WICPixelFormat8bppIndexed, 1, indices))
        return std::nullopt;

    const Bytes map = g.frameColours.empty() ? g.screenColours : g.frameColours;
    const bool clear = g.transparent >= 0;
    std::uint32_t outside = clear ? kWhite : kBlack;
    const bool covers = g.left == 0 && g.top == 0 && g.width >= width && g.height >= height;
    if (!clear && !covers && g.background < g.screenColours.size() / 3) outside = Entry(g.screenColours, g.background);
    const auto colour = [&](std::uint32_t index) -> std::uint32_t {
        if (static_cast<int>(index) == g.transparent) return kWhite;
        if (map.empty()) return clear ? kWhite : kBlack;
        if (index >= map.size() / 3) return kWhite;
        return Entry(map, index);
    };
    RgbImage image(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), outside);
    for (int y = 0; y < g.height && g.top + y < height; ++y)
        for (int x = 0; x < g.width && g.left + x < width; ++x)
            image.at(static_cast<std::uint32_t>(g.left + x), static_cast<std::uint32_t>(g.top + y)) =
                colour(indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(g.width) + static_cast<std::size_t>(x)]);
    return image;
}

// The codecs come with Windows: never missing.
std::string PngLibraryProblem() { return {}; }
std::string JpegLibraryProblem() { return {}; }
std::string GifLibraryProblem() { return {}; }

// ---- the preview's PNG ----------------------------------------------------

std::string EncodeRasterPng(const Raster& raster) {
    Com<IWICImagingFactory> factory;
    Com<IStream> stream;
    Com<IWICBitmapEncoder> encoder;
    Com<IWICBitmapFrameEncode> frame;
    Com<IPropertyBag2> options;
    Com<IWICPalette> palette;
    // Index 0 paper, 1 a dot: the raster's bits go in as they are.
    WICColor colours[] = {0xFFFFFFFF, 0xFF000000};
    WICPixelFormatGUID format = GUID_WICPixelFormat1bppIndexed;
    const UINT stride = (raster.width + 7u) / 8u;
    auto* pixels = const_cast<BYTE*>(raster.bytes.data());
    if (!MakeFactory(factory) || FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, &stream)) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) ||
        FAILED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(&frame, &options)) || FAILED(frame->Initialize(options.p)) ||
        FAILED(frame->SetSize(raster.width, raster.height)) || FAILED(frame->SetPixelFormat(&format)) ||
        !IsEqualGUID(format, GUID_WICPixelFormat1bppIndexed) || FAILED(factory->CreatePalette(&palette)) ||
        FAILED(palette->InitializeCustom(colours, 2)) || FAILED(frame->SetPalette(palette.p)) ||
        FAILED(frame->WritePixels(raster.height, stride, stride * raster.height, pixels)) ||
        FAILED(frame->Commit()) || FAILED(encoder->Commit()))
        return {};
    STATSTG stat{};
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME)) || FAILED(stream->Seek({}, STREAM_SEEK_SET, nullptr)))
        return {};
    std::string png(static_cast<std::size_t>(stat.cbSize.QuadPart), '\0');
    ULONG read = 0;
    if (FAILED(stream->Read(png.data(), static_cast<ULONG>(png.size()), &read)) || read != png.size()) return {};
    return png;
}

}  // namespace pelmora::nv
