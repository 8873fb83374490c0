// The NV image jobs against a hostile printer: reading the stored codes,
// downloading images, deleting one and printing all, in both programs and both
// dialects, with and without the manager's printer check first.
#include <set>
#include <string>

#include "HostilePrinter.h"
#include "context/PrinterContext.h"
#include "context/SettingsStore.h"
#include "nv/NvEngine.h"
#include "nv/ImageLoader.h"
#include "nv/NvBlocks.h"
#include "nv/NvJobVariant.h"
#include "nv/NvManager.h"
#include "support/ImageFiles.h"

namespace pelmora::fuzz {
namespace {

struct Host final : nv::NvJobHost {
    explicit Host(link::Clock& c) : clock(c) {}
    context::ProgressView& view() override { return silent; }
    context::JobEnd Run(context::JobRunner& runner) override { return context::DriveJob(runner, clock); }
    link::Clock& clock;
    context::ProgressView silent;
};

// A small black bitmap, written and decoded once per process: loading files is
// not what this target is about. Each run converts it at its own brightness.
std::shared_ptr<const nv::RgbImage> Decoded(std::uint32_t width, std::uint32_t height, const char* name) {
    const auto path = ScratchDir() / name;
    test::WriteBytes(path.string(), test::Bmp24(nv::RgbImage(width, height, 0x000000)));
    auto decoded = nv::LoadImageFile(path.string());
    Check(decoded.has_value(), "cannot decode the scratch bitmap");
    return std::make_shared<const nv::RgbImage>(std::move(*decoded));
}

nv::NvImageItem Picture(const nv::NvEngine& engine, std::uint32_t modelCode, int which, std::int32_t brightness) {
    static const std::shared_ptr<const nv::RgbImage> bitmaps[2] = {Decoded(8, 2, "a.bmp"), Decoded(24, 5, "b.bmp")};
    const auto& bitmap = bitmaps[which];
    nv::NvImageItem item;
    item.number = engine.imageList().NextNumber();
    item.size = nv::EstimateImageSize(bitmap->width, bitmap->height, modelCode);
    item.name = which ? "b.bmp" : "a.bmp";
    item.path = (ScratchDir() / item.name).string();
    item.brightness = brightness;
    item.bitmap = bitmap;
    return item;
}

// The texts a job of the variant may end with; the two variants are built once.
const std::set<std::string>& KnownMessages(const nv::NvJobVariant& v) {
    static const auto texts = [](const nv::NvJobVariant& w) {
        std::set<std::string> known{"", w.openFailed, w.readFailed, w.notSupported, w.writeFailed,
                                    w.downloadWriteFailed, w.cancelled, w.noImagesSelected, w.areaTooSmall};
        for (const auto& action : w.check) known.insert(action.text);
        return known;
    };
    static const std::set<std::string> desktop = texts(nv::DesktopNvJob()), handheld = texts(nv::HandheldNvJob());
    return &v == &nv::HandheldNvJob() ? handheld : desktop;
}

constexpr const char* kStoreText =
    "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora\\NV]\r\n\"Count\"=dword:00000002\r\n\r\n";

struct JobEnd {
    nv::NvOutcome outcome;
    bool downloaded = false;
};

// One of the four jobs, picked by the input: read the codes, download, delete one, print all.
JobEnd RunJob(int job, nv::NvManager& manager, nv::NvEngine& engine, std::uint32_t modelCode, FuzzInput& in,
              bool autoAddressing) {
    switch (job) {
    case 0: return {manager.Refresh()};
    case 1: {
        for (int i = 0; i < 2; ++i) engine.editImageList().AddImageItem(Picture(engine, modelCode, i, in.Byte() % 101));
        const auto result = manager.Download(autoAddressing, [](const std::vector<std::string>&) {
            return std::optional<std::string>("A1");
        });
        if (!result.ok()) return {{false, result.message}};
        return {result.refresh, true};
    }
    case 2: return {manager.Delete(0, "10")};
    default: return {manager.PrintAll()};
    }
}

}  // namespace
}  // namespace pelmora::fuzz

using namespace pelmora;
using namespace pelmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t setup = in.Byte();
    const int job = setup & 3;
    const bool handheld = (setup >> 2) & 1;
    const bool legacy = (setup >> 3) & 1;
    const auto portType = static_cast<std::int32_t>((setup >> 4) & 3);
    const bool checkFirst = (setup >> 6) & 1;
    const bool autoAddressing = (setup >> 7) & 1;

    const auto storePath = ScratchDir() / "nv.reg";
    ResetFile(storePath, kStoreText);
    sim::PrinterModel printer;
    for (const char* code : {"10", "11"})
        printer.Receive(nv::RasterDefinitionBlock({8, 1, {0xAA}}, code[0], code[1]));
    printer.EndSession();
    HostilePlatform platform(printer, in);
    context::PrinterContext util(platform);
    context::SettingsStore store(storePath);
    nv::NvEngine engine(util, store);
    Host host(platform.clock());
    const nv::NvJobVariant& variant = handheld ? nv::HandheldNvJob() : nv::DesktopNvJob();
    nv::NvManager manager(engine, host, variant);

    util.link().setLayout(handheld ? link::Layout::Handheld : link::Layout::Desktop);
    util.HandOver(SettingsFor(portType));
    if (legacy) util.identityForTest().firmwareVersion = printer.firmwareOverride = 30000;
    const std::uint64_t worstRead = WorstReadMs(portType);
    std::uint64_t bound = size * (worstRead + 160);
    // Each job: its 100 progress steps of 2 ms, its timers, and the worst identification
    // or key-code exchanges; a download adds its blocks' pauses and the refresh.
    const std::uint64_t jobMs = 100 * 2 + 10 * 100 + 5 * IdentifyWorstMs(worstRead) + 150 + 12 * worstRead;

    if (checkFirst) {
        manager.Open();
        bound += jobMs + kLinkOpenCloseMs;
    } else {
        util.link().OpenPort();
        engine.MarkPrinterChecked();
    }
    const auto [outcome, downloaded] = RunJob(job, manager, engine, util.modelCode(), in, autoAddressing);
    if (job == 1) bound += 2 * 1000 + 200 + jobMs;
    bound += 2 * jobMs + kLinkOpenCloseMs;
    manager.Close();

    Check(platform.Now() <= bound, "the job outlasted its bound");
    Check(IsKnownMessage(KnownMessages(variant), outcome.message), "unknown message: " + outcome.message);
    Check(!util.link().IsOpen(), "the link stayed open after the manager closed");
    if (!downloaded) Check(FileBytes(storePath) == kStoreText, "the store changed without a download");
    return 0;
}
