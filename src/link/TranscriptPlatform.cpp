#include "link/TranscriptPlatform.h"

#include <utility>

namespace pelmora::link {

namespace {

using Kind = TranscriptEvent::Kind;

TranscriptEvent Event(Kind kind, int result = 0) {
    TranscriptEvent e;
    e.kind = kind;
    e.result = result;
    return e;
}

// Records the byte traffic of a channel and its closing; everything else
// passes straight to the channel it wraps.
template <class Base>
class Recorded : public Base {
public:
    Recorded(std::unique_ptr<Base> inner, TranscriptPlatform& owner)
        : inner_(std::move(inner)), owner_(owner) {}
    ~Recorded() override { owner_.Record(Event(Kind::Close)); }

    int Write(const std::uint8_t* data, int count) override {
        const int taken = inner_->Write(data, count);
        TranscriptEvent e = Event(Kind::Write, taken);
        if (count > 0) e.bytes.assign(data, data + count);
        owner_.Record(std::move(e));
        return taken;
    }

    int Read(std::uint8_t* buffer, int capacity) override {
        const int count = inner_->Read(buffer, capacity);
        TranscriptEvent e = Event(count > 0 ? Kind::Read : count == 0 ? Kind::Timeout : Kind::ReadError, count);
        if (count > 0) e.bytes.assign(buffer, buffer + count);
        owner_.Record(std::move(e));
        return count;
    }
    bool ReadFoundBytesWaiting() const override { return inner_->ReadFoundBytesWaiting(); }

protected:
    std::unique_ptr<Base> inner_;
    TranscriptPlatform& owner_;
};

class RecordedSerial final : public Recorded<SerialChannel> {
public:
    using Recorded::Recorded;
    bool GetLineState(SerialLineState& state) override { return inner_->GetLineState(state); }
    bool SetLineState(const SerialLineState& state) override { return inner_->SetLineState(state); }
    bool SetTimeouts(const SerialTimeouts& timeouts) override { return inner_->SetTimeouts(timeouts); }
    void WatchStop(const StopRequest* stop) override { inner_->WatchStop(stop); }
    bool Purge() override { return inner_->Purge(); }
    bool GetModemStatus(bool& dsrOn) override { return inner_->GetModemStatus(dsrOn); }
    bool ClearEventMask() override { return inner_->ClearEventMask(); }
};

}  // namespace

TranscriptPlatform::TranscriptPlatform(Platform& inner, TranscriptSink& sink, std::uint32_t link)
    : inner_(inner), sink_(sink), link_(link), start_(inner.clock().TickCount()) {}

void TranscriptPlatform::Record(TranscriptEvent event) {
    event.link = link_;
    // The tick counter wraps at 32 bits; the difference stays right across a wrap.
    event.timeMs = static_cast<std::uint32_t>(inner_.clock().TickCount() - start_);
    sink_.Record(event);
}

bool TranscriptPlatform::Opened(bool ok, const char* channel, const std::string& port) {
    TranscriptEvent e = Event(ok ? Kind::Open : Kind::OpenFailed);
    e.channel = channel;
    e.port = port;
    Record(std::move(e));
    return ok;
}

std::unique_ptr<SerialChannel> TranscriptPlatform::OpenSerial(const std::string& name) {
    auto channel = inner_.OpenSerial(name);
    if (!Opened(channel != nullptr, "serial", name)) return nullptr;
    return std::make_unique<RecordedSerial>(std::move(channel), *this);
}

std::unique_ptr<Channel> TranscriptPlatform::OpenUsb(const std::string& path) {
    auto channel = inner_.OpenUsb(path);
    if (!Opened(channel != nullptr, "usb", path)) return nullptr;
    return std::make_unique<Recorded<Channel>>(std::move(channel), *this);
}

std::unique_ptr<Channel> TranscriptPlatform::ConnectTcp(const std::string& ipv4, std::uint16_t port) {
    auto channel = inner_.ConnectTcp(ipv4, port);
    const std::string host = ipv4.find(':') != std::string::npos ? "[" + ipv4 + "]" : ipv4;
    if (!Opened(channel != nullptr, "tcp", host + ":" + std::to_string(port))) return nullptr;
    return std::make_unique<Recorded<Channel>>(std::move(channel), *this);
}

}  // namespace pelmora::link
