#include "nv/NvImageList.h"

#include <algorithm>

#include "context/ResultCode.h"

namespace pelmora::nv {

namespace {
constexpr std::uint32_t kWideModelsAbove = 720;
constexpr std::uint32_t kWideEstimateWidth = 576;
constexpr std::uint32_t kEstimateWidth = 384;
}  // namespace

std::uint32_t EstimateImageSize(std::uint32_t width, std::uint32_t height, std::uint32_t modelCode) {
    const std::uint32_t limit = modelCode > kWideModelsAbove ? kWideEstimateWidth : kEstimateWidth;
    const std::uint32_t w = std::min(width, limit);
    const std::uint64_t size = std::uint64_t{(w + 7) / 8} * height;
    // A bitmap reader never yields heights that overflow this, but saturate
    // rather than wrap so a huge file can never look small.
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(size, UINT32_MAX));
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int NvImageList::AddImageItem(const NvImageItem& item) {
    if (items_.size() >= kMaxImageItems) return rc::OverLimit;
    if (std::uint64_t{item.size} + TotalImageSize() > NvMemoryLimit) return rc::OverLimit;
    items_.push_back(item);
    return rc::Ok;
}

std::uint32_t NvImageList::TotalImageSize() const {
    std::uint64_t total = 0;
    for (const auto& item : items_) total += item.size;
    return static_cast<std::uint32_t>(total);
}

void NvImageList::RemoveImageItem(std::uint8_t number) {
    const auto it = std::find_if(items_.begin(), items_.end(),
                                 [number](const NvImageItem& item) { return item.number == number; });
    if (it != items_.end()) items_.erase(it);
    std::uint8_t n = 1;
    for (auto& item : items_) item.number = n++;
}

NvImageItem* NvImageList::Find(std::uint8_t number) {
    const auto it = std::find_if(items_.begin(), items_.end(),
                                 [number](const NvImageItem& item) { return item.number == number; });
    return it == items_.end() ? nullptr : &*it;
}

}  // namespace pelmora::nv
