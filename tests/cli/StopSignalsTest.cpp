#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/CliContext.h"

namespace pelmora::cli {
namespace {

void Ignore(int) {}

// What systemd, timeout and Ansible send (SIGTERM), a closed terminal
// (SIGHUP) and Ctrl-C all take the Cancel path while a job runs, instead of
// ending the program between enter- and end-of-setting; afterwards each
// signal has the handler it had before.
TEST(StopSignals, EachCancelsTheRunningJobAndIsHandedBackAfterwards) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction before {};
        before.sa_handler = Ignore;
        struct sigaction saved {};
        ASSERT_EQ(::sigaction(signal, &before, &saved), 0);
        {
            const InterruptScope outer;
            const InterruptScope inner;  // scopes nest: fleet threads each hold one
            EXPECT_FALSE(Interrupted()) << signal;
            std::raise(signal);
            EXPECT_TRUE(Interrupted()) << signal;
        }
        struct sigaction after {};
        ::sigaction(signal, nullptr, &after);
        EXPECT_EQ(after.sa_handler, &Ignore) << signal;
        ::sigaction(signal, &saved, nullptr);
    }
}

// A reader that goes away (`pelmora ... | head -1`, a closed log pipe) ends no
// run by SIGPIPE, whatever the shell left it at: a job is never cut off halfway.
TEST(StopSignals, AClosedOutputPipeEndsNoRunBySignal) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::signal(SIGPIPE, SIG_DFL);
        ::dup2(ends[1], STDOUT_FILENO);
        ::execl(PELMORA_CLI_PATH, PELMORA_CLI_PATH, "--help", nullptr);
        std::_Exit(127);
    }
    ::close(ends[1]);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

}  // namespace
}  // namespace pelmora::cli
