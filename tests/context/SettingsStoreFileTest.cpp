// The store's file on this system: damaged and foreign files, links, killed
// writers, competing processes, a full disk, and where the file lives.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <future>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "SettingsStoreTempDir.h"
#include "context/RegFileIo.h"
#include "context/RegSyntax.h"
#include "context/SettingsStore.h"

namespace pelmora::context {
namespace {

using testing::ReadFile;
using testing::WriteFile;

const std::string kProduct = ProductKey;
const std::string kHead = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora]\n";

// A memory file system where there is one: these tests write thousands of
// times, and a kill is a process crash, which the page cache survives anyway.
std::filesystem::path FastFolder() {
    const std::filesystem::path shm = "/dev/shm";
    return ::access(shm.c_str(), W_OK) == 0 ? shm : std::filesystem::temp_directory_path();
}

class SettingsStoreFileTest : public ::testing::Test {
protected:
    pelmora::test::TempDir temp_{FastFolder()};
    std::filesystem::path dir_ = temp_.path();
    std::filesystem::path file() const { return dir_ / "registry.reg"; }
    std::filesystem::path sibling(const char* suffix) const { return file().string() + suffix; }

    std::set<std::string> LeftFiles() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir_)) names.insert(entry.path().filename().string());
        return names;
    }
    bool LockIsFree() const {
        const int fd = ::open(sibling(".lock").c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) return errno == ENOENT;
        const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        ::close(fd);
        return free;
    }
};

TEST_F(SettingsStoreFileTest, DamagedFileIsKeptBesideItBeforeTheRewrite) {
    const std::string damaged = kHead + "\"a\"=\"x\"\nnot a value\n\"b\"=dword:0000000g\n[HKEY_USERS\\x]\n\"c\"=\"y\"\n";
    WriteFile(file(), damaged);
    WriteFile(sibling(".bad"), "an older copy");
    SettingsStore store(file());

    // Every user of the machine shares the store, its lock and its copies: the umask alone narrows them.
    const mode_t mask = ::umask(0);
    EXPECT_EQ(store.SetRegDword(kProduct, "d", 1), 1);
    ::umask(mask);
    for (const char* suffix : {".lock", ".bad.1"}) EXPECT_EQ(pelmora::test::FileMode(sibling(suffix)), 0666u) << suffix;
    EXPECT_EQ(ReadFile(sibling(".bad")), "an older copy");
    EXPECT_EQ(ReadFile(sibling(".bad.1")), damaged);
    EXPECT_EQ(ReadFile(file()), kHead + "\"a\"=\"x\"\n\"d\"=dword:00000001\n\n");
    // The rewritten file is sound, so later writes keep no further copies.
    EXPECT_EQ(store.SetRegDword(kProduct, "d", 2), 1);
    EXPECT_FALSE(std::filesystem::exists(sibling(".bad.2")));
}

// Full disk: nothing is taken, or part of the file and then nothing.
ssize_t DiskFull(int, const void*, std::size_t) {
    errno = ENOSPC;
    return -1;
}
ssize_t DiskFullAfterSome(int fd, const void* data, std::size_t size) {
    static bool tookSome = false;
    if ((tookSome = !tookSome)) return ::write(fd, data, size / 2);
    errno = ENOSPC;
    return -1;
}

TEST_F(SettingsStoreFileTest, AFullDiskFailsTheWriteWithItsReasonAndKeepsTheOldFile) {
    SettingsStore store(file());
    ASSERT_EQ(store.SetRegDword(kProduct, "a", 1), 1);
    const std::string before = ReadFile(file());
    for (const RegWriteCall fault : {&DiskFull, &DiskFullAfterSome}) {
        SetRegWriteCallForTest(fault);
        EXPECT_EQ(store.SetRegDword(kProduct, "a", 2), 0);
        EXPECT_EQ(store.SetRegString(kProduct, "b", "text"), 0);
        SetRegWriteCallForTest(nullptr);
        EXPECT_EQ(store.TakeWriteFailure(),
                  "cannot save the settings in '" + file().string() + "': No space left on device");
        EXPECT_EQ(store.TakeWriteFailure(), "") << "taken once";
        EXPECT_EQ(ReadFile(file()), before);
        EXPECT_EQ(LeftFiles(), (std::set<std::string>{"registry.reg", "registry.reg.lock"}));
    }
    EXPECT_EQ(store.SetRegDword(kProduct, "a", 3), 1);
    EXPECT_EQ(store.TakeWriteFailure(), "");
}

