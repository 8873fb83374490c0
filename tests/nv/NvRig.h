#pragma once
// The NV engine on the virtual printer, with a job host on virtual time that
// records what the progress window would show.
#include <string>
#include <utility>
#include <vector>

#include "context/JobRunner.h"
#include "nv/CCommonNv.h"
#include "nv/NvBlocks.h"
#include "nv/NvManager.h"
#include "sim/NvHandler.h"
#include "support/PrinterRig.h"

namespace pelmora::nv::test {

/// Every label shown, with the bar steps taken under it.
struct RecordingView : context::ProgressView {
    void SetTitle(const std::string& text) override { titles.push_back(text); }
    void SetLabel(const std::string& text) override { labels.push_back({text, 0}); }
    void SetPosition(int value) override {
        position = value;
        if (!labels.empty()) ++labels.back().second;
    }
    /// Steps taken under the label's last showing.
    int StepsUnder(const std::string& label) const {
        for (auto it = labels.rbegin(); it != labels.rend(); ++it)
            if (it->first == label) return it->second;
        return -1;
    }
    std::vector<std::string> titles;
    std::vector<std::pair<std::string, int>> labels;
    int position = 0;
};

struct VirtualHost : NvJobHost {
    explicit VirtualHost(link::Clock& c) : clock(c) {}
    context::ProgressView& view() override { return recorder; }
    context::JobEnd Run(context::JobRunner& runner) override { return context::DriveJob(runner, clock); }
    link::Clock& clock;
    RecordingView recorder;
};

struct NvRig : pelmora::test::PrinterRig {
    NvRig() : nv(util, store), host(platform.clock()) {}

    sim::NvHandler& handler() { return *printer.Handler<sim::NvHandler>(); }

    /// Puts images under these codes into the printer without going through the link.
    void Preload(const std::vector<std::string>& codes) {
        Raster raster;
        raster.width = 8;
        raster.height = 1;
        raster.bytes = {0xAA};
        for (const auto& code : codes) printer.Receive(RasterDefinitionBlock(raster, code[0], code[1]));
        printer.EndSession();
        printer.ClearLogs();
    }

    /// Plays a printer of the older command set.
    void MakeLegacy(std::uint32_t firmware = 30000) {
        printer.firmwareOverride = firmware;
        util.FirmwareVersion = firmware;
    }

    CCommonNv nv;
    VirtualHost host;
};

/// A raster definition block of exactly `length` bytes (length > 16).
inline NvDownloadBlock BlockOfLength(const std::string& name, std::size_t length, const std::string& code = "10") {
    Raster raster;
    raster.width = 8;
    raster.height = static_cast<std::uint16_t>(length - kRasterDefinitionHead);
    raster.bytes.assign(raster.height, 0x5A);
    return {name, RasterDefinitionBlock(raster, code[0], code[1])};
}

}  // namespace pelmora::nv::test
