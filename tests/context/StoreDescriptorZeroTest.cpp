// The store started without standard input (as by a service): its lock, its
// damaged copy and its file may each be descriptor 0, and each is given back.
#include <gtest/gtest.h>

#include "context/SettingsStore.h"
#include "support/DescriptorZero.h"
#include "support/TempDir.h"

namespace pelmora::context {
namespace {

TEST(StoreDescriptorZero, LockCopyAndFileOpenAndAreGivenBack) {
    test::TempDir dir;
    const auto file = dir / "registry.reg";
    std::FILE* damaged = std::fopen(file.c_str(), "w");
    ASSERT_NE(damaged, nullptr);
    std::fputs("REGEDIT4\n\nnot a value\n", damaged);
    std::fclose(damaged);
    SettingsStore store(file);
    EXPECT_TRUE(test::GivesDescriptorZeroBack([&] { EXPECT_EQ(store.SetRegDword(ProductKey, "Baud", 9600), 1); }));
    EXPECT_EQ(test::ReadFile(file.string() + ".bad"), "REGEDIT4\n\nnot a value\n");
    std::uint32_t baud = 0;
    EXPECT_TRUE(test::GivesDescriptorZeroBack([&] { EXPECT_EQ(store.GetRegDword(ProductKey, "Baud", baud), 1); }));
    EXPECT_EQ(baud, 9600u);
}

}  // namespace
}  // namespace pelmora::context
