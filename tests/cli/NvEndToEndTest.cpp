// `pelmora nv` against the real pelmora-sim over loopback TCP: bitmaps, and logos from PNG and JPEG.
#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <nlohmann/json.hpp>

#include "nv/BitmapLoader.h"
#include "nv/ImageDecoders.h"
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

TEST_F(NvEndToEnd, BadInputIsRefusedBeforeAnythingIsStored) {
    // A printer that holds one image under "A1".
    std::ofstream(dir / "state.json")
        << R"({"nv": {"keyCodes": [{"code": "4131", "width": 8, "height": 1, "raster": "FF"}]}})";
    SimProcess sim({"--state", (dir / "state.json").string()});
    const auto logo = Bitmap("logo.bmp", 8, 4);

    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::string err;
    };
    const auto notBitmap = (dir / "notes.bmp").string();
    std::ofstream(notBitmap) << "not a bitmap";
    const auto big = Bitmap("big.bmp", 384, 1000);  // 48000 bytes each: six pass 262144
    const auto tall = Bitmap("tall.bmp", 384, 1366);
    const Case cases[] = {
        {"no bitmap", {"download", "--auto", logo, notBitmap}, "Failed to load image file!\n" + notBitmap + "\n"},
        {"memory", {"download", "--auto", big, big, big, big, big, big}, "NV image area too small!\n"},
        {"too tall", {"download", "--auto", tall}, ""},
        {"stored code", {"download", "--code", "A1", logo}, "Exists address! (A1); --replace deletes it first\n"},
    };
    for (const Case& c : cases) {
        const auto run = Nv(sim, c.args);
        EXPECT_EQ(run.status, 2) << c.name << ": " << run.err;
        if (!c.err.empty()) {
            EXPECT_EQ(run.err, c.err) << c.name;
        }
    }
    Succeeds(sim, {"list"}, "A1\n");
    EXPECT_TRUE(State()["nv"]["printed"].empty());
}

TEST_F(NvEndToEnd, PrinterFailuresGiveTheWindowsTexts) {
    {
        SimProcess sim({"--fault", "nv-list=wrong-header"});
        const auto run = Nv(sim, {"delete", "--all"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "Failed to read NV image address!\n");
    }
    SimProcess sim({"--maker", "OTHER"});
    auto run = Nv(sim, {"list"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Printer model is not matched!\nThe printer reports another maker.\n");
    sim.Stop();
    run = Nv(sim, {"list"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Port open error!\n" + sim.address() + " refused the connection: nothing listens on that port.\n");
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

TEST_F(NvEndToEnd, CorruptImagesAreRefusedLikeBadBitmaps) {
    const auto good = Save("good.png", LogoPng(40, 8));
    const auto cut = (dir / "cut.png").string();
    std::filesystem::copy_file(good, cut);
    std::filesystem::resize_file(cut, 60);
    const auto out = (dir / "preview.png").string();

    // libpng says "Read Error" on its own before; the tool's message ends the output.
    const auto refused = [&](const std::string& err) {
        const std::string message = "Failed to load image file!\n" + cut + "\n";
        return err.size() >= message.size() && err.compare(err.size() - message.size(), message.size(), message) == 0;
    };
    auto run = RunCli({"nv", "preview", cut, "--out", out}, env);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(refused(run.err)) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    SimProcess sim({"--state", (dir / "state.json").string()});
    run = Nv(sim, {"download", "--auto", good, cut});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(refused(run.err)) << run.err;
    Succeeds(sim, {"list"}, "");  // nothing was stored
}

// Outputs go only to regular or new files, and inputs never block on a FIFO.
TEST_F(NvEndToEnd, PreviewTouchesNoDeviceFifoOrFolder) {
    const auto logo = Save("logo.png", LogoPng(40, 8));
    const auto fifo = (dir / "fifo.png").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& out : {fifo, std::string("/dev/full"), dir.path().string(), std::string()}) {
        const auto run = RunCli({"nv", "preview", logo, "--out", out}, env);
        EXPECT_EQ(run.status, 2) << out << ": " << run.err;
        EXPECT_FALSE(run.err.empty()) << out;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo)) << "not replaced by a regular file";

    auto run = RunCli({"nv", "preview", fifo, "--out", (dir / "out.png").string()}, env);
    EXPECT_EQ(run.status, 2) << "a FIFO named .png is refused at once";
    EXPECT_FALSE(std::filesystem::exists(dir / "out.png"));

    run = RunCli({"nv", "preview", logo, "--out", "-"}, env);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 4), "\x89PNG");
    const auto written = nv::DecodePng(run.out);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->width, 40u);
    EXPECT_TRUE(run.err.ends_with("40 x 8 dots\n")) << run.err;  // after any advice

    // A name that is no UTF-8 loads as BMP, JSON and firmware names do.
    const auto latin1 = (dir / "caf\xE9.png").string();
    std::filesystem::copy_file(logo, latin1);
    run = RunCli({"nv", "preview", latin1, "--out", (dir / "out.png").string()}, env);
    EXPECT_EQ(run.status, 0) << run.err;
}

}  // namespace
}  // namespace pelmora
