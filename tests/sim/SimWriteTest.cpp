// Files the simulator writes (its state, the firmware it took) are whole or
// untouched: a full disk keeps the old file and is said, never an empty file.
// What a write with room leaves is SimServer's (state) and UsbEndToEnd's (firmware).
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <thread>

#include "link/AtomicFile.h"
#include "sim/SimServer.h"
#include "support/PrinterRig.h"

namespace pelmora {
namespace {

ssize_t DiskFull(int, const void*, std::size_t) {
    errno = ENOSPC;
    return -1;
}

ssize_t DiskFullAfterSome(int fd, const void* data, std::size_t size) {
    if (size > 1) return ::write(fd, data, size / 2);
    errno = ENOSPC;
    return -1;
}

// One client on loopback: sends `bytes`, waits for the printer to have read them, hangs up.
void Visit(const std::string& address, const std::vector<std::uint8_t>& bytes) {
    const auto port = static_cast<std::uint16_t>(std::stoi(address.substr(address.rfind(':') + 1)));
    sockaddr_in to{.sin_family = AF_INET, .sin_port = htons(port), .sin_addr = {htonl(INADDR_LOOPBACK)}, .sin_zero = {}};
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to), 0);
    ASSERT_EQ(::send(fd, bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
    ::shutdown(fd, SHUT_WR);
    char sink[256];
    while (::recv(fd, sink, sizeof sink, 0) > 0) {}  // until the server has ended the session
    ::close(fd);
}

TEST(SimWrites, AFullDiskKeepsTheOldFileAndIsReported) {
    const std::vector<std::uint8_t> model{0x1D, 0x49, 0x43}, firmware(5000, 0xA5);
    const struct { const char* what; bool firmwareFile; link::FileWriteCall fault; } cases[] = {
        {"state, disk full", false, &DiskFull},         {"state, disk full midway", false, &DiskFullAfterSome},
        {"firmware, disk full", true, &DiskFull},       {"firmware, disk full midway", true, &DiskFullAfterSome},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        const auto file = dir / "out";
        std::ofstream(file) << "old";
        sim::PrinterModel printer;
        sim::SimServerOptions options;
        options.port = 0;
        options.restartMs = 0;
        (c.firmwareFile ? options.firmwareFile : options.stateFile) = file;
        sim::SimServer server(printer, options);
        std::string error;
        ASSERT_TRUE(server.Listen(error)) << error;
        std::atomic<bool> stop{false};
        link::SetFileWriteCallForTest(c.fault);
        std::thread serving([&] { server.Run(stop, error); });
        Visit(server.boundAddress(), c.firmwareFile ? firmware : model);
        stop = true;
        serving.join();
        link::SetFileWriteCallForTest(nullptr);

        EXPECT_EQ(test::ReadFile(file), "old") << c.what;
        EXPECT_NE(server.writeError().find("No space left on device"), std::string::npos) << c.what;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << c.what << ": no temporary file left";
    }
}

}  // namespace
}  // namespace pelmora
