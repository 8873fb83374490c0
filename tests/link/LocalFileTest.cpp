#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <unistd.h>

#include "link/LocalFile.h"
#include "support/TempDir.h"

namespace pelmora::link {
namespace {

// A pipe (a profile piped in on standard input) is read to its end, or refused
// one byte past the limit: never cut short at the limit and taken as whole.
TEST(LocalFile, APipeIsReadWholeOrRefusedPastTheLimit) {
    constexpr std::size_t kLimit = 100'000;  // past the first 64 KiB read, so the buffer grows
    for (const std::size_t sent : {kLimit, kLimit + 1}) {
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        std::thread writer([&] {
            EXPECT_EQ(WriteAll(ends[1], std::string(sent, 'x')), "");
            ::close(ends[1]);
        });
        std::string bytes, why;
        const auto read = ReadLocalFile("/proc/self/fd/" + std::to_string(ends[0]), kLimit, bytes, &why, Pipes::Read);
        writer.join();
        ::close(ends[0]);
        if (sent == kLimit) EXPECT_EQ(std::tuple(read, bytes.size()), std::tuple(FileRead::Ok, kLimit)) << why;
        else EXPECT_EQ(std::tie(read, why), std::tuple(FileRead::Failed, "larger than 100000 bytes"));
    }
}

// What may be read or written: regular files up to the limit, nothing that only looks like a file.
// A private output's mode is the transcript's test's (CliTranscript).
TEST(LocalFile, RegularFilesOnlyUpToTheLimit) {
    test::TempDir dir;
    const auto file = [&dir](const std::string& name, std::size_t size) {
        FILE* f = std::fopen((dir / name).c_str(), "w");
        std::fputs(std::string(size, 'x').c_str(), f);
        std::fclose(f);
        return (dir / name).string();
    };
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    const struct { std::string path; std::size_t limit; FileRead read; std::string result; } cases[] = {
        {file("eight", 8), 8, FileRead::Ok, "xxxxxxxx"}, {file("nine", 9), 8, FileRead::Failed, "larger than 8 bytes"},
        {file("empty", 0), 8, FileRead::Ok, ""}, {(dir / "none").string(), 8, FileRead::Missing, ""},
        {file("mib", (1u << 20) + 1), 1u << 20, FileRead::Failed, "larger than 1 MiB"},
        {dir.path().string(), 8, FileRead::Failed, "Is a directory"}, {(dir / "fifo").string(), 8, FileRead::Failed, "it is a FIFO"},
        {"/dev/null", 8, FileRead::Failed, "it is a device"}, {file("f", 1) + "/x", 8, FileRead::Failed, "Not a directory"},
    };
    for (const auto& c : cases) {
        std::string bytes = "old", why;
        const FileRead read = ReadLocalFile(c.path, c.limit, bytes, &why);
        EXPECT_EQ(std::tuple(read, read == FileRead::Ok ? bytes : why), std::tuple(c.read, c.result)) << c.path;
        EXPECT_EQ(bytes, read == FileRead::Ok ? c.result : "") << c.path;
        if (read == FileRead::Failed) {
            EXPECT_EQ(OutputProblem(c.path), c.result.rfind("larger", 0) == 0 ? "" : c.result) << c.path;
        }
    }
    EXPECT_EQ(OutputProblem((dir / "none").string()), "");

    std::string why;
    EXPECT_EQ(ClaimNewFile(dir / "claimed", why), Claim::Claimed);
    EXPECT_EQ(test::FileMode(dir / "claimed"), 0600u);
    EXPECT_EQ(ClaimNewFile(dir / "claimed", why), Claim::Exists);
    EXPECT_EQ(ClaimNewFile(dir / "none" / "x", why), Claim::Failed);
    EXPECT_EQ(why, "No such file or directory");
}

}  // namespace
}  // namespace pelmora::link
