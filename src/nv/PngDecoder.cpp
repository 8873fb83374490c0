// PNG through libpng, every colour type expanded to 8-bit RGBA.
#include <csetjmp>
#include <cstring>
#include <vector>

#include "nv/ImageDecoders.h"
#include "nv/Libpng.h"

namespace pelmora::nv {

namespace {

struct Source {
    const std::string& bytes;
    std::size_t at = 8;  // past the signature, which is checked before libpng sees the stream
    bool rowsMissing = false;
};

void Read(png_structp png, png_bytep out, png_size_t length) {
    const Libpng& lib = Libpng::Loaded();
    auto* source = static_cast<Source*>(lib.png_get_io_ptr(png));
    if (length > source->bytes.size() - source->at) lib.png_error(png, "cut short");
    std::memcpy(out, source->bytes.data() + source->at, length);
    source->at += length;
}

void Fail(png_structp png, png_const_charp) { Libpng::Loaded().png_longjmp(png, 1); }

// libpng only warns when the pixel data ends before the last row and leaves
// the rest black; the printer would then store a picture the file does not
// hold. Other warnings (a colour profile it dislikes, say) change no pixel.
void Warn(png_structp png, png_const_charp message) {
    if (std::strstr(message, "Not enough image data"))
        static_cast<Source*>(Libpng::Loaded().png_get_error_ptr(png))->rowsMissing = true;
}

struct Handles {
    const Libpng& lib = Libpng::Loaded();
    png_structp png = nullptr;
    png_infop info = nullptr;
    explicit Handles(Source& source) {
        png = lib.png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, Fail, Warn);
        if (png) info = lib.png_create_info_struct(png);
    }
    ~Handles() { lib.png_destroy_read_struct(&png, &info, nullptr); }
    Handles(const Handles&) = delete;
    Handles& operator=(const Handles&) = delete;
};

// Everything that may long-jump is here, with nothing on its own frame that
// owns memory: `rgba` and `rows` belong to the caller.
bool ReadRgba(Handles& h, Source& source, std::vector<png_byte>& rgba, std::vector<png_bytep>& rows,
              png_uint_32& width, png_uint_32& height) {
    const Libpng& lib = h.lib;
    // png_jmpbuf, spelled out; null when the loaded library's jmp_buf differs from ours.
    std::jmp_buf* jump = lib.png_set_longjmp_fn(h.png, std::longjmp, sizeof(std::jmp_buf));
    if (!jump) return false;
    if (setjmp(*jump)) return false;
    lib.png_set_read_fn(h.png, &source, Read);
    lib.png_set_sig_bytes(h.png, 8);
    lib.png_read_info(h.png, h.info);
    width = lib.png_get_image_width(h.png, h.info);
    height = lib.png_get_image_height(h.png, h.info);
    if (!DecodableSize(width, height)) return false;
    const int type = lib.png_get_color_type(h.png, h.info);
    lib.png_set_expand(h.png);  // palettes, low grey depths and tRNS to 8-bit channels and alpha
    lib.png_set_scale_16(h.png);
    if (!(type & PNG_COLOR_MASK_COLOR)) lib.png_set_gray_to_rgb(h.png);
    lib.png_set_add_alpha(h.png, 0xFF, PNG_FILLER_AFTER);  // no-op when the file has alpha or tRNS
    lib.png_set_interlace_handling(h.png);
    lib.png_read_update_info(h.png, h.info);
    if (lib.png_get_rowbytes(h.png, h.info) != std::size_t{width} * 4) return false;
    rgba.resize(std::size_t{width} * height * 4);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = rgba.data() + std::size_t{y} * width * 4;
    lib.png_read_image(h.png, rows.data());
    lib.png_read_end(h.png, nullptr);
    return true;
}

}  // namespace

std::string PngLibraryProblem() { return Libpng::Loaded().library.Problem(); }

std::optional<RgbImage> DecodePng(const std::string& bytes) {
    const Libpng& lib = Libpng::Loaded();
    if (!lib.library.Usable() || bytes.size() < 8 ||
        lib.png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) != 0)
        return std::nullopt;
    Source source{bytes};
    Handles h(source);
    if (!h.info) return std::nullopt;
    std::vector<png_byte> rgba;
    std::vector<png_bytep> rows;
    png_uint_32 width = 0, height = 0;
    if (!ReadRgba(h, source, rgba, rows, width, height) || source.rowsMissing) return std::nullopt;
    RgbImage image(width, height);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const png_byte* p = &rgba[i * 4];
        image.pixels[i] = RgbOverWhite(p[0], p[1], p[2], p[3]);
    }
    return image;
}

}  // namespace pelmora::nv
