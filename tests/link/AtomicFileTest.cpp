// Whole-file replacement: the modes a new file gets and an old one keeps, and
// failures that leave neither the target nor a temporary file behind.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "link/AtomicFile.h"
#include "support/TempDir.h"

namespace pelmora::link {
namespace {

// The umask would hide a wrong mode bit; without one the mode asked for is the mode got.
class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override { oldMask_ = ::umask(0); }
    void TearDown() override { ::umask(oldMask_); }
    long Entries() const { return std::distance(std::filesystem::directory_iterator(dir_), {}); }
    mode_t oldMask_ = 0;
    pelmora::test::TempDir temp_;
    std::filesystem::path dir_ = temp_.path();
};

TEST_F(AtomicFileTest, ANewFileGetsTheModeAskedForAndAnOldOneKeepsItsOwn) {
    const struct { const char* name; unsigned asked; unsigned expected; } cases[] = {
        {"default", 0666, 0666}, {"private", 0600, 0600}, {"list", 0644, 0644}};
    for (const auto& c : cases) {
        const auto file = dir_ / c.name;
        EXPECT_EQ(c.asked == 0666 ? ReplaceFile(file, "one") : ReplaceFile(file, "one", c.asked), "") << c.name;
        EXPECT_EQ(pelmora::test::FileMode(file), c.expected) << c.name;
    }
    // A file the owner made private stays private when it is rewritten with a looser mode.
    ASSERT_EQ(::chmod((dir_ / "default").c_str(), 0640), 0);
    EXPECT_EQ(ReplaceFile(dir_ / "default", "two"), "");
    EXPECT_EQ(pelmora::test::FileMode(dir_ / "default"), 0640u);
    EXPECT_EQ(pelmora::test::ReadFile(dir_ / "default"), "two");
    EXPECT_EQ(Entries(), 3) << "no temporary file is left";
}

TEST_F(AtomicFileTest, FailuresSayWhyAndLeaveNothingBehind) {
    // A folder that does not exist: the temporary file cannot be made (and is not tried for ever).
    const std::string missing = ReplaceFile(dir_ / "none" / "file", "x");
    EXPECT_EQ(missing.rfind("cannot create " + (dir_ / "none" / "file").string() + ".tmp.", 0), 0u) << missing;
    EXPECT_NE(missing.find("No such file or directory"), std::string::npos) << missing;

    // The target is a folder: the rename fails and the written temporary file goes.
    std::filesystem::create_directory(dir_ / "folder");
    EXPECT_EQ(ReplaceFile(dir_ / "folder", "x"), "Is a directory");
    EXPECT_EQ(Entries(), 1);
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "folder"));
}

}  // namespace
}  // namespace pelmora::link
