#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <tuple>

#include "nv/NvBlocks.h"
#include "nv/NvCommands.h"
#include "sim/NvHandler.h"
#include "sim/PrinterModel.h"
#include "support/PrinterRig.h"

namespace pelmora::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

nv::Raster MakeRaster(std::uint16_t width, std::uint16_t height, std::uint8_t fill) {
    return {width, height, Bytes((width + 7u) / 8u * height, fill)};
}

class NvHandlerTest : public ::testing::Test {
protected:
    std::vector<Bytes> Send(const Bytes& bytes) {
        std::vector<Bytes> out;
        for (auto& reply : printer.Receive(bytes)) out.push_back(reply.bytes);
        return out;
    }
    void Define(const std::string& code, const nv::Raster& raster) {
        Send(nv::RasterDefinitionBlock(raster, code[0], code[1]));
    }
    NvHandler& nv() { return *printer.Handler<NvHandler>(); }
    std::string LastKey() const { return printer.commandLog().back(); }

    PrinterModel printer;
};

TEST_F(NvHandlerTest, KeyCodeListComesInAcknowledgedBlocks) {
    EXPECT_EQ(Send(nv::ReadKeyCodeListCommand()), (std::vector<Bytes>{{0x37, 0x72, 0x40, 0x00}}));
    for (const char* code : {"10", "11", "A1"}) Define(code, MakeRaster(8, 1, 0xFF));
    nv().codesPerBlock = 2;
    EXPECT_EQ(Send(nv::ReadKeyCodeListCommand()),
              (std::vector<Bytes>{{0x37, 0x72, 0x41, '1', '0', '1', '1', 0x00}}));
    EXPECT_EQ(Send({nv::byte::ACK}), (std::vector<Bytes>{{0x37, 0x72, 0x40, 'A', '1', 0x00}}));
    EXPECT_TRUE(Send({nv::byte::ACK}).empty());
    EXPECT_EQ(LastKey(), "nv-ack");

    // CAN drops the rest of the list; a stray ACK afterwards is not ours.
    Send(nv::ReadKeyCodeListCommand());
    Send({nv::byte::CAN});
    EXPECT_EQ(LastKey(), "nv-can");
    EXPECT_TRUE(Send({nv::byte::ACK}).empty());
    EXPECT_EQ(LastKey(), "unknown");
}

TEST_F(NvHandlerTest, DefinitionsReplaceByCodeAndBadOnesAreRefused) {
    Define("10", MakeRaster(8, 1, 0x11));
    Define("20", MakeRaster(8, 1, 0x22));
    Define("10", MakeRaster(16, 2, 0x33));
    ASSERT_EQ(nv().keyCodeImages().size(), 2u);
    const auto& [code, image] = nv().keyCodeImages()[0];
    EXPECT_EQ(std::tie(code, image.width, image.raster), std::tuple("10", 16, Bytes(4, 0x33)));

    Bytes bad = nv::RasterDefinitionBlock(MakeRaster(8, 2, 0x44), '3', '0');
    bad[13] = 3;  // three rows announced, two sent
    Send(bad);
    EXPECT_EQ(LastKey(), "nv-define-bad");
    EXPECT_EQ(nv().FindKeyCode("30"), nullptr);
}

