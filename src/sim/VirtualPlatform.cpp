#include "sim/VirtualPlatform.h"

#include "link/LinkFailure.h"

#include <algorithm>
#include <deque>

#include "link/SerialReadRule.h"
#include "link/WireTime.h"

namespace pelmora::sim {

namespace {

constexpr std::uint64_t kUsPerMs = 1000;
constexpr std::uint32_t kStreamReadTimeoutMs = 1000;  // USB and TCP reads on a silent printer

std::string BareComName(std::string name) {
    if (name.rfind("\\\\.\\", 0) == 0) name.erase(0, 4);
    if (!name.empty() && name.back() == ':') name.pop_back();
    return name;
}

}  // namespace

/// The bytes in flight from the printer, each with its arrival time (µs of
/// virtual time), and the way in: writes go to the printer model.
class VirtualPlatform::Wire {
public:
    Wire(VirtualPlatform& owner, std::uint64_t usPerByte) : owner_(owner), usPerByte_(usPerByte) {
        owner_.printer_.BeginSession();
    }
    ~Wire() { owner_.printer_.EndSession(); }

    std::uint64_t NowUs() const { return owner_.clock_.Now() * kUsPerMs; }
    void AdvanceToUs(std::uint64_t us) { owner_.clock_.AdvanceTo((us + kUsPerMs - 1) / kUsPerMs); }
    void SetUsPerByte(std::uint64_t us) { usPerByte_ = us; }

    int Write(const std::uint8_t* data, int count) {
        if (count < 0) return -1;
        const int index = owner_.writes_++;
        if (owner_.config_.beforeWrite) owner_.config_.beforeWrite(index);
        const int shortFrom = owner_.config_.shortWritesFrom;
        const int taken = (shortFrom >= 0 && index >= shortFrom && count > 0) ? count - 1 : count;
        owner_.writeSizes_.push_back(taken);
        AdvanceToUs(NowUs() + usPerByte_ * static_cast<std::uint64_t>(taken));
        const auto replies = owner_.printer_.Receive(std::span<const std::uint8_t>(data, static_cast<std::size_t>(taken)));
        const std::uint64_t ready = NowUs() + owner_.config_.replyLatencyMs * kUsPerMs;
        std::uint64_t at = std::max(ready, lastArrival_);
        for (const Reply& reply : replies) {
            at = std::max(at, ready + reply.delayMs * kUsPerMs);
            for (std::size_t i = 0; i < reply.bytes.size(); ++i) {
                if (reply.splitAt && i == reply.splitAt) at += reply.splitGapMs * kUsPerMs;
                at += usPerByte_;
                inbound_.push_back({at, reply.bytes[i]});
            }
        }
        lastArrival_ = at;
        return taken;
    }

    // Serial read: the interval / multiplier / constant rule on virtual time.
    int ReadSerial(std::uint8_t* buffer, int capacity, const link::SerialTimeouts& timeouts) {
        const std::uint64_t start = owner_.clock_.Now();
        const link::SerialReadRule rule(timeouts, capacity, start);
        int received = 0;
        std::uint64_t lastMs = start;
        while (received < capacity && !inbound_.empty()) {
            const std::uint64_t arrivalMs = std::max(CeilMs(inbound_.front().first), start);
            if (arrivalMs > rule.Deadline(received, lastMs)) break;
            buffer[received++] = inbound_.front().second;
            inbound_.pop_front();
            lastMs = arrivalMs;
        }
        owner_.clock_.AdvanceTo(rule.Deadline(received, lastMs));
        return received;
    }

    // USB and TCP read: whatever has arrived when the first byte is there, or 0 after the time-out.
    int ReadStream(std::uint8_t* buffer, int capacity) {
        const std::uint64_t deadline = owner_.clock_.Now() + kStreamReadTimeoutMs;
        if (inbound_.empty() || CeilMs(inbound_.front().first) > deadline) {
            owner_.clock_.AdvanceTo(deadline);
            return 0;
        }
        owner_.clock_.AdvanceTo(CeilMs(inbound_.front().first));
        const std::uint64_t nowUs = NowUs();
        int received = 0;
        while (received < capacity && !inbound_.empty() && inbound_.front().first <= nowUs) {
            buffer[received++] = inbound_.front().second;
            inbound_.pop_front();
        }
        return received;
    }

    void Purge() { inbound_.clear(); }

private:
    static std::uint64_t CeilMs(std::uint64_t us) { return (us + kUsPerMs - 1) / kUsPerMs; }

    VirtualPlatform& owner_;
    std::uint64_t usPerByte_;
    std::uint64_t lastArrival_ = 0;
    std::deque<std::pair<std::uint64_t, std::uint8_t>> inbound_;
};

namespace {

class VirtualSerial final : public link::SerialChannel {
public:
    VirtualSerial(VirtualPlatform& owner, link::SerialLineState& line, link::SerialTimeouts& timeouts,
                  int& purges, int& maskClears)
        : wire_(std::make_unique<VirtualPlatform::Wire>(owner, UsPerByte(line.baudRate))),
          owner_(owner), line_(line), timeouts_(timeouts), purges_(purges), maskClears_(maskClears) {}

