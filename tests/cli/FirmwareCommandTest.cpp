// `pelmora firmware` in-process on the virtual printer; a whole stream
// arriving unchanged is in the USB end-to-end test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/ConfigCli.h"

namespace pelmora {
namespace {

TEST(FirmwareCommand, AnEmptyFileWarnsATooLargeOneIsRefused) {
    test::ConfigCli cli;
    const auto empty = cli.dir / "empty.fls";
    std::ofstream(empty).flush();
    auto run = cli.RunPelmora({"--tcp", "127.0.0.1:9100", "firmware", empty.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "pelmora: warning: the firmware file is empty; nothing was sent\n");

    const auto huge = cli.dir / "huge.fls";
    std::ofstream(huge).flush();
    std::filesystem::resize_file(huge, (64u << 20) + 1);  // sparse: no disk space taken
    run = cli.RunPelmora({"--tcp", "127.0.0.1:9100", "firmware", huge.string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Error : File Open Error!\n(" + huge.string() +
                           ": larger than 64 MiB, the most a firmware file can be)\n");
    EXPECT_TRUE(cli.printer.firmwareStreams().empty());

    // Keeping the settings, both are refused before the printer is asked anything.
    for (const auto& file : {empty, huge}) {
        run = cli.RunPelmora({"--tcp", "127.0.0.1:9100", "firmware", "--keep-settings", file.string()});
        EXPECT_EQ(run.status, 2) << file;
        EXPECT_TRUE(cli.printer.commandLog().empty()) << file;
    }
}

}  // namespace
}  // namespace pelmora
