#include "nv/RasterPng.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "context/RegFileIo.h"
#include "link/LocalFile.h"
#include "nv/PngEncoder.h"

namespace pelmora::nv {

std::string RasterPngBytes(const Raster& raster) {
    const std::size_t rowBytes = (raster.width + 7u) / 8u;
    if (raster.width == 0 || raster.height == 0 || raster.bytes.size() < rowBytes * raster.height) return {};
    return EncodeRasterPng(raster);
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
