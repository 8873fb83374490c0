// `pelmora nv` against the real pelmora-sim over loopback TCP.
#include <gtest/gtest.h>

#include <fstream>
#include <QImage>
#include <nlohmann/json.hpp>

#include "nv/BitmapLoader.h"
#include "nv/RasterConversion.h"
#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using test::RunCli;
using test::SimProcess;

class NvEndToEnd : public ::testing::Test {
protected:
    std::string Bitmap(const std::string& name, int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if ((x / 5 + y / 3) % 2) image.setPixel(x, y, qRgb(20, 20, 20));
        const auto path = (dir / name).string();
        EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP"));
        return path;
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

    // What the printer holds is what the conversion makes of the files.
    for (const auto& [code, file] : {std::pair{"10", logo}, std::pair{"11", stamp}}) {
        const auto raster = nv::ConvertToRaster(*nv::LoadBitmapFile(file), 0).raster;
        const QImage png(QString::fromStdString((pngs / ("nv-" + std::string(code) + ".png")).string()));
        ASSERT_EQ(png.width(), raster.width) << code;
        ASSERT_EQ(png.height(), raster.height) << code;
        const int rowBytes = (raster.width + 7) / 8;
        for (int y = 0; y < raster.height; ++y)
            for (int x = 0; x < raster.width; ++x)
                ASSERT_EQ(qGray(png.pixel(x, y)) < 128, (raster.bytes[y * rowBytes + x / 8] & (0x80 >> (x % 8))) != 0)
                    << code << " at " << x << "," << y;
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
        {"stored code", {"download", "--code", "A1", logo}, "Exists address! (A1)\n"},
        {"short code", {"download", "--code", "A", logo}, ""},
        {"not stored", {"print", "B2"}, ""},
        {"not stored", {"delete", "B2"}, ""},
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
    EXPECT_EQ(run.err, "Port open error!\n");
}

}  // namespace
}  // namespace pelmora
