// GIF through giflib: the first frame only, laid on the file's logical screen.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "link/SharedLibrary.h"
#include "nv/ImageDecoders.h"

namespace pelmora::nv {

namespace {

// Opened by the first GIF read, so no other run loads it.
#define PELMORA_GIF_FUNCTIONS(X) \
    X(DGifOpen) X(DGifCloseFile) X(DGifGetRecordType) X(DGifGetImageDesc) X(DGifGetExtension) \
    X(DGifGetExtensionNext) X(DGifExtensionToGCB) X(DGifGetLine)

// giflib 5.1 and later are soname 7; 5.0 had these functions with other arguments.
static_assert(GIFLIB_MAJOR == 5 && GIFLIB_MINOR >= 1);
PELMORA_LIBRARY_FUNCTIONS(Giflib, "libgif.so.7", "libgif7", PELMORA_GIF_FUNCTIONS);

constexpr std::uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF;
// A screen over ten times its frame and over this many pixels a side is taken
// for a broken header, and the frame's own extent used instead.
constexpr int kBelievableScreen = 16384;

struct Source {
    const std::string& bytes;
    std::size_t at = 0;
};

int Read(GifFileType* gif, GifByteType* out, int length) {
    auto* source = static_cast<Source*>(gif->UserData);
    const std::size_t n = std::min(static_cast<std::size_t>(std::max(length, 0)), source->bytes.size() - source->at);
    std::memcpy(out, source->bytes.data() + source->at, n);
    source->at += n;
    return static_cast<int>(n);
}

struct Closer {
    void operator()(GifFileType* gif) const { Giflib::Loaded().DGifCloseFile(gif, nullptr); }
};
using Gif = std::unique_ptr<GifFileType, Closer>;

// Reads records up to the first frame's descriptor; the transparent index of
// the last graphic control block before it, if any.
bool ReachFirstFrame(const Giflib& lib, GifFileType* gif, int& transparent) {
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (lib.DGifGetRecordType(gif, &record) != GIF_OK) return false;
        if (record == IMAGE_DESC_RECORD_TYPE) return lib.DGifGetImageDesc(gif) == GIF_OK;
        if (record != EXTENSION_RECORD_TYPE) return false;  // the end, before any frame
        int code = 0;
        GifByteType* block = nullptr;
        if (lib.DGifGetExtension(gif, &code, &block) != GIF_OK) return false;
        GraphicsControlBlock control{};
        if (code == GRAPHICS_EXT_FUNC_CODE && block && lib.DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
            transparent = control.TransparentColor;
        while (block)
            if (lib.DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
    }
}

int ScreenSide(int screen, int offset, int frame) {
    if (screen / 10 > std::max(frame, kBelievableScreen) || screen <= 0) return offset + frame;
    return screen;
}

// Interlaced frames store rows 0, 8, 16..., then 4, 12..., then 2, 6..., then the odd ones.
std::vector<int> RowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    if (!interlaced) {
        for (int y = 0; y < height; ++y) rows.push_back(y);
        return rows;
    }
    for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
        for (int y = start; y < height; y += step) rows.push_back(y);
    return rows;
}

}  // namespace

std::string GifLibraryProblem() { return Giflib::Loaded().library.Problem(); }

std::optional<RgbImage> DecodeGif(const std::string& bytes) {
    const Giflib& lib = Giflib::Loaded();
    if (!lib.library.Usable()) return std::nullopt;
    Source source{bytes};
    int error = 0;
    Gif gif(lib.DGifOpen(&source, Read, &error));
    int transparent = NO_TRANSPARENT_COLOR;
    if (!gif || !ReachFirstFrame(lib, gif.get(), transparent)) return std::nullopt;
    const GifImageDesc& frame = gif->Image;
    const int width = ScreenSide(gif->SWidth, frame.Left, frame.Width);
    const int height = ScreenSide(gif->SHeight, frame.Top, frame.Height);
    // The frame is decoded whole even where it leaves the screen, so it is bounded too.
    const auto side = [](int n) { return static_cast<std::uint64_t>(std::max(n, 0)); };
    if (!DecodableSize(side(width), side(height)) || !DecodableSize(side(frame.Width), side(frame.Height)))
        return std::nullopt;
    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    const bool clear = transparent != NO_TRANSPARENT_COLOR;
    // What lies outside the frame: paper under a transparent file, else the
    // screen's background colour, else black.
    std::uint32_t outside = clear ? kWhite : kBlack;
    const bool covers = frame.Left == 0 && frame.Top == 0 && frame.Width >= width && frame.Height >= height;
    if (!clear && !covers && gif->SColorMap && gif->SBackGroundColor < gif->SColorMap->ColorCount) {
        const GifColorType c = gif->SColorMap->Colors[gif->SBackGroundColor];
        outside = Rgb(c.Red, c.Green, c.Blue);
    }
    auto colour = [&](GifPixelType index) -> std::uint32_t {
        if (index == transparent) return kWhite;
        if (!map) return clear ? kWhite : kBlack;
        if (index >= map->ColorCount) return kWhite;
        const GifColorType c = map->Colors[index];
        return Rgb(c.Red, c.Green, c.Blue);
    };

    RgbImage image(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), outside);
    std::vector<GifPixelType> line(static_cast<std::size_t>(std::max(frame.Width, 1)));
    for (const int row : RowOrder(frame.Height, frame.Interlace)) {
        if (lib.DGifGetLine(gif.get(), line.data(), frame.Width) != GIF_OK) return std::nullopt;
        const int y = frame.Top + row;
        if (y >= height) continue;
        for (int x = 0; x < frame.Width && frame.Left + x < width; ++x)
            image.at(static_cast<std::uint32_t>(frame.Left + x), static_cast<std::uint32_t>(y)) = colour(line[static_cast<std::size_t>(x)]);
    }
    return image;
}

}  // namespace pelmora::nv
