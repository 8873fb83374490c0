#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <tuple>
#include <unistd.h>

#include "link/LocalFile.h"

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

}  // namespace
}  // namespace pelmora::link
