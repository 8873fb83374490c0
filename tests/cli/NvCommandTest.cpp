// `pelmora nv` in-process on the virtual printer.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "nv/ImageDecoders.h"
#include "nv/ImageLoader.h"
#include "nv/NvBlocks.h"
#include "sim/NvHandler.h"
#include "support/ConfigCli.h"
#include "support/ImageFiles.h"

namespace pelmora {
namespace {

using testing::HasSubstr;

nv::RgbImage Ramp(std::uint32_t width, std::uint32_t height) {  // grey, for the bitmaps and the JPEG
    nv::RgbImage image(width, height);
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) {
            const auto level = static_cast<std::uint8_t>((x * 7 + y * 13) % 256);
            image.at(x, y) = nv::Rgb(level, level, level);
        }
    return image;
}

// Each image's preview is what the printer holds, dot for dot, at the brightness
// given to both; then a code is replaced, and the codes are listed, printed and deleted.
TEST(NvCommand, PreviewsAreWhatThePrinterHoldsAndCodesAreListedPrintedDeleted) {
    test::ConfigCli cli;
    const auto save = [&cli](const std::string& name, const std::vector<std::uint8_t>& bytes) {
        return test::WriteBytes((cli.dir / name).string(), bytes);
    };
    std::vector<std::uint32_t> argb;  // a gradient with a transparent band, wider than the printer
    for (std::uint32_t i = 0; i < 500 * 60; ++i) {
        const std::uint32_t x = i % 500, y = i / 500, level = (x * 7 + y * 13) % 256;
        argb.push_back((y < 15 ? 0u : 255u) << 24 | level << 16 | level / 2 << 8 | (255 - level));
    }
    const auto logo = save("logo.bmp", test::Bmp24(Ramp(600, 90))), stamp = save("stamp.bmp", test::Bmp24(Ramp(100, 40)));
    const auto png = save("logo.png", test::PngRgba(500, 60, argb)), jpeg = save("grey.jpg", test::Jpeg(Ramp(120, 40), 75, true));
    const auto nv = [&cli](std::vector<std::string> args, const std::string& out) {
        args.insert(args.begin(), {"--tcp", "127.0.0.1:9100", "nv"});
        const auto run = cli.RunPelmora(args);
        EXPECT_EQ(std::tie(run.status, run.out), std::tuple(0, out)) << args[3] << ": " << run.err;
    };
    nv({"download", "--brightness", "50", "--auto", logo, stamp}, "10\n11\n");
    nv({"download", "--brightness", "50", "--code", "P1", png, "--code", "J1", jpeg}, "10\n11\nP1\nJ1\n");
    const auto held = cli.dir / "held";
    std::string error;
    ASSERT_TRUE(cli.printer.Handler<sim::NvHandler>()->WritePngs(held, error)) << error;
    const struct { const char* code; std::string file; std::uint32_t width; } images[] = {
        {"10", logo, 384}, {"11", stamp, 100}, {"P1", png, 384}, {"J1", jpeg, 120}};  // at most the printer's width
    for (const auto& image : images) {
        const auto preview = (cli.dir / (std::string(image.code) + "-preview.png")).string();
        const auto run = cli.RunPelmora({"nv", "preview", image.file, "--brightness", "50", "--out", preview});
        ASSERT_EQ(run.status, 0) << run.err;
        const auto printed = nv::LoadImageFile((held / ("nv-" + std::string(image.code) + ".png")).string());
        const auto shown = nv::LoadImageFile(preview);
        ASSERT_TRUE(printed && shown) << image.code;
        EXPECT_EQ(std::pair(shown->width, shown->height), std::pair(printed->width, printed->height)) << image.code;
        EXPECT_EQ(shown->width, image.width) << image.code;
        EXPECT_EQ(run.out, std::to_string(shown->width) + " x " + std::to_string(shown->height) + " dots\n");
        EXPECT_EQ(shown->pixels, printed->pixels) << image.code;
    }
    EXPECT_EQ(nv::LoadImageFile((cli.dir / "P1-preview.png").string())->at(5, 0), 0xFFFFFFu) << "the transparent band is paper";

    nv({"download", "--replace", "--code", "11", logo}, "10\nP1\nJ1\n11\n");  // the image held deleted first
    EXPECT_EQ(cli.printer.Handler<sim::NvHandler>()->FindKeyCode("11")->width, 384);
    nv({"list"}, "10\nP1\nJ1\n11\n");
    nv({"print", "10"}, "");
    EXPECT_EQ(cli.printer.Handler<sim::NvHandler>()->printed(), std::vector<std::string>{"10"});
    nv({"delete", "10"}, "P1\nJ1\n11\n");
    nv({"delete", "--all"}, "");
    nv({"list", "--json"}, "[]\n");

    ::setenv("PELMORA_REGISTRY", cli.dir.path().c_str(), 1);  // a folder as the store: the image is held, uncounted
    const auto unstored = cli.RunPelmora({"--tcp", "127.0.0.1:9100", "nv", "download", "--auto", stamp});
    EXPECT_EQ(std::tie(unstored.status, unstored.out), std::tuple(3, "10\n"));
    EXPECT_THAT(unstored.err, HasSubstr("pelmora: warning: cannot save the settings in"));
}

// Input refused (2) or a printer that fails (1) leaves the printer as it was:
// still only "A1" held, nothing printed. A cut PNG is refused like a bad bitmap;
// a code is two characters, and one held is replaced only when asked.
TEST(NvCommand, BadInputAndPrinterFailuresStoreNothing) {
    const test::TempDir dir;
    const auto bmp = [&dir](const std::string& name, std::uint32_t width, std::uint32_t height) {
        return test::WriteBytes((dir / name).string(), test::Bmp24(nv::RgbImage(width, height, 0x000000)));
    };
    const std::string logo = bmp("logo.bmp", 8, 4), big = bmp("big.bmp", 384, 1000),  // 48000 bytes each: six pass 262144
        tall = bmp("tall.bmp", 384, 1366), notes = (dir / "notes.bmp").string(), cut = (dir / "cut.png").string(),
        out = (dir / "preview.png").string();
    std::ofstream(notes) << "not a bitmap";
    test::WriteBytes(cut, test::PngRgba(40, 8, std::vector<std::uint32_t>(320, 0xFF000000)));
    std::filesystem::resize_file(cut, 60);
    // args: after "nv"; err: the end of the message, when it matters.
    struct Case {
        const char* name; std::vector<std::string> args; int status; std::string err;
        const char* fault = nullptr; const char* maker = nullptr;
    };
    const std::string twoCharacters = "pelmora: an address code has exactly two characters (Latin-1), not '";
    const Case cases[] = {
        {"one character", {"download", "--code", "A", logo}, 2, twoCharacters + "A'\n"},
        {"print not stored", {"print", "B2"}, 2, "no NV image is stored under the address code 'B2'\n"},
        {"held, no --replace", {"download", "--code", "A1", logo}, 2, "Exists address! (A1); --replace deletes it first\n"},
        {"no bitmap", {"download", "--auto", logo, notes}, 2, "Failed to load image file!\n" + notes + "\n"},
        {"cut png", {"download", "--auto", logo, cut}, 2, "Failed to load image file!\n" + cut + "\n"},
        {"cut png preview", {"preview", cut, "--out", out}, 2, "Failed to load image file!\n" + cut + "\n"},
        {"memory", {"download", "--auto", big, big, big, big, big, big}, 2, "NV image area too small!\n"},
        {"too tall", {"download", "--auto", tall}, 2, ""},
        {"list fails", {"delete", "--all"}, 1, "Failed to read NV image address!\n", "nv-list"},
        {"other maker", {"list"}, 1, "Printer model is not matched!\nThe printer reports another maker.\n", nullptr, "OTHER"},
    };
    for (const Case& c : cases) {
        test::ConfigCli cli;
        cli.printer.Receive(nv::RasterDefinitionBlock({8, 1, {0xFF}}, 'A', '1'));
        cli.printer.EndSession();
        if (c.fault) cli.printer.faults.perCommand[c.fault] = sim::Fault::WrongHeader;
        if (c.maker) cli.printer.identity.makerText = c.maker;
        std::vector<std::string> args{"--tcp", "127.0.0.1:9100", "nv"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto run = cli.RunPelmora(args);
        EXPECT_EQ(run.status, c.status) << c.name << ": " << run.err;
        EXPECT_TRUE(run.err.ends_with(c.err)) << c.name << ": " << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.name;
        const auto* held = cli.printer.Handler<sim::NvHandler>();
        ASSERT_EQ(held->keyCodeImages().size(), 1u) << c.name;
        EXPECT_EQ(held->keyCodeImages()[0].first, "A1") << c.name;
        EXPECT_TRUE(held->printed().empty()) << c.name;
    }
}

// The preview writes only to regular or new files, or to standard output (and
// says when it cannot); inputs never block on a FIFO.
TEST(NvCommand, PreviewTouchesNoDeviceFifoOrFolder) {
    test::ConfigCli cli;
    const std::string logo = (cli.dir / "logo.png").string(), fifo = (cli.dir / "fifo.png").string();
    std::vector<std::uint32_t> stripes(320);
    for (std::size_t i = 0; i < stripes.size(); ++i) stripes[i] = i / 3 % 2 ? 0xFF000000 : 0xFFFFFFFF;
    test::WriteBytes(logo, test::PngRgba(40, 8, stripes));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& out : {fifo, std::string("/dev/full"), cli.dir.path().string(), std::string()}) {
        const auto run = cli.RunPelmora({"nv", "preview", logo, "--out", out});
        EXPECT_EQ(run.status, 2) << out << ": " << run.err;
        EXPECT_FALSE(run.err.empty()) << out;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo)) << "not replaced by a regular file";
    const auto out = (cli.dir / "out.png").string();
    EXPECT_EQ(cli.RunPelmora({"nv", "preview", fifo, "--out", out}).status, 2) << "a FIFO named .png is refused at once";
    EXPECT_FALSE(std::filesystem::exists(out));

