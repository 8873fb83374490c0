// The raster preview's PNG through libpng.
#include "nv/PngEncoder.h"

#include <csetjmp>
#include <vector>

#include "nv/Libpng.h"

namespace pelmora::nv {

namespace {

void Append(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(Libpng::Loaded().png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}
void Flush(png_structp) {}
void Fail(png_structp png, png_const_charp) { Libpng::Loaded().png_longjmp(png, 1); }
void Quiet(png_structp, png_const_charp) {}

// Everything that may long-jump is here; `rows` and `out` belong to the caller.
bool Encode(const Libpng& lib, png_structp png, png_infop info, const Raster& raster, std::vector<png_bytep>& rows,
            std::string& out) {
    std::jmp_buf* jump = lib.png_set_longjmp_fn(png, std::longjmp, sizeof(std::jmp_buf));  // png_jmpbuf
    if (!jump) return false;
    if (setjmp(*jump)) return false;
    lib.png_set_write_fn(png, &out, Append, Flush);
    // Index 0 paper, 1 a dot: the raster's bits go in as they are.
    lib.png_set_IHDR(png, info, raster.width, raster.height, 1, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color palette[2] = {{255, 255, 255}, {0, 0, 0}};
    lib.png_set_PLTE(png, info, palette, 2);
    lib.png_set_rows(png, info, rows.data());
    lib.png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    return true;
}

}  // namespace

std::string EncodeRasterPng(const Raster& raster) {
    const Libpng& lib = Libpng::Loaded();
    if (!lib.library.Usable()) return {};
    const std::size_t rowBytes = (raster.width + 7u) / 8u;
    png_structp png = lib.png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Quiet);
    png_infop info = png ? lib.png_create_info_struct(png) : nullptr;
    std::vector<png_bytep> rows(raster.height);
    for (std::size_t y = 0; y < rows.size(); ++y) rows[y] = const_cast<png_bytep>(raster.bytes.data() + y * rowBytes);
    std::string out;
    const bool ok = info && Encode(lib, png, info, raster, rows, out);
    lib.png_destroy_write_struct(&png, &info);
    return ok ? out : std::string();
}

}  // namespace pelmora::nv
