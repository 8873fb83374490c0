// `pelmora nv` against the real pelmora-sim over loopback TCP: bitmaps, and logos from PNG and JPEG.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "nv/BitmapLoader.h"
#include "nv/ImageLoader.h"
#include "nv/RasterConversion.h"
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
    std::string Bitmap(const std::string& name, std::uint32_t width, std::uint32_t height) {
        nv::RgbImage image(width, height);
        for (std::uint32_t y = 0; y < height; ++y)
            for (std::uint32_t x = 0; x < width; ++x)
                if ((x / 5 + y / 3) % 2) image.at(x, y) = nv::Rgb(20, 20, 20);
        return Save(name, test::Bmp24(image));
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
    static std::vector<std::uint8_t> GreyJpeg(std::uint32_t width, std::uint32_t height) {
        nv::RgbImage image(width, height);
        for (std::uint32_t y = 0; y < height; ++y)
            for (std::uint32_t x = 0; x < width; ++x) {
                const auto level = static_cast<std::uint8_t>((x * 7 + y * 13) % 256);
                image.at(x, y) = nv::Rgb(level, level, level);
            }
        return test::Jpeg(image, 75, true);
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
    nlohmann::json State() const {
        std::ifstream in(dir / "state.json");
        return nlohmann::json::parse(in);
    }

    test::TempDir dir;
    std::map<std::string, std::string> env{{"PELMORA_REGISTRY", (dir / "registry.reg").string()}};
};

TEST_F(NvEndToEnd, DownloadListPrintDelete) {
    const auto pngs = dir / "png";
    SimProcess sim({"--nv-dir", pngs.string(), "--state", (dir / "state.json").string()});
    const auto logo = Bitmap("logo.bmp", 600, 90);
    const auto stamp = Bitmap("stamp.bmp", 100, 40);

    Succeeds(sim, {"download", "--auto", logo, stamp}, "10\n11\n");
    Succeeds(sim, {"list"}, "10\n11\n");

    // Each file under its own code; dot for dot is the preview test's.
    for (const auto& [code, file] : {std::pair{"10", logo}, std::pair{"11", stamp}}) {
        const auto raster = nv::ConvertToRaster(*nv::LoadBitmapFile(file), 0).raster;
        const auto png = nv::LoadImageFile((pngs / ("nv-" + std::string(code) + ".png")).string());
        ASSERT_TRUE(png) << code;
        EXPECT_EQ(png->width, raster.width) << code;
        EXPECT_EQ(png->height, raster.height) << code;
    }

    const auto run = Nv(sim, {"print", "10"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(State()["nv"]["printed"], nlohmann::json::array({"3130"}));

    Succeeds(sim, {"delete", "10"}, "11\n");
    Succeeds(sim, {"delete", "--all"}, "");
    Succeeds(sim, {"list", "--json"}, "[]\n");
    sim.Stop();
    EXPECT_FALSE(std::filesystem::exists(pngs / "nv-10.png"));
}

TEST_F(NvEndToEnd, PreviewIsWhatThePrinterHoldsDotForDot) {
    const auto held = dir / "held";
    SimProcess sim({"--nv-dir", held.string()});
    const auto png = Save("logo.png", LogoPng(500, 60));
    const auto jpeg = Save("grey.jpg", GreyJpeg(120, 40));

    for (const char* brightness : {"0", "50"}) {
        auto run = Nv(sim, {"download", "--brightness", brightness, "--code", "P1", png, "--code", "J1", jpeg});
        ASSERT_EQ(run.status, 0) << run.err;
        for (const auto& [code, file] : {std::pair{"P1", png}, std::pair{"J1", jpeg}}) {
            const auto preview = (dir / (std::string(code) + "-preview.png")).string();
            run = RunCli({"nv", "preview", file, "--brightness", brightness, "--out", preview}, env);
            ASSERT_EQ(run.status, 0) << run.err;
            const auto printed = nv::LoadImageFile((held / ("nv-" + std::string(code) + ".png")).string());
            const auto shown = nv::LoadImageFile(preview);
            ASSERT_TRUE(printed) << code;
            ASSERT_TRUE(shown) << code;
            ASSERT_EQ(shown->width, printed->width) << code;
            ASSERT_EQ(shown->height, printed->height) << code;
            EXPECT_EQ(shown->width, std::string(code) == "P1" ? 384u : 120u) << "at most the printer's width";
            EXPECT_EQ(run.out, std::to_string(shown->width) + " x " + std::to_string(shown->height) + " dots\n");
            EXPECT_EQ(shown->pixels, printed->pixels) << code;
            if (file == png) {
                EXPECT_EQ(shown->at(5, 0), 0xFFFFFFu) << "the transparent band is paper";
            }
        }
        Succeeds(sim, {"delete", "--all"}, "");
    }
}

}  // namespace
}  // namespace pelmora
