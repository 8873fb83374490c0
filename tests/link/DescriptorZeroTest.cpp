// Every opener of files and sockets takes descriptor 0 as opened, and gives it back.
#include <gtest/gtest.h>

#include "link/AtomicFile.h"
#include "link/ConnectProbe.h"
#include "link/LocalFile.h"
#include "link/TcpChannel.h"
#include "link/Trace.h"
#include "support/DescriptorZero.h"
#include "support/LoopbackListener.h"
#include "support/TempDir.h"

namespace pelmora::link {
namespace {

using test::GivesDescriptorZeroBack;

TEST(DescriptorZero, FilesOpenReadAndWrite) {
    test::TempDir dir;
    const auto file = dir / "store";
    EXPECT_TRUE(GivesDescriptorZeroBack([&] { EXPECT_EQ(ReplaceFile(file, "first", 0600), ""); }));
    std::string bytes, why;
    EXPECT_TRUE(GivesDescriptorZeroBack(
        [&] { EXPECT_EQ(ReadLocalFile(file.string(), 64, bytes, &why), FileRead::Ok) << why; }));
    EXPECT_EQ(bytes, "first");
    EXPECT_TRUE(GivesDescriptorZeroBack(
        [&] { EXPECT_EQ(ClaimNewFile((dir / "claimed").string(), why), Claim::Claimed) << why; }));
    EXPECT_TRUE(GivesDescriptorZeroBack([&] {
        std::FILE* out = OpenPrivateOutput((dir / "trace").string(), why);
        ASSERT_NE(out, nullptr) << why;
        std::fclose(out);
    }));
}

TEST(DescriptorZero, SocketsConnect) {
    test::LoopbackListener printer(8);
    ASSERT_GE(printer.fd(), 0);
    StopRequest never;
    EXPECT_TRUE(GivesDescriptorZeroBack(
        [&] { EXPECT_EQ(ProbeTcp("127.0.0.1", printer.port(), 1000, never).kind, ProbeOutcome::Accepted); }));
    NullTrace trace;
    EXPECT_TRUE(GivesDescriptorZeroBack([&] {
        const auto channel = TcpChannel::Connect("127.0.0.1", printer.port(), trace);
        ASSERT_NE(channel, nullptr);
        const std::uint8_t query[] = {0x1D, 0x49, 0x43};
        EXPECT_EQ(channel->Write(query, 3), 3);
    }));
    const std::uint16_t port = printer.port();
    printer.Close();
    EXPECT_TRUE(GivesDescriptorZeroBack([&] { EXPECT_EQ(TcpChannel::Connect("127.0.0.1", port, trace), nullptr); }));
}

}  // namespace
}  // namespace pelmora::link
