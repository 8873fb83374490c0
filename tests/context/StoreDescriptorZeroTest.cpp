// The store started without standard input (as by a service): its lock, its
// damaged copy and its file may each be descriptor 0, and each is given back.
#include <gtest/gtest.h>

#include "SettingsStoreTempDir.h"
#include "context/SettingsStore.h"
#include "support/DescriptorZero.h"

namespace pelmora::context {
namespace {

TEST(StoreDescriptorZero, LockCopyAndFileOpenAndAreGivenBack) {
    test::TempDir dir;
    const auto file = dir / "registry.reg";
    testing::WriteFile(file, "REGEDIT4\n\nnot a value\n");
    SettingsStore store(file);
    EXPECT_TRUE(test::GivesDescriptorZeroBack([&] { EXPECT_EQ(store.SetRegDword(ProductKey, "Baud", 9600), 1); }));
    EXPECT_EQ(test::ReadFile(file.string() + ".bad"), "REGEDIT4\n\nnot a value\n");
    std::uint32_t baud = 0;
    EXPECT_TRUE(test::GivesDescriptorZeroBack([&] { EXPECT_EQ(store.GetRegDword(ProductKey, "Baud", baud), 1); }));
    EXPECT_EQ(baud, 9600u);
}

}  // namespace
}  // namespace pelmora::context
