#pragma once
// A client's side of a line to a printer served in this process (a socket or
// a pseudo-terminal): write a command, read what comes back.
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <vector>

namespace pelmora::test {

/// Writes `command`, then reads for up to a second until `count` bytes came;
/// fewer when the line ended or stayed silent.
inline std::vector<std::uint8_t> Exchange(int fd, const std::vector<std::uint8_t>& command, std::size_t count) {
    if (::write(fd, command.data(), command.size()) != static_cast<ssize_t>(command.size())) return {};
    std::vector<std::uint8_t> got;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (got.size() < count && std::chrono::steady_clock::now() < until) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, 50) <= 0) continue;
        std::uint8_t buffer[256];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}

}  // namespace pelmora::test