TEST_F(SettingsStoreFileTest, AFileThatIsNotAStoreIsNeverRewritten) {
    const struct { const char* content; bool ours; } cases[] = {
        {"#!/bin/sh\nrm -rf /\n", false},
        {"\xEF\xBB\xBFREGEDIT5\n", false},
        {"", true},
        {" \r\n\n", true},
        {"\n  REGEDIT4  \r\n[HKEY_LOCAL_MACHINE\\x]\n", true},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.content);
        WriteFile(file(), k.content);
        // Also when reached through a link, which a store written through stays.
        const std::filesystem::path link = dir_ / "link.reg";
        std::filesystem::remove(link);
        std::filesystem::create_symlink(file(), link);
        SettingsStore store(link);
        // Read as no values, it would send the programs to COM1.
        EXPECT_EQ(store.ReadProblem().empty(), k.ours) << store.ReadProblem();
        EXPECT_EQ(store.SetRegDword(kProduct, "a", 1), k.ours ? 1 : 0);
        if (k.ours) {
            EXPECT_TRUE(std::filesystem::is_symlink(link));
            EXPECT_NE(ReadFile(file()).find("\"a\"=dword:00000001\n"), std::string::npos);
            continue;
        }
        EXPECT_NE(store.TakeWriteFailure().find("is not a settings file"), std::string::npos);
        EXPECT_EQ(ReadFile(file()), k.content);
        EXPECT_FALSE(std::filesystem::exists(file().string() + ".bad"));
    }
}

TEST_F(SettingsStoreFileTest, TemporaryFilesOfDeadWritersAreRemoved) {
    const pid_t dead = ::fork();
    ASSERT_GE(dead, 0);
    if (dead == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(dead, nullptr, 0), dead);
    const std::string base = file().filename().string() + ".tmp.";
    const std::string deadFile = base + std::to_string(dead) + ".3";
    const std::string liveFile = base + std::to_string(::getppid()) + ".0";
    for (const std::string& name : {deadFile, liveFile, base + "x.1", std::string("other.reg.tmp.1.1")})
        WriteFile(dir_ / name, "partial");

    EXPECT_EQ(SettingsStore(file()).SetRegDword(kProduct, "a", 1), 1);
    EXPECT_EQ(LeftFiles(), (std::set<std::string>{"registry.reg", "registry.reg.lock", liveFile, base + "x.1",
                                                  "other.reg.tmp.1.1"}));
}

