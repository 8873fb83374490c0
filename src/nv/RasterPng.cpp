#include "nv/RasterPng.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <png.h>

#include <csetjmp>
#include <vector>

#include "context/RegFileIo.h"
#include "link/LocalFile.h"

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

std::string RasterPngBytes(const Raster& raster) {
    const std::size_t rowBytes = (raster.width + 7u) / 8u;
    if (raster.width == 0 || raster.height == 0 || raster.bytes.size() < rowBytes * raster.height) return {};
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Quiet);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<png_bytep> rows(raster.height);
    for (std::size_t y = 0; y < rows.size(); ++y) rows[y] = const_cast<png_bytep>(raster.bytes.data() + y * rowBytes);
    std::string out;
    const bool ok = info && Encode(png, info, raster, rows, out);
    png_destroy_write_struct(&png, &info);
    return ok ? out : std::string();
}

bool WriteRasterPng(const Raster& raster, const std::string& path, std::string& error) {
    const std::string png = RasterPngBytes(raster);
    if (png.empty()) {
        error = "no raster to write to " + path;
        return false;
    }
    // The rename below would put a regular file in place of a device or a FIFO.
    std::string why = link::OutputProblem(path);
    if (why.empty()) {
        std::error_code ignored;
        const std::filesystem::path target = std::filesystem::weakly_canonical(path, ignored);
        why = context::ReplaceFile(target.empty() ? std::filesystem::path(path) : target, png);
    }
    if (why.empty()) return true;
    error = "cannot write " + path + ": " + why;
    return false;
}

}  // namespace pelmora::nv
