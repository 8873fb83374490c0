#pragma once
// The NV engine on the virtual printer, with a job host on virtual time that
// records what the progress window would show.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "context/JobRunner.h"
#include "context/ResultCode.h"
#include "nv/NvEngine.h"
#include "nv/NvBlocks.h"
#include "nv/NvManager.h"
#include "sim/NvHandler.h"
#include "support/ImageFiles.h"
#include "support/PrinterRig.h"

namespace pelmora::nv::test {

using Bytes = std::vector<std::uint8_t>;
using Codes = std::vector<std::string>;

/// Every label shown, with the bar steps taken under that showing.
struct RecordingView : context::ProgressView {
    void SetTitle(const std::string& text) override { titles.push_back(text); }
    void SetLabel(const std::string& text) override { labels.push_back({text, 0}); }
    void SetPosition(int) override { if (!labels.empty()) ++labels.back().second; }
    std::vector<std::string> titles;
    std::vector<std::pair<std::string, int>> labels;
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

    /// The link open and the printer checked, as inside the manager; nothing logged yet.
    void Ready() {
        ASSERT_TRUE(Open());
        nv.MarkPrinterChecked();
        TakeReceived();
    }

    /// Puts images under these codes into the printer without going through the link.
    void Preload(const Codes& codes) {
        for (const auto& code : codes) printer.Receive(RasterDefinitionBlock({8, 1, {0xAA}}, code[0], code[1]));
        printer.EndSession();
        printer.ClearLogs();
    }

    /// Plays a printer of the older command set.
    void MakeLegacy(std::uint32_t firmware = 30000) { printer.firmwareOverride = util.identityForTest().firmwareVersion = firmware; }

    /// A black bitmap file in the rig's folder.
    std::string Bitmap(const std::string& name, int width, int height) {
        const RgbImage black(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), 0x000000);
        return pelmora::test::WriteBytes((dir / name).string(), pelmora::test::Bmp24(black));
    }

    /// Adds a file to the image list as the manager window does.
    void AddImage(const std::string& path, int brightness = 0) {
        const auto item = nv.LoadImageItem(nv.imageList().NextNumber(), path, brightness);
        ASSERT_TRUE(item);
        ASSERT_EQ(nv.editImageList().AddImageItem(*item), rc::Ok);
    }

    NvEngine nv;
    VirtualHost host;
};

/// A raster definition block of exactly `length` bytes (length > 16).
inline NvDownloadBlock BlockOfLength(const std::string& name, std::size_t length, const std::string& code = "10") {
    const auto height = static_cast<std::uint16_t>(length - kRasterDefinitionHead);
    return {name, RasterDefinitionBlock({8, height, Bytes(height, 0x5A)}, code[0], code[1])};
}

}  // namespace pelmora::nv::test
