// The progress bar a person watches on a terminal, and that scripts never see.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "cli/TerminalProgress.h"
#include "support/ConfigCli.h"

namespace pelmora::cli {
namespace {

using testing::EndsWith;
using testing::HasSubstr;

std::string Bar(int filled, const std::string& tail) {
    return "\r[" + std::string(static_cast<std::size_t>(filled), '#') + std::string(static_cast<std::size_t>(30 - filled), ' ') +
           "] " + tail + "\x1b[K";
}

TEST(TerminalProgress, DrawsOneLineInPlaceAndEndsItBeforeTheNextTitle) {
    std::ostringstream out;
    {
        TerminalProgress bar(out, true);
        bar.SetTitle("Get status");
        bar.SetLabel("Reading");
        bar.SetPosition(50);
        bar.SetPosition(101);
        bar.SetPosition(-1);
        bar.SetPosition(99);
        bar.SetTitle("Set status");
        bar.Finish();  // nothing drawn since the title: no empty line
        bar.SetPosition(3);  // the last job's label is gone
    }  // the last line is ended when the bar goes
    EXPECT_EQ(out.str(), "Get status\n" + Bar(0, "0% Reading") + Bar(15, "50% Reading") + Bar(30, "100% Reading") +
                             Bar(0, "0% Reading") + Bar(29, "99% Reading") + "\nSet status\n" + Bar(0, "3% ") + "\n");
    // No terminal, no bar: every in-process test that compares standard error whole.
}

// The command line draws only when standard error is a terminal: one is put there for the run.
class OnATerminal : public ::testing::Test {
protected:
    void SetUp() override {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(master_, 0);
        ASSERT_EQ(::grantpt(master_) | ::unlockpt(master_), 0);
        const int terminal = ::open(::ptsname(master_), O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(terminal, 0);
        savedErr_ = ::dup(STDERR_FILENO);
        ::dup2(terminal, STDERR_FILENO);
        ::close(terminal);
    }
    void TearDown() override {
        if (savedErr_ >= 0) ::dup2(savedErr_, STDERR_FILENO), ::close(savedErr_);
        if (master_ >= 0) ::close(master_);
    }
    int master_ = -1, savedErr_ = -1;
};

TEST_F(OnATerminal, ASearchAndADownloadShowHowFarTheyAre) {
    test::ConfigCli cli;
    const auto search = cli.RunPelmora({"discover", "/dev/usb/lp0", "127.0.0.1", "--port", "1"});
    EXPECT_EQ(search.status, 0) << search.err;
    // (The first bar may already count the address: the search runs beside it.)
    EXPECT_THAT(search.err, HasSubstr(Bar(30, "100% 1 of 1 ports, 1 found")));
    EXPECT_THAT(search.err, EndsWith(Bar(30, "100% 1 of 1 addresses, 0 found") + "\n"));

    const std::string firmware = (cli.dir / "x.fls").string();
    std::ofstream(firmware) << std::string(5000, 'x');
    const auto sent = cli.RunPelmora({"--tcp", "127.0.0.1:9100", "--yes", "firmware", "--no-backup", firmware});
    EXPECT_EQ(std::tie(sent.status, sent.out), std::tuple(0, "Success to download firmware!\nFinished to download "
                                                             "firmware and Reset the printer!\n"));
    EXPECT_THAT(sent.err, EndsWith(Bar(30, "100% Firmware is downloading...Don't turn off the printer!!!") + "\n"));
}

}  // namespace
}  // namespace pelmora::cli
