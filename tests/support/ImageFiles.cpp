#include "support/ImageFiles.h"

#include <cstdio>
#include <jpeglib.h>
#include <png.h>
#include <stdexcept>

namespace pelmora::test {

namespace {

void Append(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}
void Flush(png_structp) {}

}  // namespace

std::vector<std::uint8_t> PngRgba(std::uint32_t width, std::uint32_t height, const std::vector<std::uint32_t>& argb) {
    std::vector<std::uint8_t> rgba;
    for (const std::uint32_t p : argb)
        for (const int shift : {16, 8, 0, 24}) rgba.push_back(static_cast<std::uint8_t>(p >> shift));
    std::vector<png_bytep> rows(height);
    for (std::uint32_t y = 0; y < height; ++y) rows[y] = rgba.data() + std::size_t{y} * width * 4;
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) throw std::runtime_error("PNG writer failed");
    png_set_write_fn(png, &out, Append, Flush);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<std::uint8_t> Jpeg(const nv::RgbImage& image, int quality, bool grey) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);  // exits on error: fine for a test's own fixtures
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = image.width;
    cinfo.image_height = image.height;
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(std::size_t{image.width} * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        for (std::uint32_t x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.at(x, cinfo.next_scanline);
            if (grey) row[x] = static_cast<JSAMPLE>(p & 0xFF);
            else for (int c = 0; c < 3; ++c) row[x * 3 + c] = static_cast<JSAMPLE>(p >> (16 - 8 * c));
        }
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&cinfo, &line, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

}  // namespace pelmora::test