    int Write(const std::uint8_t* data, int count) override {
        if (!owner_.config().lineHeld) return wire_->Write(data, count);
        owner_.virtualClock().Sleep(link::SerialWriteTimeoutMs(timeouts_, count));
        return 0;
    }
    // A read begun after a stop request returns at once, as a real one within kStopPollMs.
    int Read(std::uint8_t* buffer, int capacity) override {
        return StopRequested() ? 0 : wire_->ReadSerial(buffer, capacity, timeouts_);
    }
    bool GetLineState(link::SerialLineState& state) override {
        if (SetupCallFails()) return false;
        state = line_;
        return true;
    }
    bool SetLineState(const link::SerialLineState& state) override {
        if (SetupCallFails()) return false;
        line_ = state;
        wire_->SetUsPerByte(UsPerByte(state.baudRate));
        return true;
    }
    bool SetTimeouts(const link::SerialTimeouts& timeouts) override {
        if (SetupCallFails()) return false;
        timeouts_ = timeouts;
        return true;
    }
    bool Purge() override {
        ++purges_;
        wire_->Purge();
        return true;
    }
    bool GetModemStatus(bool& dsrOn) override {
        dsrOn = owner_.config().dsrOn;
        return true;
    }
    bool ClearEventMask() override {
        ++maskClears_;
        return true;
    }

private:
    // Ten bits a character: start, eight data, stop.
    static std::uint64_t UsPerByte(std::uint32_t baud) { return baud ? 10'000'000ull / baud : 0; }
    bool SetupCallFails() { return setupCalls_++ == owner_.config().failingSetupCall; }

    std::unique_ptr<VirtualPlatform::Wire> wire_;
    VirtualPlatform& owner_;
    link::SerialLineState& line_;
    link::SerialTimeouts& timeouts_;
    int& purges_;
    int& maskClears_;
    int setupCalls_ = 0;
};

// USB, or TCP with `idleDropMs` set: then the printer drops a client that
// has sent nothing for that long; its reads end and its writes fail.
class VirtualStream final : public link::Channel {
public:
    VirtualStream(VirtualPlatform& owner, std::uint32_t idleDropMs)
        : wire_(owner, 0), owner_(owner), idleDropMs_(idleDropMs), lastHeard_(owner.clock().TickCount()) {}
    int Write(const std::uint8_t* data, int count) override {
        if (CheckPeerGone()) return -1;
        lastHeard_ = owner_.clock().TickCount();
        return wire_.Write(data, count);
    }
    int Read(std::uint8_t* buffer, int capacity) override {
        return CheckPeerGone() || StopRequested() ? 0 : wire_.ReadStream(buffer, capacity);
    }
    bool PeerGone() const override { return dropped_; }
    bool CheckPeerGone() override {
        dropped_ = dropped_ || (idleDropMs_ && owner_.clock().TickCount() - lastHeard_ >= idleDropMs_);
        return dropped_;
    }

private:
    VirtualPlatform::Wire wire_;
    VirtualPlatform& owner_;
    std::uint32_t idleDropMs_;
    std::uint32_t lastHeard_;
    bool dropped_ = false;
};

}  // namespace

VirtualPlatform::VirtualPlatform(PrinterModel& printer, VirtualLinkConfig config)
    : printer_(printer), config_(std::move(config)), trace_(std::make_unique<link::NullTrace>()) {}

VirtualPlatform::~VirtualPlatform() = default;

std::unique_ptr<link::SerialChannel> VirtualPlatform::OpenSerial(const std::string& name) {
    ++openAttempts_;
    const std::string bare = BareComName(name);
    if (!config_.serialPorts.count(bare)) {
        // Named as a real port names itself, without the prefix the link puts before a COM name.
        link::NoteOpenFailure(link::Failure(link::LinkFailure::Kind::NoSuchDevice, bare));
        return nullptr;
    }
    return std::make_unique<VirtualSerial>(*this, lastLine_, lastTimeouts_, purges_, eventMaskClears_);
}

std::unique_ptr<link::Channel> VirtualPlatform::OpenUsb(const std::string& path) {
    ++openAttempts_;
    if (!config_.usbPaths.count(path)) {
        link::NoteOpenFailure(link::Failure(link::LinkFailure::Kind::NoSuchDevice, path));
        return nullptr;
    }
    return std::make_unique<VirtualStream>(*this, 0);
}

std::unique_ptr<link::Channel> VirtualPlatform::ConnectTcp(const std::string& host, std::uint16_t port) {
    ++openAttempts_;
    if (host != config_.tcpAddress || port != config_.tcpPort) {
        link::NoteOpenFailure(link::Failure(link::LinkFailure::Kind::Refused, host + ":" + std::to_string(port)));
        return nullptr;
    }
    return std::make_unique<VirtualStream>(*this, config_.tcpIdleDropMs);
}

}  // namespace pelmora::sim
