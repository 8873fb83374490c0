// `pelmora nv` against the real pelmora-sim over loopback TCP: bitmaps, and logos from PNG and JPEG.
#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
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
    std::string Save(const std::string& name, const QImage& image, const char* format) {
        const auto path = (dir / name).string();
        EXPECT_TRUE(image.save(QString::fromStdString(path), format)) << name;
        return path;
    }
    std::string Bitmap(const std::string& name, int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if ((x / 5 + y / 3) % 2) image.setPixel(x, y, qRgb(20, 20, 20));
        return Save(name, image, "BMP");
    }
    // A gradient with a transparent band, wider than the printer so that it is scaled.
    static QImage Logo(QImage::Format format, int width, int height) {
        QImage image(width, height, format);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const int level = (x * 7 + y * 13) % 256;
                const int alpha = y < height / 4 ? 0 : 255;
                image.setPixel(x, y, format == QImage::Format_Grayscale8 ? qRgb(level, level, level)
                                                                        : qRgba(level, level / 2, 255 - level, alpha));
            }
        return image;
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
        const QImage png(QString::fromStdString((pngs / ("nv-" + std::string(code) + ".png")).string()));
        EXPECT_EQ(png.size(), QSize(raster.width, raster.height)) << code;
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
    const auto png = Save("logo.png", Logo(QImage::Format_ARGB32, 500, 60), "PNG");
    const auto jpeg = Save("grey.jpg", Logo(QImage::Format_Grayscale8, 120, 40), "JPEG");

    for (const char* brightness : {"0", "50"}) {
        auto run = Nv(sim, {"download", "--brightness", brightness, "--code", "P1", png, "--code", "J1", jpeg});
        ASSERT_EQ(run.status, 0) << run.err;
        for (const auto& [code, file] : {std::pair{"P1", png}, std::pair{"J1", jpeg}}) {
            const auto preview = (dir / (std::string(code) + "-preview.png")).string();
            run = RunCli({"nv", "preview", file, "--brightness", brightness, "--out", preview}, env);
            ASSERT_EQ(run.status, 0) << run.err;
            const QImage printed(QString::fromStdString((held / ("nv-" + std::string(code) + ".png")).string()));
            const QImage shown(QString::fromStdString(preview));
            ASSERT_FALSE(printed.isNull()) << code;
            ASSERT_EQ(shown.size(), printed.size()) << code;
            EXPECT_EQ(shown.width(), std::string(code) == "P1" ? 384 : 120) << "at most the printer's width";
            EXPECT_EQ(run.out, std::to_string(shown.width()) + " x " + std::to_string(shown.height()) + " dots\n");
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    ASSERT_EQ(shown.pixel(x, y), printed.pixel(x, y)) << code << " at " << x << "," << y;
            if (file == png) {
                EXPECT_EQ(shown.pixel(5, 0), qRgb(255, 255, 255)) << "the transparent band is paper";
            }
        }
        Succeeds(sim, {"delete", "--all"}, "");
    }
}

TEST_F(NvEndToEnd, CorruptImagesAreRefusedLikeBadBitmaps) {
    const auto good = Save("good.png", Logo(QImage::Format_ARGB32, 40, 8), "PNG");
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
    const auto logo = Save("logo.png", Logo(QImage::Format_ARGB32, 40, 8), "PNG");
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
    EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(run.out)).width(), 40);
    EXPECT_EQ(run.err, "40 x 8 dots\n");

    // A name that is no UTF-8 loads as BMP, JSON and firmware names do.
    const auto latin1 = (dir / "caf\xE9.png").string();
    std::filesystem::copy_file(logo, latin1);
    run = RunCli({"nv", "preview", latin1, "--out", (dir / "out.png").string()}, env);
    EXPECT_EQ(run.status, 0) << run.err;
}

}  // namespace
}  // namespace pelmora
