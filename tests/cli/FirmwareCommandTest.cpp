// `pelmora firmware` in-process on the virtual printer; a whole stream
// arriving unchanged is in the USB end-to-end test.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "support/ConfigCli.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

TEST(FirmwareCommand, AnEmptyFileWarnsATooLargeOneIsRefused) {
    test::ConfigCli cli;
    const auto empty = cli.dir / "empty.fls";
    std::ofstream(empty).flush();
    auto run = cli.RunPelmora({"--tcp", "127.0.0.1:9100", "firmware", empty.string()});
    EXPECT_EQ(std::tie(run.status, run.err),
              std::tuple(0, "pelmora: warning: the firmware file is empty; nothing was sent\n"));

    const auto huge = cli.dir / "huge.fls";
    std::ofstream(huge).flush();
    std::filesystem::resize_file(huge, (64u << 20) + 1);  // sparse: no disk space taken
    run = cli.RunPelmora({"--tcp", "127.0.0.1:9100", "firmware", huge.string()});
    EXPECT_EQ(std::tie(run.status, run.err),
              std::tuple(2, "Error : File Open Error!\n(" + huge.string() +
                                ": larger than 64 MiB, the most a firmware file can be)\n"));
    EXPECT_TRUE(cli.printer.firmwareStreams().empty());
}

// A service manager's stop mid-download ends between two pieces and says
// the printer may need the whole file again; before the first piece, that nothing was sent.
TEST(FirmwareCommand, AStopSignalSaysWhatThePrinterGot) {
    test::TempDir dir;
    const auto received = dir / "received.bin", firmware = dir / "big.fls", err = dir / "err.txt";
    std::ofstream(firmware, std::ios::binary) << std::string(8u << 20, '\x5A');
    test::SimProcess sim({"--firmware-out", received.string()});
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
        ::execl(PELMORA_CLI_PATH, PELMORA_CLI_PATH, "--tcp", sim.address().c_str(), "firmware", firmware.c_str(),
                static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    const auto arrived = [&received] {
        std::error_code none;
        const auto size = std::filesystem::file_size(received, none);
        return !none && size > 0;
    };
    for (int waited = 0; waited < 2000 && !arrived(); ++waited) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ::kill(child, SIGTERM);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by the signal";
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const std::string said = test::ReadFile(err);
    EXPECT_NE(said.find("of the firmware was sent: the printer may not start until it gets the whole file"),
              std::string::npos) << said;
    sim.Stop();
    EXPECT_LT(std::filesystem::file_size(received), 8u << 20);
}

}  // namespace
}  // namespace pelmora
