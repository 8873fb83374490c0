#pragma once
#include <algorithm>
#include <deque>
#include <optional>
#include <stdexcept>

#include "link/PrinterLink.h"
#include "sim/ConfigHandler.h"
#include "support/PrinterRig.h"
#include "vmsm/MemorySwitchEngine.h"
#include "vmsm/FromHex.h"
#include "vmsm/VmsmJobRunner.h"

namespace pelmora::test {

/// What a progress window would have shown.
struct RecordingView final : context::ProgressView {
    void SetTitle(const std::string& t) override { titles.push_back(t); }
    void SetLabel(const std::string& l) override { labels.push_back(l); }
    void SetPosition(int p) override { positions.push_back(p); }
    std::vector<std::string> titles, labels;
    std::vector<int> positions;
};

struct JobTrace {
    context::JobEnd end = context::JobEnd::Running;
    std::string message;
    std::vector<int> phases;
    std::vector<std::uint32_t> delays;  ///< before each phase
    std::uint64_t ms = 0;               ///< virtual time from opening to the end
};

/// The printer rig with the engine on top; given a firmware version `v`, the
/// MPT-Q700VII is opened and identified, then plays `v` with MSR mode `m`.
struct VmsmRig : PrinterRig {
    VmsmRig() = default;
    explicit VmsmRig(std::uint32_t v, std::uint8_t m = '9') {
        if (!Open() || !Identify()) throw std::runtime_error("the virtual printer did not answer");
        util.identityForTest().firmwareVersion = printer.firmwareOverride = v;
        util.identityForTest().msrSetValue = printer.identity.msrMode = m;
        TakeReceived();
        TakeLog();
    }

    vmsm::MemorySwitchEngine engine{util};
    RecordingView view;

    sim::ConfigHandler& config() { return *printer.Handler<sim::ConfigHandler>(); }
    sim::PrinterSettings& held() { return config().settings; }
    void Fail(const std::string& key, sim::Fault fault) { printer.faults.perCommand[key] = fault; }

    /// Drives a job on virtual time, from `from` in place of its entry phase when given.
    JobTrace Run(vmsm::VmsmJob job, context::Layout variant = context::Layout::Desktop, std::optional<int> from = {}) {
        vmsm::VmsmJobRunner runner(engine, view, job, variant);
        JobTrace trace;
        const auto start = Now();
        auto next = runner.Open();
        if (next && from) next->phase = *from;
        for (; next; next = runner.RunPhase(next->phase)) {
            trace.phases.push_back(next->phase);
            trace.delays.push_back(next->delayMs);
            platform.clock().Sleep(next->delayMs);
        }
        trace.end = runner.End();
        trace.message = runner.Message();
        trace.ms = Now() - start;
        return trace;
    }

    /// Command keys the printer logged since the last call.
    std::vector<std::string> TakeLog() {
        const auto& all = printer.commandLog();  // only grows
        std::vector<std::string> fresh(all.begin() + static_cast<std::ptrdiff_t>(taken_), all.end());
        taken_ = all.size();
        return fresh;
    }

private:
    std::size_t taken_ = 0;
};

/// An open link whose reads follow a script, for the collectors: an empty
/// entry, or the end of the script, is a silent read costing `silentReadMs`.
struct ScriptedLink final : link::Platform {
    explicit ScriptedLink(std::deque<std::vector<std::uint8_t>> script = {}) : reads(std::move(script)) {
        link.Configure(test::LoopbackTcp());
        link.OpenPort();
    }
    std::deque<std::vector<std::uint8_t>> reads;
    std::vector<std::vector<std::uint8_t>> writes;
    std::uint32_t silentReadMs = 1000;
    int readCount = 0;
    link::VirtualClock virtualClock;
    link::NullTrace nullTrace;
    link::PrinterLink link{*this};

    std::uint64_t Now() const { return virtualClock.Now(); }
    link::Clock& clock() override { return virtualClock; }
    link::TraceSink& trace() override { return nullTrace; }
    std::unique_ptr<link::SerialChannel> OpenSerial(const std::string&) override { return nullptr; }
    std::unique_ptr<link::Channel> OpenUsb(const std::string&) override { return nullptr; }
    std::unique_ptr<link::Channel> ConnectTcp(const std::string&, std::uint16_t) override {
        return std::make_unique<Wire>(*this);
    }

private:
    struct Wire final : link::Channel {
        explicit Wire(ScriptedLink& s) : s_(s) {}
        int Write(const std::uint8_t* data, int count) override {
            s_.writes.emplace_back(data, data + count);
            return count;
        }
        int Read(std::uint8_t* buffer, int capacity) override {
            ++s_.readCount;
            auto& q = s_.reads;
            if (q.empty() || q.front().empty()) {
                if (!q.empty()) q.pop_front();
                s_.virtualClock.Sleep(s_.silentReadMs);
                return 0;
            }
            const int n = std::min(capacity, static_cast<int>(q.front().size()));
            std::copy_n(q.front().begin(), n, buffer);
            q.front().erase(q.front().begin(), q.front().begin() + n);
            if (q.front().empty()) q.pop_front();
            return n;
        }
        ScriptedLink& s_;
    };
};

}  // namespace pelmora::test