    const auto written = cli.RunPelmora({"nv", "preview", logo, "--out", "-"});
    ASSERT_EQ(written.status, 0) << written.err;
    const auto png = nv::DecodePng(written.out);
    ASSERT_TRUE(png);
    EXPECT_EQ(png->width, 40u);
    EXPECT_TRUE(written.err.ends_with("40 x 8 dots\n")) << written.err;  // after any advice
    std::ostream closed(nullptr);  // every write fails, as on a closed pipe
    const auto refused = cli.RunPelmora({"nv", "preview", logo, "--out", "-"}, nullptr, &closed);
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "pelmora: cannot write the PNG to standard output\n");

    // A name that is no UTF-8 loads as BMP, JSON and firmware names do.
    const auto latin1 = (cli.dir / "caf\xE9.png").string();
    std::filesystem::copy_file(logo, latin1);
    EXPECT_EQ(cli.RunPelmora({"nv", "preview", latin1, "--out", out}).status, 0);
}

// A grey photo four times too wide prints as a black block with the windows'
// conversion: that is said, with what to try; error diffusion prints it as grey.
TEST(NvCommand, PhotosGetAdviceAndErrorDiffusion) {
    test::ConfigCli cli;
    const std::string photo = (cli.dir / "photo.bmp").string();
    test::WriteBytes(photo, test::Bmp24(nv::RgbImage(1600, 40, 0x808080)));
    const auto preview = [&](const std::string& dither) {
        return cli.RunPelmora({"nv", "preview", photo, "--dither", dither, "--out", (cli.dir / "dots.png").string()});
    };
    auto run = preview("pattern");
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.err, HasSubstr("prints 100 % black; for a photo try --dither atkinson"));
    EXPECT_THAT(run.err, HasSubstr("is 1600 dots wide and is shrunk 4.2 times to 384"));
    for (const char* diffusion : {"atkinson", "floyd-steinberg"}) {
        run = preview(diffusion);
        EXPECT_EQ(run.err.find("% black"), std::string::npos) << diffusion << ": " << run.err;
        EXPECT_NE(run.err.find("shrunk 4.2 times"), std::string::npos) << diffusion;
    }
    EXPECT_EQ(preview("ordered").status, 2) << "only the listed kinds";
}

}  // namespace
}  // namespace pelmora
