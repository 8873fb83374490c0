#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "nv/NvTypes.h"

namespace pelmora::nv {

/// Estimated NV size of a w x h bitmap: ceil(min(w, W) / 8) x h with W = 576
/// when `modelCode` > 720, else 384. Uses the file's own height on purpose: it
/// is what the list shows and counts against NvMemoryLimit.
std::uint32_t EstimateImageSize(std::uint32_t width, std::uint32_t height, std::uint32_t modelCode);

/// The file name of a path: the text after its last '\' or '/'.
std::string FileNameOf(const std::string& path);

/// The operator's bitmap files, in insertion order, numbered 1..n.
class NvImageList {
public:
    /// rc::Ok and appends; rc::OverLimit and leaves the list unchanged when the
    /// total would pass NvMemoryLimit or the list already holds kMaxImageItems.
    int AddImageItem(const NvImageItem& item);
    std::uint32_t TotalImageSize() const;
    /// Removes the first item numbered `number` (none: nothing) and renumbers 1..n.
    void RemoveImageItem(std::uint8_t number);
    void ClearImageList() { items_.clear(); }

    /// The number a new item gets: count + 1, truncated to 8 bits.
    std::uint8_t NextNumber() const { return static_cast<std::uint8_t>(items_.size() + 1); }
    /// The item numbered `number`, or null.
    NvImageItem* Find(std::uint8_t number);

    const std::vector<NvImageItem>& items() const { return items_; }
    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }

private:
    std::vector<NvImageItem> items_;
};

}  // namespace pelmora::nv
