#include "VmsmRig.h"

#include <algorithm>

namespace pelmora::test {

void VmsmRig::Connect(std::uint32_t v, std::uint8_t m) {
    if (!Open() || !Identify()) throw std::runtime_error("the virtual printer did not answer");
    util.FirmwareVersion = v;
    util.MsrSetValue = m;
    printer.firmwareOverride = v;
    printer.identity.msrMode = m;
    TakeReceived();
    TakeLog();
}

JobTrace VmsmRig::Run(vmsm::VmsmJob job, vmsm::Variant variant, std::optional<int> from) {
    vmsm::VmsmJobRunner runner(engine, view, job, variant);
    JobTrace trace;
    auto next = runner.Open();
    if (next && from) next->phase = *from;
    while (next) {
        trace.phases.push_back(next->phase);
        trace.delays.push_back(next->delayMs);
        platform.clock().Sleep(next->delayMs);
        next = runner.RunPhase(next->phase);
    }
    trace.end = runner.End();
    trace.message = runner.Message();
    return trace;
}

std::vector<std::string> VmsmRig::TakeLog() {
    const auto& all = printer.commandLog();
    std::vector<std::string> fresh(all.begin() + static_cast<std::ptrdiff_t>(std::min(logTaken_, all.size())),
                                   all.end());
    logTaken_ = all.size();
    return fresh;
}

namespace {

class ScriptedChannel final : public link::Channel {
public:
    explicit ScriptedChannel(ScriptedPlatform& owner) : owner_(owner) {}
    int Write(const std::uint8_t* data, int count) override {
        owner_.writes.emplace_back(data, data + count);
        return count;
    }
    int Read(std::uint8_t* buffer, int capacity) override {
        ++owner_.readCount;
        if (owner_.reads.empty() || owner_.reads.front().empty()) {
            if (!owner_.reads.empty()) owner_.reads.pop_front();
            owner_.clock().Sleep(owner_.silentReadMs);
            return 0;
        }
        auto& next = owner_.reads.front();
        const int n = std::min(capacity, static_cast<int>(next.size()));
        std::copy(next.begin(), next.begin() + n, buffer);
        next.erase(next.begin(), next.begin() + n);
        if (next.empty()) owner_.reads.pop_front();
        return n;
    }

private:
    ScriptedPlatform& owner_;
};

}  // namespace

std::unique_ptr<link::Channel> ScriptedPlatform::ConnectTcp(const std::string&, std::uint16_t) {
    return std::make_unique<ScriptedChannel>(*this);
}

ScriptedLink::ScriptedLink() : link(platform) {
    link.portType = link::PortTcp;
    link.portText = "NET127.0.0.1";
    link.baudRate = 9100;
    link.OpenPort();
}

}  // namespace pelmora::test
