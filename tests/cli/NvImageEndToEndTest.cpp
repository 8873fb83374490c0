// Logos from PNG and JPEG against the real pelmora-sim, and `nv preview` beside what the printer holds.
#include <gtest/gtest.h>

#include <QImage>

#include "support/PrinterRig.h"
#include "support/SimProcess.h"

namespace pelmora {
namespace {

using test::RunCli;
using test::SimProcess;

class NvImageEndToEnd : public ::testing::Test {
protected:
    std::string Save(const std::string& name, const QImage& image, const char* format) {
        const auto path = (dir / name).string();
        EXPECT_TRUE(image.save(QString::fromStdString(path), format)) << name;
        return path;
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
    test::TempDir dir;
    std::map<std::string, std::string> env{{"PELMORA_REGISTRY", (dir / "registry.reg").string()}};
};

TEST_F(NvImageEndToEnd, PreviewIsWhatThePrinterHoldsDotForDot) {
    const auto held = dir / "held";
    SimProcess sim({"--nv-dir", held.string()});
    const auto png = Save("logo.png", Logo(QImage::Format_ARGB32, 500, 60), "PNG");
    const auto jpeg = Save("grey.jpg", Logo(QImage::Format_Grayscale8, 120, 40), "JPEG");

    for (const char* brightness : {"0", "50"}) {
        auto run = RunCli({"--tcp", sim.address(), "nv", "download", "--brightness", brightness, "--code", "P1", png,
                           "--code", "J1", jpeg},
                          env);
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
        run = RunCli({"--tcp", sim.address(), "nv", "delete", "--all"}, env);
        ASSERT_EQ(run.status, 0) << run.err;
    }
}

TEST_F(NvImageEndToEnd, CorruptImagesAreRefusedLikeBadBitmaps) {
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
    run = RunCli({"--tcp", sim.address(), "nv", "download", "--auto", good, cut}, env);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(refused(run.err)) << run.err;
    run = RunCli({"--tcp", sim.address(), "nv", "list"}, env);
    EXPECT_EQ(run.out, "") << "nothing was stored";
}

}  // namespace
}  // namespace pelmora
