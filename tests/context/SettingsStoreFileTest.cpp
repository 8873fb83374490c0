#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "SettingsStoreTempDir.h"
#include "context/SettingsStore.h"

namespace pelmora::context {
namespace {

using testing::ReadFile;
using testing::WriteFile;

const std::string kProduct = ProductKey;
const std::string kHead = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora]\n";

class SettingsStoreFileTest : public testing::TempDirTest {
protected:
    std::filesystem::path sibling(const char* suffix) const { return file().string() + suffix; }
};

TEST_F(SettingsStoreFileTest, DamagedFileIsKeptBesideItBeforeTheRewrite) {
    const std::string damaged = kHead + "\"a\"=\"x\"\nnot a value\n\"b\"=dword:0000000g\n[HKEY_USERS\\x]\n\"c\"=\"y\"\n";
    WriteFile(file(), damaged);
    WriteFile(sibling(".bad"), "an older copy");
    SettingsStore store(file());

    EXPECT_EQ(store.SetRegDword(kProduct, "d", 1), 1);
    EXPECT_EQ(ReadFile(sibling(".bad")), "an older copy");
    EXPECT_EQ(ReadFile(sibling(".bad.1")), damaged);
    EXPECT_EQ(ReadFile(file()), kHead + "\"a\"=\"x\"\n\"d\"=dword:00000001\n\n");
    // The rewritten file is sound, so later writes keep no further copies.
    EXPECT_EQ(store.SetRegDword(kProduct, "d", 2), 1);
    EXPECT_FALSE(std::filesystem::exists(sibling(".bad.2")));
}

TEST_F(SettingsStoreFileTest, AStoreBehindASymbolicLinkStaysALink) {
    std::filesystem::create_directory(dir_ / "real");
    std::filesystem::create_symlink(dir_ / "real" / "registry.reg", file());
    EXPECT_EQ(SettingsStore(file()).SetRegDword(kProduct, "a", 1), 1);
    EXPECT_EQ(SettingsStore(file()).SetRegDword(kProduct, "b", 2), 1);
    EXPECT_TRUE(std::filesystem::is_symlink(file()));
    EXPECT_EQ(ReadFile(dir_ / "real" / "registry.reg"), kHead + "\"a\"=dword:00000001\n\"b\"=dword:00000002\n\n");
}

TEST_F(SettingsStoreFileTest, AStoreThatCannotBeWrittenStaysAsItWas) {
    const std::string original = kHead + "\"a\"=dword:00000001\n\n";
    struct Obstacle { const char* what; std::function<void(const std::filesystem::path& folder)> make; bool defeatedByRoot; };
    const std::vector<Obstacle> obstacles = {
        {"lock file is a folder",
         [](const std::filesystem::path& folder) { std::filesystem::create_directory(folder / "registry.reg.lock"); },
         false},
        {"read-only folder",
         [](const std::filesystem::path& folder) {
             std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
         },
         true},
    };
    for (const Obstacle& obstacle : obstacles) {
        SCOPED_TRACE(obstacle.what);
        if (obstacle.defeatedByRoot && ::geteuid() == 0) continue;
        const std::filesystem::path folder = dir_ / obstacle.what;
        std::filesystem::create_directory(folder);
        WriteFile(folder / "registry.reg", original);
        obstacle.make(folder);
        SettingsStore store(folder / "registry.reg");

        EXPECT_EQ(store.SetRegDword(kProduct, "a", 2), 0);
        EXPECT_EQ(store.SetRegString(kProduct, "b", "x"), 0);
        EXPECT_EQ(store.DeleteValue(kProduct, "a"), 0);
        EXPECT_EQ(store.DeleteValue(kProduct, "never there"), 1);
        std::uint32_t number = 0;
        EXPECT_EQ(store.GetRegDword(kProduct, "a", number), 1);
        EXPECT_EQ(number, 1u);
        EXPECT_EQ(ReadFile(folder / "registry.reg"), original);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    }
    // A folder that cannot be made (a store path that is a folder: SettingsStoreCrashTest).
    WriteFile(dir_ / "plain", "x");
    EXPECT_EQ(SettingsStore(dir_ / "plain" / "registry.reg").SetRegDword(kProduct, "a", 1), 0);
}

TEST(SettingsStoreDefaultPath, FollowsTheEnvironment) {
    const char* names[] = {"PELMORA_REGISTRY", "XDG_CONFIG_HOME", "HOME"};
    std::vector<std::optional<std::string>> saved;
    for (const char* variable : names) {
        const char* value = std::getenv(variable);
        saved.push_back(value ? std::optional<std::string>(value) : std::nullopt);
    }
    struct Case { const char* registry; const char* config; const char* expected; };
    const Case cases[] = {
        {"/etc/r.reg", "/xdg", "/etc/r.reg"},
        {nullptr, "/xdg", "/xdg/pelmora/registry.reg"},
        {"", "/xdg", "/xdg/pelmora/registry.reg"},
        {nullptr, "relative", "/home/u/.config/pelmora/registry.reg"},
        {nullptr, nullptr, "/home/u/.config/pelmora/registry.reg"},
    };
    const auto set = [](const char* variable, const char* value) {
        if (value) ::setenv(variable, value, 1);
        else ::unsetenv(variable);
    };
    for (const Case& c : cases) {
        set("PELMORA_REGISTRY", c.registry);
        set("XDG_CONFIG_HOME", c.config);
        set("HOME", "/home/u");
        EXPECT_EQ(SettingsStore::DefaultPath(), std::filesystem::path(c.expected));
    }
    for (std::size_t i = 0; i < saved.size(); ++i) set(names[i], saved[i] ? saved[i]->c_str() : nullptr);
}

}  // namespace
}  // namespace pelmora::context
