#include "HostilePrinter.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string_view>

#include "link/SerialReadRule.h"
#include "support/PrinterRig.h"

namespace pelmora::fuzz {

std::span<const std::uint8_t> FuzzInput::Take(std::size_t count) {
    const std::size_t n = std::min(count, bytes_.size() - std::min(pos_, bytes_.size()));
    const auto taken = bytes_.subspan(std::min(pos_, bytes_.size()), n);
    pos_ += n;
    return taken;
}

/// One connection: writes reach the honest printer, reads follow the input.
class HostilePlatform::Wire {
public:
    explicit Wire(HostilePlatform& owner) : owner_(owner) { owner_.printer_.BeginSession(); }
    ~Wire() { owner_.printer_.EndSession(); }

    int Write(const std::uint8_t* data, int count) {
        if (broken_ || count < 0) return -1;
        owner_.clock_.Sleep(1);
        for (const sim::Reply& reply : owner_.printer_.Receive(std::span(data, static_cast<std::size_t>(count))))
            honest_.insert(honest_.end(), reply.bytes.begin(), reply.bytes.end());
        return count;
    }

    int Read(std::uint8_t* buffer, int capacity, std::uint64_t silenceMs) {
        if (broken_) return -1;
        if (capacity <= 0) return 0;
        const auto cap = static_cast<std::size_t>(capacity);
        FuzzInput& in = owner_.input_;
        if (in.empty()) return Deliver(buffer, cap, cap, silenceMs);
        const std::uint8_t control = in.Byte();
        const std::size_t n = (control & 0x1F) + 1u;
        switch (control >> 5) {
        case 0:
        case 1:
        case 2: return Deliver(buffer, cap, n, silenceMs);  // a piece of the honest reply
        case 3: return Silence(silenceMs);
        case 4: {  // bytes of the input in place of a reply
            const auto junk = in.Take(std::min(n, cap));
            if (junk.empty()) return Silence(silenceMs);
            std::copy(junk.begin(), junk.end(), buffer);
            owner_.clock_.Sleep(1);
            return static_cast<int>(junk.size());
        }
        case 5:  // part of the honest reply lost on the line
            honest_.erase(honest_.begin(), honest_.begin() + static_cast<std::ptrdiff_t>(std::min(n, honest_.size())));
            return Deliver(buffer, cap, cap, silenceMs);
        case 6: {  // one byte altered
            const std::uint8_t mask = in.Byte();
            if (!honest_.empty()) honest_[std::min(n - 1, honest_.size() - 1)] ^= mask;
            return Deliver(buffer, cap, cap, silenceMs);
        }
        default: broken_ = true; return -1;
        }
    }

    void Purge() { honest_.clear(); }

private:
    int Deliver(std::uint8_t* buffer, std::size_t capacity, std::size_t wanted, std::uint64_t silenceMs) {
        const std::size_t count = std::min({capacity, wanted, honest_.size()});
        if (count == 0) return Silence(silenceMs);
        std::copy_n(honest_.begin(), count, buffer);
        honest_.erase(honest_.begin(), honest_.begin() + static_cast<std::ptrdiff_t>(count));
        owner_.clock_.Sleep(1);
        return static_cast<int>(count);
    }
    int Silence(std::uint64_t ms) {
        owner_.clock_.Sleep(static_cast<std::uint32_t>(ms));
        return 0;
    }

    HostilePlatform& owner_;
    std::deque<std::uint8_t> honest_;
    bool broken_ = false;
};

namespace {

class HostileSerial final : public link::SerialChannel {
public:
    explicit HostileSerial(HostilePlatform& owner) : wire_(owner) {}
    int Write(const std::uint8_t* data, int count) override { return wire_.Write(data, count); }
    int Read(std::uint8_t* buffer, int capacity) override {
        const link::SerialReadRule rule(timeouts_, capacity, 0);
        return wire_.Read(buffer, capacity, rule.TotalDeadline());
    }
    bool GetLineState(link::SerialLineState& state) override { state = line_; return true; }
    bool SetLineState(const link::SerialLineState& state) override { line_ = state; return true; }
    bool SetTimeouts(const link::SerialTimeouts& timeouts) override { timeouts_ = timeouts; return true; }
    bool Purge() override { wire_.Purge(); return true; }
    bool GetModemStatus(bool& dsrOn) override { dsrOn = true; return true; }
    bool ClearEventMask() override { return true; }

private:
    HostilePlatform::Wire wire_;
    link::SerialLineState line_;
    link::SerialTimeouts timeouts_;
};

class HostileStream final : public link::Channel {
public:
    explicit HostileStream(HostilePlatform& owner) : wire_(owner) {}
    int Write(const std::uint8_t* data, int count) override { return wire_.Write(data, count); }
    int Read(std::uint8_t* buffer, int capacity) override { return wire_.Read(buffer, capacity, kStreamSilenceMs); }

private:
    HostilePlatform::Wire wire_;
};

}  // namespace

std::unique_ptr<link::SerialChannel> HostilePlatform::OpenSerial(const std::string&) {
    return std::make_unique<HostileSerial>(*this);
}
std::unique_ptr<link::Channel> HostilePlatform::OpenUsb(const std::string&) {
    return std::make_unique<HostileStream>(*this);
}
std::unique_ptr<link::Channel> HostilePlatform::ConnectTcp(const std::string&, std::uint16_t) {
    return std::make_unique<HostileStream>(*this);
}

link::CommSettings SettingsFor(std::int32_t portType) {
    if (portType == link::PortTcp) return test::LoopbackTcp();
    link::CommSettings settings;
    settings.portType = portType;
    settings.port = portType == link::PortUsb ? "/dev/usb/lp0" : "COM1";
    return settings;
}

namespace {

constexpr std::string_view kScratchPrefix = "pelmora-fuzz-";

// Fork mode kills its workers on a crash or a time-out, so their folders are
// never removed at exit; the next process sweeps those of dead processes.
void RemoveFoldersOfDeadRuns(const std::filesystem::path& base) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(base, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(kScratchPrefix, 0) != 0) continue;
        const std::string digits = name.substr(kScratchPrefix.size());
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) continue;
        const long pid = std::strtol(digits.c_str(), nullptr, 10);
        if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            std::filesystem::remove_all(entry.path(), error);
    }
}

}  // namespace

const std::filesystem::path& ScratchDir() {
    // Never destroyed: the at-exit removal below runs after static destructors
    // and must still see the path (a destroyed one named a garbage folder).
    static const std::filesystem::path* const dir = [] {
        const std::filesystem::path shm = "/dev/shm";
        const auto base = std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        RemoveFoldersOfDeadRuns(base);
        const auto* made = new std::filesystem::path(base / (std::string(kScratchPrefix) + std::to_string(::getpid())));
        std::filesystem::create_directories(*made);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchDir(), ignored);
        });
        return made;
    }();
    return *dir;
}

std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ResetFile(const std::filesystem::path& file, const std::string& text) {
    if (FileBytes(file) == text) return;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    Check(static_cast<bool>(out.flush()), "cannot write " + file.string());
}

void Fail(const std::string& what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}

}  // namespace pelmora::fuzz
