#include "link/ConnectProbe.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace pelmora::link {

namespace {

// Short slices, so that a stop request ends every waiting probe at once.
constexpr std::uint32_t kStopCheckMs = 20;

struct AddrInfoList {
    addrinfo* first = nullptr;
    ~AddrInfoList() {
        if (first) ::freeaddrinfo(first);
    }
};

ProbeOutcome WaitConnected(int fd, std::uint32_t timeoutMs, const StopRequest& stop) {
    for (std::uint32_t waited = 0;;) {
        if (stop.Requested()) return {ProbeOutcome::Stopped, {}};
        if (waited >= timeoutMs) return {ProbeOutcome::TimedOut, {}};
        const std::uint32_t slice = std::min(kStopCheckMs, timeoutMs - waited);
        pollfd ready{fd, POLLOUT, 0};
        const int got = ::poll(&ready, 1, static_cast<int>(slice));
        if (got < 0 && errno != EINTR) return {ProbeOutcome::Failed, std::strerror(errno)};
        if (got > 0) break;
        waited += slice;
    }
    int error = 0;
    socklen_t size = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) error = errno;
    if (error == 0) return {ProbeOutcome::Accepted, {}};
    if (error == ECONNREFUSED) return {ProbeOutcome::Refused, {}};
    if (error == ETIMEDOUT) return {ProbeOutcome::TimedOut, {}};
    return {ProbeOutcome::Failed, std::strerror(error)};
}

}  // namespace

ProbeOutcome ProbeTcp(const std::string& numericAddress, std::uint16_t port, std::uint32_t timeoutMs,
                      const StopRequest& stop) {
    addrinfo hints{};
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
    hints.ai_socktype = SOCK_STREAM;
    AddrInfoList found;
    if (port == 0 || ::getaddrinfo(numericAddress.c_str(), std::to_string(port).c_str(), &hints, &found.first) != 0)
        return {ProbeOutcome::BadAddress, {}};
    const int fd = ::socket(found.first->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
    if (fd < 0) return {ProbeOutcome::Failed, std::strerror(errno)};
    ProbeOutcome outcome{ProbeOutcome::Accepted, {}};
    if (::connect(fd, found.first->ai_addr, found.first->ai_addrlen) != 0) {
        const int error = errno;
        if (error == EINPROGRESS) outcome = WaitConnected(fd, timeoutMs, stop);
        else if (error == ECONNREFUSED) outcome = {ProbeOutcome::Refused, {}};
        else outcome = {ProbeOutcome::Failed, std::strerror(error)};
    }
    ::close(fd);
    return outcome;
}

std::vector<std::string> LookUpHost(const std::string& name, std::string& error) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    AddrInfoList found;
    if (const int result = ::getaddrinfo(name.c_str(), nullptr, &hints, &found.first); result != 0) {
        error = ::gai_strerror(result);
        return {};
    }
    std::vector<std::string> v4, v6;
    for (const addrinfo* at = found.first; at; at = at->ai_next) {
        char text[NI_MAXHOST];
        if (::getnameinfo(at->ai_addr, at->ai_addrlen, text, sizeof text, nullptr, 0, NI_NUMERICHOST) != 0) continue;
        auto& list = at->ai_family == AF_INET6 ? v6 : v4;
        if (std::find(list.begin(), list.end(), text) == list.end()) list.emplace_back(text);
    }
    v4.insert(v4.end(), v6.begin(), v6.end());
    if (v4.empty()) error = "no address";
    return v4;
}

}  // namespace pelmora::link
