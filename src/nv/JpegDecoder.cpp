// JPEG through libjpeg(-turbo), to RGB, turned as the EXIF block says.
#include <cstdio>  // jpeglib.h needs FILE declared first
#include <jpeglib.h>
#include <jerror.h>

#include <csetjmp>
#include <vector>

#include "link/SharedLibrary.h"
#include "nv/ExifOrientation.h"
#include "nv/ImageDecoders.h"

namespace pelmora::nv {

namespace {

// Opened by the first JPEG read, so no other run loads it. jpeg_create_decompress
// is a macro over jpeg_CreateDecompress, which checks the header's version and
// struct size against the library's.
#define PELMORA_JPEG_FUNCTIONS(X) \
    X(jpeg_std_error) X(jpeg_CreateDecompress) X(jpeg_destroy_decompress) X(jpeg_mem_src) X(jpeg_save_markers) \
    X(jpeg_read_header) X(jpeg_start_decompress) X(jpeg_read_scanlines) X(jpeg_finish_decompress)

static_assert(JPEG_LIB_VERSION == 62);  // the library must be the one the header describes
PELMORA_LIBRARY_FUNCTIONS(Libjpeg, "libjpeg.so.62", "libjpeg62-turbo", PELMORA_JPEG_FUNCTIONS);

// A progressive file may hold any number of scans, each a pass over the whole
// picture; a few hundred bytes of them can keep a decoder busy for minutes.
constexpr long kMaxScans = 1000;

struct Failure {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void Fail(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<Failure*>(cinfo->err)->jump, 1); }

// Warnings are not printed; a file that ends early (the rest would be grey) is a failure.
void Message(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) Fail(cinfo);
}

void CountScans(j_common_ptr cinfo) {
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) Fail(cinfo);
}

struct Decoded {
    std::vector<JSAMPLE> samples;
    JDIMENSION width = 0, height = 0;
    int components = 0;
    int orientation = 1;
};

int OrientationOf(j_decompress_ptr cinfo) {
    for (jpeg_saved_marker_ptr m = cinfo->marker_list; m; m = m->next)
        if (m->marker == JPEG_APP0 + 1)
            return ExifOrientation({reinterpret_cast<const char*>(m->data), m->data_length});
    return 1;
}

// Everything that may long-jump is here; what it fills belongs to the caller.
bool Decompress(const Libjpeg& lib, jpeg_decompress_struct& cinfo, Failure& failure, jpeg_progress_mgr& progress,
                const std::string& bytes, Decoded& out) {
    cinfo.err = lib.jpeg_std_error(&failure.manager);
    failure.manager.error_exit = Fail;
    failure.manager.emit_message = Message;
    if (setjmp(failure.jump)) return false;
    lib.jpeg_CreateDecompress(&cinfo, JPEG_LIB_VERSION, sizeof(jpeg_decompress_struct));
    progress.progress_monitor = CountScans;
    cinfo.progress = &progress;
    lib.jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    lib.jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
    lib.jpeg_read_header(&cinfo, TRUE);
    if (!DecodableSize(cinfo.image_width, cinfo.image_height)) return false;
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : cinfo.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
    out.orientation = OrientationOf(&cinfo);
    lib.jpeg_start_decompress(&cinfo);
    out.width = cinfo.output_width;
    out.height = cinfo.output_height;
    out.components = cinfo.output_components;
    const std::size_t row = std::size_t{out.width} * static_cast<std::size_t>(out.components);
    out.samples.resize(row * out.height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW line = out.samples.data() + row * cinfo.output_scanline;
        lib.jpeg_read_scanlines(&cinfo, &line, 1);
    }
    lib.jpeg_finish_decompress(&cinfo);
    return true;
}

// Adobe writes CMYK inverted: each sample is the ink's absence.
std::uint32_t Pixel(const JSAMPLE* s, int components) {
    switch (components) {
    case 1: return Rgb(s[0], s[0], s[0]);
    case 3: return Rgb(s[0], s[1], s[2]);
    default: {
        const auto ink = [k = s[3]](JSAMPLE c) { return static_cast<std::uint8_t>(c * k / 255); };
        return Rgb(ink(s[0]), ink(s[1]), ink(s[2]));
    }
    }
}

}  // namespace

std::string JpegLibraryProblem() { return Libjpeg::Loaded().library.Problem(); }

std::optional<RgbImage> DecodeJpeg(const std::string& bytes) {
    const Libjpeg& lib = Libjpeg::Loaded();
    if (!lib.library.Usable()) return std::nullopt;
    jpeg_decompress_struct cinfo{};
    Failure failure{};
    jpeg_progress_mgr progress{};
    Decoded decoded;
    const bool ok = Decompress(lib, cinfo, failure, progress, bytes, decoded);
    lib.jpeg_destroy_decompress(&cinfo);
    if (!ok || (decoded.components != 1 && decoded.components != 3 && decoded.components != 4)) return std::nullopt;
    RgbImage image(decoded.width, decoded.height);
    const JSAMPLE* s = decoded.samples.data();
    for (std::uint32_t& p : image.pixels) {
        p = Pixel(s, decoded.components);
        s += decoded.components;
    }
    return decoded.orientation == 1 ? image : Oriented(image, decoded.orientation);
}

}  // namespace pelmora::nv
