#pragma once
// libpng for PngDecoder and PngEncoder, opened by the first PNG read or
// written: the printer commands, `--version` and the simulator never load it,
// nor the zlib behind it.
#include <png.h>

#include "link/SharedLibrary.h"

namespace pelmora::nv {

// png_jmpbuf is a macro over png_set_longjmp_fn; callers spell it out.
#define PELMORA_PNG_FUNCTIONS(X) \
    X(png_sig_cmp) X(png_create_read_struct) X(png_create_write_struct) X(png_create_info_struct) \
    X(png_destroy_read_struct) X(png_destroy_write_struct) X(png_set_longjmp_fn) X(png_longjmp) X(png_error) \
    X(png_get_io_ptr) X(png_get_error_ptr) X(png_set_read_fn) X(png_set_write_fn) X(png_set_sig_bytes) \
    X(png_read_info) X(png_get_image_width) X(png_get_image_height) X(png_get_color_type) X(png_set_expand) \
    X(png_set_scale_16) X(png_set_gray_to_rgb) X(png_set_add_alpha) X(png_set_interlace_handling) \
    X(png_read_update_info) X(png_get_rowbytes) X(png_read_image) X(png_read_end) X(png_set_IHDR) \
    X(png_set_PLTE) X(png_set_rows) X(png_write_png)

// The library must be the one the header describes.
static_assert(PNG_LIBPNG_VER_SONUM == 16);
PELMORA_LIBRARY_FUNCTIONS(Libpng, "libpng16.so.16", "libpng16-16", PELMORA_PNG_FUNCTIONS);

}  // namespace pelmora::nv
