#include <gtest/gtest.h>

#include <csignal>

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

}  // namespace
}  // namespace pelmora::cli