TEST_F(NvHandlerTest, OlderFirmwareSpeaksOnlyNumberedImages) {
    printer.firmwareOverride = 30000;
    EXPECT_TRUE(Send(nv::ReadKeyCodeListCommand()).empty());
    EXPECT_EQ(LastKey(), "nv-unsupported");

    const Bytes a = nv::NumberedImageBlock(MakeRaster(8, 1, 0xAA));
    const Bytes b = nv::NumberedImageBlock(MakeRaster(16, 2, 0xBB));
    Bytes stream = nv::LegacyDownloadHeader(1, static_cast<std::uint32_t>(a.size() + b.size()));
    stream.insert(stream.end(), a.begin(), a.end());
    stream.insert(stream.end(), b.begin(), b.end());
    Send(Bytes(stream.begin(), stream.begin() + 12));  // arrives in pieces
    Send(Bytes(stream.begin() + 12, stream.end()));
    ASSERT_EQ(nv().numberedImages().size(), 2u);
    EXPECT_EQ(nv().numberedImages()[1].raster, Bytes(4, 0xBB));

    Send(nv::PrintNumberedCommand(1));
    Send(nv::PrintNumberedCommand(2));
    EXPECT_EQ(nv().printed(), std::vector<std::string>{"#1"});
    // No function, or a print without its image number: logged, and nothing printed.
    using namespace nv::byte;
    for (const Bytes& odd : {Bytes{LegacyPrefix1, LegacyPrefix2, LegacyImage, 0, 0},
                             Bytes{LegacyPrefix1, LegacyPrefix2, LegacyImage, 3, 0, LegacyPrint, 0, 1}}) {
        Send(odd);
        EXPECT_EQ(LastKey(), "nv-legacy-unknown");
    }
    EXPECT_EQ(nv().printed().size(), 1u);

    // A standard printer ignores the numbered commands and streams.
    printer.firmwareOverride = 160902;
    Send(nv::DeleteAllNumberedCommand());
    EXPECT_EQ(LastKey(), "nv-unsupported");
    Send(stream);
    EXPECT_EQ(nv().numberedImages().size(), 2u);
    printer.firmwareOverride = 30000;

    // A download replaces the images; a block that is not what its header announced ends the
    // stream, and nothing of it is kept.
    const Bytes good = nv::NumberedImageBlock(MakeRaster(8, 1, 0xCC));
    const struct { std::size_t at; std::uint8_t value; std::size_t announced; } bad[] = {
        {1, 0, good.size()}, {3, 0, good.size()}, {5, 0x02, good.size()}, {0, good[0], good.size() - 1}};
    for (const auto& c : bad) {
        Bytes block = good;
        block[c.at] = c.value;
        Bytes broken = nv::LegacyDownloadHeader(1, static_cast<std::uint32_t>(c.announced));
        broken.insert(broken.end(), block.begin(), block.end());
        const std::size_t before = printer.commandLog().size();
        Send(broken);
        const auto& log = printer.commandLog();
        ASSERT_GE(log.size(), before + 2) << c.at;
        EXPECT_EQ(std::tie(log[before], log[before + 1]), std::tuple("nv-legacy-header", "nv-legacy-block-bad")) << c.at;
        EXPECT_TRUE(nv().numberedImages().empty()) << c.at;
    }
}

TEST_F(NvHandlerTest, StateSurvivesSaveAndLoad) {
    Define("10", MakeRaster(8, 2, 0x5A));
    Define(std::string{'\x01', '\xFF'}, MakeRaster(8, 1, 0x01));
    Send(nv::PrintKeyCodeCommand('1', '0'));
    const nlohmann::json state = printer.SaveState();
    PrinterModel other;
    other.LoadState(nlohmann::json::parse(state.dump()));
    const NvHandler& copy = *other.Handler<NvHandler>();
    ASSERT_EQ(copy.keyCodeImages().size(), 2u);
    EXPECT_EQ(copy.keyCodeImages()[1].first, (std::string{'\x01', '\xFF'}));
    EXPECT_EQ(copy.FindKeyCode("10")->raster, Bytes(2, 0x5A));
    EXPECT_EQ(copy.printed(), std::vector<std::string>{"10"});

    nlohmann::json damaged = state;
    damaged["nv"]["keyCodes"][0]["raster"] = "5A";  // one byte short
    other.LoadState(damaged);
    EXPECT_EQ(other.Handler<NvHandler>()->keyCodeImages().size(), 1u);

    // A hand-edited state: each list missing or of the wrong kind reads as empty, the others stay.
    for (const char* part : {"keyCodes", "numbered", "printed"}) {
        for (const nlohmann::json& replaced : {nlohmann::json(), nlohmann::json(5), nlohmann::json("10")}) {
            nlohmann::json edited = state;
            if (replaced.is_null()) edited["nv"].erase(part);
            else edited["nv"][part] = replaced;
            PrinterModel loaded;
            loaded.LoadState(edited);
            const NvHandler& nv = *loaded.Handler<NvHandler>();
            EXPECT_EQ(nv.keyCodeImages().size(), std::string(part) == "keyCodes" ? 0u : 2u) << part << replaced;
            EXPECT_EQ(nv.printed().size(), std::string(part) == "printed" ? 0u : 1u) << part << replaced;
        }
    }
}

// Each file's dots are RasterPng's (nv), and NvCommand compares its previews with them.
TEST_F(NvHandlerTest, PngFilesFollowDeletionsAndNameAnyCodeSafely) {
    test::TempDir dir;
    Define("10", MakeRaster(10, 2, 0x00));
    Define(std::string{'a', '/'}, MakeRaster(8, 1, 0xFF));
    std::string error;
    ASSERT_TRUE(nv().WritePngs(dir.path(), error)) << error;
    EXPECT_TRUE(std::filesystem::exists(dir / "nv-10.png"));
    EXPECT_TRUE(std::filesystem::exists(dir / "nv-x612F.png"));

    Send(nv::DeleteKeyCodeCommand('1', '0'));
    ASSERT_TRUE(nv().WritePngs(dir.path(), error));
    EXPECT_FALSE(std::filesystem::exists(dir / "nv-10.png"));
    EXPECT_TRUE(std::filesystem::exists(dir / "nv-x612F.png"));
}

}  // namespace
}  // namespace pelmora::sim
