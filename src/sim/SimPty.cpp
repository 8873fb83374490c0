// The virtual printer on a pseudo-terminal: its sessions run from the first
// bytes a client sends to the moment the last client closes the slave.
#include <cerrno>
#include <chrono>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <thread>

#include "sim/ModemLines.h"
#include "sim/SimServer.h"

namespace pelmora::sim {

namespace {
constexpr int kPollMs = 50;
constexpr auto kFirmwareEndedAfter = std::chrono::milliseconds(500);

// What a UART makes of bytes sent at another speed: framing errors and stray bits.
constexpr std::uint8_t kLineNoise[] = {0xF8, 0x00, 0x80, 0xFE, 0x78};

// The speed the client set on the slave; Linux answers for the slave through the master.
std::uint32_t ClientSpeed(int master) {
    termios line{};
    if (::tcgetattr(master, &line) != 0) return 0;
    switch (::cfgetospeed(&line)) {
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    default: return 0;
    }
}
}  // namespace

bool SimServer::OpenPty(std::string& error) {
    if (!pty_.Open(error)) return false;
    SetDsr(!options_.dsrLow);
    return true;
}

void SimServer::SetDsr(bool on) const {
    if (options_.modemLines.empty()) return;
    const int lines = TIOCM_DSR | TIOCM_CTS;
    ChangeModemLines(options_.modemLines.c_str(), on ? lines : 0, on ? 0 : lines);
}

void SimServer::RunPty(const std::atomic<bool>& stop) {
    using Clock = std::chrono::steady_clock;
    bool inSession = false;
    std::size_t streamsBefore = 0;
    auto lastHeard = Clock::now();
    std::uint8_t buffer[4096];
    while (!stop) {
        pollfd waiting{pty_.master(), POLLIN, 0};
        if (::poll(&waiting, 1, kPollMs) < 0 && errno != EINTR) break;
        const int count = waiting.revents & POLLIN ? ReadMaster(pty_.master(), buffer, sizeof buffer) : 0;
        if (count < 0) break;
        if (count > 0) {
            if (!inSession) streamsBefore = BeginServe();
            inSession = true;
            lastHeard = Clock::now();
            if (options_.baud != 0 && ClientSpeed(pty_.master()) != options_.baud) {
                if (::write(pty_.master(), kLineNoise, sizeof kLineNoise) < 0 && errno != EAGAIN) break;
                continue;
            }
            if (!Answer(pty_.master(), buffer, static_cast<std::size_t>(count))) break;
            if (options_.hangupAfter >= 0 &&
                printer_.commandLog().size() >= static_cast<std::size_t>(options_.hangupAfter)) {
                SetDsr(false);
                pty_.Close();
                EndServe(streamsBefore);
                return;
            }
            continue;
        }
        // With no client on the slave the master reports a hang-up at once; do not spin on it.
        const bool clientGone = (waiting.revents & POLLHUP) != 0;
        const bool firmwareEnded = printer_.receivingFirmware() && Clock::now() - lastHeard >= kFirmwareEndedAfter;
        if (inSession && (clientGone || firmwareEnded)) {
            inSession = false;
            if (EndServe(streamsBefore)) ComeBack(stop);
        }
        if (clientGone) std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    if (inSession) EndServe(streamsBefore);
}

}  // namespace pelmora::sim
