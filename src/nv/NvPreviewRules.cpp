#include "nv/NvPreviewRules.h"

#include <algorithm>

namespace pelmora::nv {

namespace {
Size Proportional(std::uint32_t drawnWidth, std::uint32_t width, std::uint32_t height) {
    if (drawnWidth == 0 || width == 0) return {};
    return {drawnWidth, static_cast<std::uint32_t>(std::uint64_t{height} * drawnWidth / width)};
}
}  // namespace

Size PreviewDrawSize(std::uint32_t frameWidth, std::uint32_t width, std::uint32_t height) {
    const std::uint32_t drawn =
        width < frameWidth ? static_cast<std::uint32_t>(std::uint64_t{frameWidth} * width / kConversionWidth)
                           : frameWidth;
    return Proportional(drawn, width, height);
}

Size PrintedDrawSize(std::uint32_t frameWidth, std::uint32_t rasterWidth, std::uint32_t rasterHeight) {
    const auto drawn = static_cast<std::uint32_t>(std::uint64_t{frameWidth} * rasterWidth / kConversionWidth);
    return Proportional(drawn, rasterWidth, rasterHeight);
}

std::uint8_t PreviewBrightnessOffset(std::int32_t position) {
    const std::int32_t clamped = std::clamp(position, 0, 100);
    return static_cast<std::uint8_t>(clamped * 255.0 / 100.0);
}

std::int32_t NumberAfterRemoval(std::int32_t current, const std::vector<std::int32_t>& removed) {
    if (current < 1) return -1;
    if (std::find(removed.begin(), removed.end(), current) != removed.end()) return -1;
    const auto before = std::count_if(removed.begin(), removed.end(), [current](std::int32_t n) { return n < current; });
    return current - static_cast<std::int32_t>(before);
}

}  // namespace pelmora::nv
