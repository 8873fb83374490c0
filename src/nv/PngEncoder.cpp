// The raster preview's PNG through libpng.
#include "nv/PngEncoder.h"

#include <png.h>

#include <csetjmp>
#include <vector>

namespace pelmora::nv {

namespace {

void Append(png_structp png, png_bytep data, png_size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}
void Flush(png_structp) {}
[[noreturn]] void Fail(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void Quiet(png_structp, png_const_charp) {}

// Everything that may long-jump is here; `rows` and `out` belong to the caller.
bool Encode(png_structp png, png_infop info, const Raster& raster, std::vector<png_bytep>& rows, std::string& out) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &out, Append, Flush);
    // Index 0 paper, 1 a dot: the raster's bits go in as they are.
    png_set_IHDR(png, info, raster.width, raster.height, 1, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color palette[2] = {{255, 255, 255}, {0, 0, 0}};
    png_set_PLTE(png, info, palette, 2);
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    return true;
}

}  // namespace

std::string EncodeRasterPng(const Raster& raster) {
    const std::size_t rowBytes = (raster.width + 7u) / 8u;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Quiet);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<png_bytep> rows(raster.height);
    for (std::size_t y = 0; y < rows.size(); ++y) rows[y] = const_cast<png_bytep>(raster.bytes.data() + y * rowBytes);
    std::string out;
    const bool ok = info && Encode(png, info, raster, rows, out);
    png_destroy_write_struct(&png, &info);
    return ok ? out : std::string();
}

}  // namespace pelmora::nv