// Missing is no problem. A store that cannot be read says why and is never
// written; one that is read but cannot be written keeps its values and its file.
TEST_F(SettingsStoreFileTest, AStoreThatCannotBeReadOrWrittenSaysWhyAndStaysAsItWas) {
    EXPECT_EQ(SettingsStore(file()).ReadProblem(), "");
    using Folder = const std::filesystem::path&;
    const struct { const char* reason; void (*make)(Folder); bool readable; } cases[] = {
        {"Is a directory", [](Folder d) { std::filesystem::create_directory(d / "registry.reg"); }, false},
        {"larger than 16 MiB",
         [](Folder d) {
             WriteFile(d / "registry.reg", "REGEDIT4\n");
             std::filesystem::resize_file(d / "registry.reg", kMaxRegFileBytes + 1);
         },
         false},
        {"it is a FIFO", [](Folder d) { ASSERT_EQ(::mkfifo((d / "registry.reg").c_str(), 0600), 0); }, false},
        {"Too many levels of symbolic links", [](Folder d) { std::filesystem::create_symlink("registry.reg", d / "registry.reg"); },
         false},
        {"Is a directory", [](Folder d) { std::filesystem::create_directory(d / "registry.reg.lock"); }, true},
    };
    const std::string original = kHead + "\"a\"=dword:00000001\n\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.reason) + (c.readable ? ", readable" : ""));
        const std::filesystem::path folder = dir_ / std::to_string(&c - cases), store_file = folder / "registry.reg";
        std::filesystem::create_directory(folder);
        if (c.readable) WriteFile(store_file, original);
        c.make(folder);
        SettingsStore store(store_file);
        EXPECT_EQ(store.ReadProblem(), c.readable ? "" : "cannot read the settings store '" + store_file.string() + "': " + c.reason);
        EXPECT_EQ(store.SetRegDword(kProduct, "a", 2), 0);
        EXPECT_EQ(store.TakeWriteFailure(), "cannot save the settings in '" + store_file.string() + "': " +
                                                (c.readable ? "cannot open " + store_file.string() + ".lock: " : "") + c.reason);
        if (c.readable) {
            EXPECT_EQ(store.SetRegString(kProduct, "b", "x"), 0);
            EXPECT_EQ(store.DeleteValue(kProduct, "a"), 0);
            EXPECT_EQ(store.DeleteValue(kProduct, "never there"), 1);
            std::uint32_t number = 0;
            EXPECT_EQ(store.GetRegDword(kProduct, "a", number), 1);
            EXPECT_EQ(number, 1u);
            EXPECT_EQ(ReadFile(store_file), original);
        }
    }
    // A folder that cannot be made.
    WriteFile(dir_ / "plain", "x");
    EXPECT_EQ(SettingsStore(dir_ / "plain" / "registry.reg").SetRegDword(kProduct, "a", 1), 0);
}

std::string Name(int i) { return "value" + std::to_string(i); }

TEST_F(SettingsStoreFileTest, AWriterKilledAtAnyMomentLeavesOldOrNewValues) {
    constexpr int kNames = 6, kMaxKills = 300, kMinKills = 50;
    // Up to 300 kills within 4 s; on a loaded machine it goes on past that until
    // 50 kills and one write that got through, within a hard bound.
    const auto budget = std::chrono::seconds(4), hardBound = std::chrono::seconds(60);
    std::map<std::string, std::uint32_t> held;
    for (int i = 0; i < kNames; ++i) held[Name(i)] = 0;
    for (const auto& [name, value] : held) ASSERT_EQ(SettingsStore(file()).SetRegDword(kProduct, name, value), 1);
    std::mt19937 random(11);
    std::uniform_int_distribution<int> delayUs(0, 3000);
    const auto start = std::chrono::steady_clock::now();
    int kills = 0, changed = 0;
    const auto goOn = [&] {
        const auto spent = std::chrono::steady_clock::now() - start;
        return spent < hardBound && (spent < budget || kills < kMinKills || changed == 0);
    };
    for (std::uint32_t round = 1; (round <= kMaxKills || changed == 0) && goOn(); ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SettingsStore store(file());
            for (;;)
                for (int i = 0; i < kNames; ++i) store.SetRegDword(kProduct, Name(i), round);
        }
        // Past the usual count with nothing written yet, the writers get longer to live.
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random) * (round > kMaxKills ? 10 : 1)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        ++kills;

        const std::string bytes = ReadFile(file());
        const RegDocument document = ParseRegFile(bytes);
        ASSERT_FALSE(document.damaged) << "after kill " << kills << ":\n" << bytes;
        const RegKey* key = FindRegKey(document, kProduct);
        ASSERT_NE(key, nullptr);
        for (auto& [name, value] : held) {
            const RegValue* found = FindRegValue(*key, name);
            ASSERT_NE(found, nullptr) << name;
            ASSERT_TRUE(found->number == value || found->number == round)
                << name << " holds " << found->number << ", neither " << value << " nor " << round;
            changed += found->number != value;
            value = found->number;
        }
        ASSERT_TRUE(LockIsFree()) << "after kill " << kills;
    }
    EXPECT_GE(kills, kMinKills);
    EXPECT_GT(changed, 0) << "no writer got as far as one write";

    // The next writer is not blocked and clears what the killed ones left.
    SettingsStore store(file());
    EXPECT_EQ(store.SetRegDword(kProduct, "after", 1), 1);
    EXPECT_EQ(LeftFiles(), (std::set<std::string>{"registry.reg", "registry.reg.lock"}));
}

