// The NV image jobs against a hostile printer: reading the stored codes,
// downloading images, deleting one and printing all, in both programs and both
// dialects, with and without the manager's printer check first.
#include <set>
#include <string>

#include <QImage>

#include "HostileJobs.h"
#include "HostilePrinter.h"
#include "context/CCommonUtil.h"
#include "context/SettingsStore.h"
#include "nv/CCommonNv.h"
#include "nv/NvBlocks.h"
#include "nv/NvJobVariant.h"
#include "nv/NvManager.h"

namespace pelmora::fuzz {
namespace {

struct Host final : nv::NvJobHost {
    explicit Host(link::Clock& c) : clock(c) {}
    context::ProgressView& view() override { return silent; }
    context::JobEnd Run(context::JobRunner& runner) override { return context::DriveJob(runner, clock); }
    link::Clock& clock;
    context::ProgressView silent;
};

// Two small black bitmaps, written once per process.
const std::string& Bitmap(int which) {
    static const std::string paths[2] = {[] {
                                             const auto p = (ScratchDir() / "a.bmp").string();
                                             QImage image(8, 2, QImage::Format_RGB32);
                                             image.fill(Qt::black);
                                             image.save(QString::fromStdString(p), "BMP");
                                             return p;
                                         }(),
                                         [] {
                                             const auto p = (ScratchDir() / "b.bmp").string();
                                             QImage image(24, 5, QImage::Format_RGB32);
                                             image.fill(Qt::black);
                                             image.save(QString::fromStdString(p), "BMP");
                                             return p;
                                         }()};
    return paths[which];
}

std::set<std::string> KnownMessages(const nv::NvJobVariant& v) {
    std::set<std::string> texts{"", v.openFailed, v.readFailed, v.notSupported, v.writeFailed,
                                v.downloadWriteFailed, v.cancelled, v.noImagesSelected, v.areaTooSmall};
    for (const auto& action : v.check) texts.insert(action.text);
    return texts;
}

constexpr const char* kStoreText =
    "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora\\NV]\r\n\"Count\"=dword:00000002\r\n\r\n";

}  // namespace
}  // namespace pelmora::fuzz

using namespace pelmora;
using namespace pelmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t setup = in.Byte();
    const int job = setup & 3;  // read the codes, download, delete one, print all
    const bool handheld = (setup >> 2) & 1;
    const bool legacy = (setup >> 3) & 1;
    const auto portType = static_cast<std::int32_t>((setup >> 4) & 3);
    const bool checkFirst = (setup >> 6) & 1;
    const bool autoAddressing = (setup >> 7) & 1;

    const auto storePath = ScratchDir() / "nv.reg";
    {
        std::FILE* f = std::fopen(storePath.c_str(), "wb");
        Check(f != nullptr, "cannot write the scratch store");
        std::fputs(kStoreText, f);
        std::fclose(f);
    }
    sim::PrinterModel printer;
    for (const char* code : {"10", "11"})
        printer.Receive(nv::RasterDefinitionBlock({8, 1, {0xAA}}, code[0], code[1]));
    printer.EndSession();
    HostilePlatform platform(printer, in);
    context::CCommonUtil util(platform);
    context::SettingsStore store(storePath);
    nv::CCommonNv engine(util, store);
    Host host(platform.clock());
    const nv::NvJobVariant& variant = handheld ? nv::HandheldNvJob() : nv::DesktopNvJob();
    nv::NvManager manager(engine, host, variant);

    util.link.HandheldMode = handheld;
    util.PendingSettings = SettingsFor(portType);
    util.ApplyPortSettings();
    if (legacy) util.FirmwareVersion = printer.firmwareOverride = 30000;
    const std::uint64_t worstRead = WorstReadMs(portType);
    std::uint64_t bound = size * (worstRead + 160);
    // Each job: its 100 progress steps of 2 ms, its timers, and the worst identification
    // or key-code exchanges; a download adds its blocks' pauses and the refresh.
    const std::uint64_t jobMs = 100 * 2 + 10 * 100 + 5 * IdentifyWorstMs(worstRead) + 150 + 12 * worstRead;

    if (checkFirst) {
        manager.Open();
        bound += jobMs + kLinkOpenCloseMs;
    } else {
        util.link.OpenPort();
        engine.PrinterChecked = true;
    }
    nv::NvOutcome outcome;
    bool downloaded = false;
    switch (job) {
    case 0: outcome = manager.Refresh(); break;
    case 1: {
        for (int i = 0; i < 2; ++i)
            if (const auto item = engine.LoadImageItem(engine.ImageList.NextNumber(), Bitmap(i), in.Byte() % 101))
                engine.ImageList.AddImageItem(*item);
        const auto result = manager.Download(autoAddressing, [](const std::vector<std::string>&) {
            return std::optional<std::string>("A1");
        });
        downloaded = result.ok();
        outcome = result.refresh;
        if (!result.ok()) outcome = {false, result.message};
        bound += 2 * 1000 + 200 + jobMs;
        break;
    }
    case 2: outcome = manager.Delete(0, "10"); break;
    default: outcome = manager.PrintAll(); break;
    }
    bound += 2 * jobMs + kLinkOpenCloseMs;
    manager.Close();

    Verbose("ok %d after %llu ms: %s (%zu codes)", outcome.ok, static_cast<unsigned long long>(platform.Now()),
            outcome.message.c_str(), engine.AddressList.size());
    Check(platform.Now() <= bound, "the job outlasted its bound");
    Check(IsKnownMessage(KnownMessages(variant), outcome.message), "unknown message: " + outcome.message);
    Check(!util.link.IsOpen(), "the link stayed open after the manager closed");
    if (!downloaded) Check(FileBytes(storePath) == kStoreText, "the store changed without a download");
    return 0;
}
