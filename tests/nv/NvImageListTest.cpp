#include <gtest/gtest.h>

#include "context/ResultCode.h"
#include "nv/NvImageList.h"

namespace pelmora::nv {
namespace {

NvImageItem Item(std::uint32_t size, const std::string& path = "a.bmp") {
    NvImageItem item;
    item.size = size;
    item.path = path;
    return item;
}

std::vector<std::string> Paths(const NvImageList& list) {
    std::vector<std::string> out;
    for (const auto& item : list.items()) out.push_back(item.path + "#" + std::to_string(item.number));
    return out;
}

TEST(EstimateImageSize, UsesTheFileHeightAndTheModelsWidthLimit) {
    struct Case { std::uint32_t w, h, model, want; };
    for (const Case c : {Case{600, 90, 700, 4320}, Case{600, 90, 720, 4320}, Case{600, 90, 721, 6480},
                         Case{600, 90, 0, 4320}, Case{100, 10, 703, 130}, Case{384, 1365, 703, 65520},
                         Case{1, 1, 703, 1}, Case{0, 10, 703, 0}}) {
        EXPECT_EQ(EstimateImageSize(c.w, c.h, c.model), c.want) << c.w << "x" << c.h << " model " << c.model;
    }
}

TEST(FileNameOf, TakesTheTextAfterTheLastSeparator) {
    EXPECT_EQ(FileNameOf("C:\\logos\\shop.bmp"), "shop.bmp");
    EXPECT_EQ(FileNameOf("/home/op/logos/shop.bmp"), "shop.bmp");
    EXPECT_EQ(FileNameOf("shop.bmp"), "shop.bmp");
}

TEST(NvImageList, MemoryLimitIsInclusive) {
    NvImageList list;
    EXPECT_EQ(list.AddImageItem(Item(NvMemoryLimit)), rc::Ok);
    EXPECT_EQ(list.AddImageItem(Item(1)), rc::OverLimit);
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(list.TotalImageSize(), NvMemoryLimit);

    NvImageList other;
    EXPECT_EQ(other.AddImageItem(Item(NvMemoryLimit + 1)), rc::OverLimit);
    EXPECT_EQ(other.TotalImageSize(), 0u);
}

TEST(NvImageList, RemovingRenumbersTheRest) {
    NvImageList list;
    for (const char* p : {"a", "b", "c", "d", "e"}) {
        auto item = Item(10, p);
        item.number = list.NextNumber();
        ASSERT_EQ(list.AddImageItem(item), rc::Ok);
    }
    list.RemoveImageItem(3);
    list.RemoveImageItem(1);
    EXPECT_EQ(Paths(list), (std::vector<std::string>{"b#1", "d#2", "e#3"}));
    list.RemoveImageItem(9);  // none: only renumbers
    EXPECT_EQ(list.size(), 3u);
    ASSERT_NE(list.Find(2), nullptr);
    EXPECT_EQ(list.Find(2)->path, "d");
    EXPECT_EQ(list.Find(4), nullptr);
}

TEST(NvImageList, KeepsAtMostWhatTheCatalogueCanHold) {
    NvImageList list;
    for (std::size_t i = 0; i < kMaxImageItems; ++i) {
        auto item = Item(1);
        item.number = list.NextNumber();
        ASSERT_EQ(list.AddImageItem(item), rc::Ok) << i;
    }
    EXPECT_EQ(list.items().back().number, 254);
    EXPECT_EQ(list.AddImageItem(Item(1)), rc::OverLimit);
    EXPECT_EQ(list.size(), kMaxImageItems);
}

}  // namespace
}  // namespace pelmora::nv