// Two processes and two threads of this one, each writer with its own store,
// interleave read-modify-write cycles on one file.
TEST_F(SettingsStoreFileTest, WritersInProcessesAndThreadsLoseNothing) {
    constexpr int kValues = 500;
    const auto write = [this](const std::string& who) {
        SettingsStore own(file());
        bool ok = true;
        for (int i = 0; i < kValues; ++i) ok = own.SetRegDword(kProduct, who + std::to_string(i), i) == 1 && ok;
        return ok;
    };
    std::vector<pid_t> children;
    for (const char* who : {"a", "b"}) {  // forked before any thread starts
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) ::_exit(write(who) ? 0 : 1);
        children.push_back(child);
    }
    auto c = std::async(std::launch::async, write, "c"), d = std::async(std::launch::async, write, "d");
    EXPECT_TRUE(c.get() && d.get());
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    // One parse: a store lookup per name would read the file two thousand times.
    const RegDocument document = ParseRegFile(ReadFile(file()));
    ASSERT_FALSE(document.damaged);
    ASSERT_EQ(document.keys.size(), 1u);
    EXPECT_EQ(document.keys[0].values.size(), std::size_t{4 * kValues});
    for (const char* who : {"a", "b", "c", "d"})
        for (int i = 0; i < kValues; ++i) {
            const RegValue* value = FindRegValue(document.keys[0], who + std::to_string(i));
            ASSERT_NE(value, nullptr) << who << i;
            ASSERT_EQ(value->number, static_cast<std::uint32_t>(i));
        }
    EXPECT_EQ(LeftFiles(), (std::set<std::string>{"registry.reg", "registry.reg.lock"}));
}

TEST(SettingsStoreDefaultPath, FollowsTheEnvironment) {
    std::vector<std::pair<const char*, std::optional<std::string>>> saved;
    for (const char* variable : {"PELMORA_REGISTRY", "XDG_CONFIG_HOME", "HOME"})
        saved.emplace_back(variable, std::getenv(variable) ? std::optional<std::string>(std::getenv(variable)) : std::nullopt);
    const struct { const char* registry; const char* config; const char* expected; } cases[] = {
        {"/etc/r.reg", "/xdg", "/etc/r.reg"},
        {nullptr, "/xdg", "/xdg/pelmora/registry.reg"},
        {"", "/xdg", "/xdg/pelmora/registry.reg"},
        {nullptr, "relative", "/home/u/.config/pelmora/registry.reg"},
        {nullptr, nullptr, "/home/u/.config/pelmora/registry.reg"},
    };
    const auto set = [](const char* variable, const char* value) { value ? ::setenv(variable, value, 1) : ::unsetenv(variable); };
    for (const auto& c : cases) {
        set("PELMORA_REGISTRY", c.registry);
        set("XDG_CONFIG_HOME", c.config);
        set("HOME", "/home/u");
        EXPECT_EQ(SettingsStore::DefaultPath(), std::filesystem::path(c.expected));
    }
    for (const auto& [variable, value] : saved) set(variable, value ? value->c_str() : nullptr);
}

}  // namespace
}  // namespace pelmora::context
