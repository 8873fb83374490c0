// `pelmora nv` against the real pelmora-sim over loopback TCP: bitmaps, and logos from PNG and JPEG.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "nv/ImageLoader.h"
#include "support/ImageFiles.h"
#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using test::RunCli;
using test::SimProcess;

class NvEndToEnd : public ::testing::Test {
protected:
    std::string Save(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        return test::WriteBytes((dir / name).string(), bytes);
    }
    // A grey ramp, for the bitmaps and the JPEG.
    static nv::RgbImage Ramp(std::uint32_t width, std::uint32_t height) {
        nv::RgbImage image(width, height);
        for (std::uint32_t y = 0; y < height; ++y)
            for (std::uint32_t x = 0; x < width; ++x) {
                const auto level = static_cast<std::uint8_t>((x * 7 + y * 13) % 256);
                image.at(x, y) = nv::Rgb(level, level, level);
            }
        return image;
    }
    // A gradient with a transparent band, wider than the printer so that it is scaled.
    static std::vector<std::uint8_t> LogoPng(std::uint32_t width, std::uint32_t height) {
        std::vector<std::uint32_t> argb;
        for (std::uint32_t y = 0; y < height; ++y)
            for (std::uint32_t x = 0; x < width; ++x) {
                const std::uint32_t level = (x * 7 + y * 13) % 256, alpha = y < height / 4 ? 0 : 255;
                argb.push_back(alpha << 24 | level << 16 | level / 2 << 8 | (255 - level));
            }
        return test::PngRgba(width, height, argb);
    }
    test::CliRun Nv(const SimProcess& sim, std::vector<std::string> args) {
        args.insert(args.begin(), {"--tcp", sim.address(), "nv"});
        return RunCli(args, env);
    }
    void Succeeds(const SimProcess& sim, std::vector<std::string> args, const std::string& out) {
        const auto run = Nv(sim, args);
        EXPECT_EQ(run.status, 0) << args[0] << ": " << run.err;
        EXPECT_EQ(run.out, out) << args[0];
    }
    nlohmann::json State() const { return nlohmann::json::parse(test::ReadFile(dir / "state.json")); }

    test::TempDir dir;
    std::map<std::string, std::string> env{{"PELMORA_REGISTRY", (dir / "registry.reg").string()}};
};

// Each image's preview is what the printer holds, dot for dot, at the brightness given to both.
TEST_F(NvEndToEnd, DownloadPreviewListPrintDelete) {
    const auto held = dir / "held";
    SimProcess sim({"--nv-dir", held.string(), "--state", (dir / "state.json").string()});
    const auto logo = Save("logo.bmp", test::Bmp24(Ramp(600, 90))), stamp = Save("stamp.bmp", test::Bmp24(Ramp(100, 40)));
    const auto png = Save("logo.png", LogoPng(500, 60)), jpeg = Save("grey.jpg", test::Jpeg(Ramp(120, 40), 75, true));
    const struct { const char* code; std::string file; std::uint32_t width; } images[] = {
        {"10", logo, 384}, {"11", stamp, 100}, {"P1", png, 384}, {"J1", jpeg, 120}};  // at most the printer's width
    Succeeds(sim, {"download", "--brightness", "50", "--auto", logo, stamp}, "10\n11\n");
    auto run = Nv(sim, {"download", "--brightness", "50", "--code", "P1", png, "--code", "J1", jpeg});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const auto& image : images) {
        const auto preview = (dir / (std::string(image.code) + "-preview.png")).string();
        run = RunCli({"nv", "preview", image.file, "--brightness", "50", "--out", preview}, env);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto printed = nv::LoadImageFile((held / ("nv-" + std::string(image.code) + ".png")).string());
        const auto shown = nv::LoadImageFile(preview);
        ASSERT_TRUE(printed && shown) << image.code;
        EXPECT_EQ(std::pair(shown->width, shown->height), std::pair(printed->width, printed->height)) << image.code;
        EXPECT_EQ(shown->width, image.width) << image.code;
        EXPECT_EQ(run.out, std::to_string(shown->width) + " x " + std::to_string(shown->height) + " dots\n");
        EXPECT_EQ(shown->pixels, printed->pixels) << image.code;
    }
    EXPECT_EQ(nv::LoadImageFile((dir / "P1-preview.png").string())->at(5, 0), 0xFFFFFFu) << "the transparent band is paper";
    Succeeds(sim, {"delete", "--all"}, "");

    Succeeds(sim, {"download", "--auto", logo, stamp}, "10\n11\n");
    Succeeds(sim, {"list"}, "10\n11\n");
    ASSERT_EQ(Nv(sim, {"print", "10"}).status, 0);
    EXPECT_EQ(State()["nv"]["printed"], nlohmann::json::array({"3130"}));
    Succeeds(sim, {"delete", "10"}, "11\n");
    Succeeds(sim, {"delete", "--all"}, "");
    Succeeds(sim, {"list", "--json"}, "[]\n");
    sim.Stop();
    EXPECT_FALSE(std::filesystem::exists(held / "nv-10.png"));
}

}  // namespace
}  // namespace pelmora
