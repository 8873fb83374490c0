// `pelmora nv` in-process on the virtual printer; the whole download, list,
// print and delete against the simulator process is the end-to-end test's.
#include <gtest/gtest.h>

#include "nv/NvBlocks.h"
#include "sim/NvHandler.h"
#include "support/ConfigCli.h"
#include "support/ImageFiles.h"

namespace pelmora {
namespace {

TEST(NvCommand, CodesHaveTwoCharactersAndOnlyStoredOnesArePrintedOrDeleted) {
    test::ConfigCli cli;
    cli.printer.Receive(nv::RasterDefinitionBlock({8, 1, {0xFF}}, 'A', '1'));
    cli.printer.EndSession();
    const std::string logo = (cli.dir / "logo.bmp").string();
    test::WriteBytes(logo, test::Bmp24(nv::RgbImage(8, 4, 0x000000)));

    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"download", "--code", "A", logo}, 2},
        {{"print", "B"}, 2},
        {{"print", "B2"}, 2},  // not stored
        {{"delete", "B2"}, 2},
        {{"print", "A1"}, 0},
    };
    for (const auto& [args, status] : cases) {
        std::vector<std::string> command{"--tcp", "127.0.0.1:9100", "nv"};
        command.insert(command.end(), args.begin(), args.end());
        const auto run = cli.RunPelmora(command);
        EXPECT_EQ(run.status, status) << args[0] << " " << args[args.size() - 1] << ": " << run.err;
        if (args.back().size() == 1) {
            EXPECT_EQ(run.err, "pelmora: an address code has exactly two characters (Latin-1), not '" + args.back() +
                                   "'\n");
        }
    }
}

// "--out -" writes the PNG to standard output, and says so when it cannot.
TEST(NvCommand, PreviewToStandardOutput) {
    test::ConfigCli cli;
    const std::string logo = (cli.dir / "logo.bmp").string();
    nv::RgbImage half(8, 4, 0xFFFFFF);
    for (std::uint32_t x = 0; x < 4; ++x) half.at(x, 0) = 0;
    test::WriteBytes(logo, test::Bmp24(half));
    const auto written = cli.RunPelmora({"nv", "preview", logo, "--out", "-"});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out.substr(0, 4), "\x89PNG");

    std::string args[] = {"pelmora", "nv", "preview", logo, "--out", "-"};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    std::ostream closed(nullptr);  // every write fails, as on a closed pipe
    std::ostringstream err;
    EXPECT_EQ(cli::RunPelmora(static_cast<int>(argv.size()), argv.data(), closed, err, &cli.platform), 2);
    EXPECT_EQ(err.str(), "pelmora: cannot write the PNG to standard output\n");
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
    EXPECT_NE(run.err.find("prints 100 % black; for a photo try --dither atkinson"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("is 1600 dots wide and is shrunk 4.2 times to 384"), std::string::npos) << run.err;
    for (const char* diffusion : {"atkinson", "floyd-steinberg"}) {
        run = preview(diffusion);
        EXPECT_EQ(run.err.find("% black"), std::string::npos) << diffusion << ": " << run.err;
        EXPECT_NE(run.err.find("shrunk 4.2 times"), std::string::npos) << diffusion;
    }
    EXPECT_EQ(preview("ordered").status, 2) << "only the listed kinds";
}

TEST(NvCommand, ReplaceDeletesTheImageUnderTheCodeFirst) {
    test::ConfigCli cli;
    cli.printer.Receive(nv::RasterDefinitionBlock({8, 1, {0xFF}}, 'A', '1'));
    cli.printer.EndSession();
    const std::string logo = (cli.dir / "logo.bmp").string();
    test::WriteBytes(logo, test::Bmp24(nv::RgbImage(16, 2, 0x000000)));
    auto run = cli.RunPelmora({"--tcp", "127.0.0.1:9100", "nv", "download", "--code", "A1", logo});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("(A1); --replace deletes it first"), std::string::npos) << run.err;

    run = cli.RunPelmora({"--tcp", "127.0.0.1:9100", "nv", "download", "--replace", "--code", "A1", logo});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto* stored = cli.printer.Handler<sim::NvHandler>()->FindKeyCode("A1");
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->width, 16) << "the new image";
}

}  // namespace
}  // namespace pelmora
