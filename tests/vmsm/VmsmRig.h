#pragma once
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "context/JobRunner.h"
#include "link/CDev.h"
#include "link/Platform.h"
#include "sim/ConfigHandler.h"
#include "vmsm/FromHex.h"
#include "support/PrinterRig.h"
#include "vmsm/CCommonVmsm.h"
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

/// How a job went when driven on virtual time.
struct JobTrace {
    context::JobEnd end = context::JobEnd::Running;
    std::string message;
    std::vector<int> phases;
    std::vector<std::uint32_t> delays;  ///< before each phase
};

/// The printer rig with the engine on top and an identified MPT-Q700VII.
struct VmsmRig : PrinterRig {
    VmsmRig() : engine(util) {}

    vmsm::CCommonVmsm engine;
    RecordingView view;

    sim::ConfigHandler& config() { return *printer.Handler<sim::ConfigHandler>(); }
    sim::PrinterSettings& held() { return config().settings; }
    /// Opens and identifies, then plays firmware `v` with MSR mode `m`.
    void Connect(std::uint32_t v = 160902, std::uint8_t m = '9');
    /// Runs a job from Open (or from `from`, skipping the entry phase).
    JobTrace Run(vmsm::VmsmJob job, vmsm::Variant variant = vmsm::Variant::Desktop, std::optional<int> from = {});
    /// Command keys the printer logged since the last call.
    std::vector<std::string> TakeLog();

private:
    std::size_t logTaken_ = 0;
};

/// A link whose reads follow a script, for collector tests: an empty entry is
/// a silent read costing `silentReadMs` of virtual time.
class ScriptedPlatform final : public link::Platform {
public:
    std::deque<std::vector<std::uint8_t>> reads;
    std::vector<std::vector<std::uint8_t>> writes;
    std::uint32_t silentReadMs = 1000;
    int readCount = 0;

    link::Clock& clock() override { return clock_; }
    link::TraceSink& trace() override { return trace_; }
    std::unique_ptr<link::SerialChannel> OpenSerial(const std::string&) override { return nullptr; }
    std::unique_ptr<link::Channel> OpenUsb(const std::string&) override { return nullptr; }
    std::unique_ptr<link::Channel> ConnectTcp(const std::string&, std::uint16_t) override;
    std::uint64_t Now() const { return clock_.Now(); }

private:
    link::VirtualClock clock_;
    link::NullTrace trace_;
};

/// An open link over a ScriptedPlatform.
struct ScriptedLink {
    ScriptedLink();
    ScriptedPlatform platform;
    link::CDev link;
};

}  // namespace pelmora::test
