#pragma once
// Started without standard input (as by a service or a cron job), the first
// file or socket a program opens is descriptor 0.
#include <fcntl.h>
#include <unistd.h>

#include <functional>

namespace pelmora::test {

/// Runs `work` with descriptor 0 closed; false when `work` kept it open.
inline bool GivesDescriptorZeroBack(const std::function<void()>& work) {
    const int input = ::dup(0);
    ::close(0);
    work();
    const int next = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ::dup2(input, 0);
    ::close(input);
    if (next > 0) ::close(next);
    return next == 0;
}

}  // namespace pelmora::test
