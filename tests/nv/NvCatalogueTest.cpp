#include <gtest/gtest.h>

#include <QImage>

#include "context/ResultCode.h"
#include "nv/NvCatalogue.h"
#include "NvRig.h"

namespace pelmora::nv {
namespace {

TEST(ParseCatalogueEntry, CommaRuleAndThreeBrightnessDigits) {
    struct Case { const char* text; const char* path; std::int32_t brightness; };
    const Case cases[] = {
        {"C:\\logo.bmp,100", "C:\\logo.bmp", 100},
        {"/l/logo.bmp,7", "/l/logo.bmp", 7},
        {"/l/logo.bmp,050", "/l/logo.bmp", 50},
        {"/l/logo.bmp", "/l/logo.bmp", 0},
        {"/l/a,b.bmp,050", "/l/a", 0},     // cut at the first comma
        {"/l/logo.bmp,0509", "/l/logo.bmp", 50},
        {"/l/logo.bmp, 12", "/l/logo.bmp", 12},
        {"/l/logo.bmp,-5x", "/l/logo.bmp", -5},
        {"/l/logo.bmp,", "/l/logo.bmp", 0},
    };
    for (const Case& c : cases) {
        const CatalogueEntry entry = ParseCatalogueEntry(c.text);
        EXPECT_EQ(entry.path, c.path) << c.text;
        EXPECT_EQ(entry.brightness, c.brightness) << c.text;
    }
    EXPECT_EQ(CatalogueEntryText({"/l/logo.bmp", 50}), "/l/logo.bmp,050");
    EXPECT_EQ(CatalogueEntryText({"/l/logo.bmp", 100}), "/l/logo.bmp,100");
}

class NvCatalogue : public ::testing::Test {
protected:
    std::string Bitmap(const std::string& name, int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::black);
        const auto path = (rig.dir / name).string();
        EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP"));
        return path;
    }
    void Entry(int index, const std::string& text) { WriteCatalogueEntry(rig.store, index, text); }
    std::vector<std::string> Names() const {
        std::vector<std::string> out;
        for (const auto& item : rig.nv.ImageList.items())
            out.push_back(std::to_string(item.number) + ":" + item.name + ":" + std::to_string(item.brightness));
        return out;
    }

    nv::test::NvRig rig;
};

TEST_F(NvCatalogue, LoadStopsAtTheFirstGapAndSkipsFilesThatAreGone) {
    const auto a = Bitmap("a.bmp", 8, 2);
    const auto c = Bitmap("c.bmp", 8, 2);
    Entry(1, rig.dir.path().string() + "/gone.bmp,010");
    Entry(2, a + ",020");
    Entry(3, c);
    Entry(5, c + ",040");  // after the gap at 4: never read
    EXPECT_TRUE(LoadCatalogue(rig.nv).empty());
    EXPECT_EQ(Names(), (std::vector<std::string>{"1:a.bmp:20", "2:c.bmp:0"}));

    rig.store.SetRegString(NvKey, "image001", "");
    EXPECT_TRUE(LoadCatalogue(rig.nv).empty());
    EXPECT_TRUE(rig.nv.ImageList.empty());
}

TEST_F(NvCatalogue, EntryThatWouldPassTheLimitIsDroppedAndReported) {
    // 384 x 1000 estimates 48000 bytes: five fit into 262144, the sixth does not.
    const auto big = Bitmap("big.bmp", 384, 1000);
    const auto small = Bitmap("small.bmp", 8, 1);
    for (int i = 1; i <= 6; ++i) Entry(i, big + ",000");
    Entry(7, small + ",000");
    const auto dropped = LoadCatalogue(rig.nv);
    EXPECT_EQ(dropped, std::vector<std::string>{big});
    EXPECT_EQ(rig.nv.ImageList.size(), 6u);
    EXPECT_EQ(rig.nv.ImageList.items().back().name, "small.bmp");
    EXPECT_EQ(rig.nv.ImageList.items().back().number, 6);
}

TEST_F(NvCatalogue, SaveReplacesWhateverWasThereAndLoadGetsItBack) {
    for (int i = 1; i <= 5; ++i) Entry(i, "/old/" + std::to_string(i) + ".bmp");
    const auto a = Bitmap("a.bmp", 8, 2);
    for (int brightness : {0, 7, 100}) {
        auto item = rig.nv.LoadImageItem(rig.nv.ImageList.NextNumber(), a, brightness);
        ASSERT_TRUE(item);
        ASSERT_EQ(rig.nv.ImageList.AddImageItem(*item), rc::Ok);
    }
    rig.nv.ImageCount = 2;
    rig.nv.PrinterChecked = true;
    rig.nv.AddressList = {"10"};
    rig.nv.DownloadQueue.push_back({"x", {1, 2, 3}});

    SaveCatalogue(rig.nv);
    EXPECT_EQ(ReadCatalogueEntry(rig.store, 1), a + ",000");
    EXPECT_EQ(ReadCatalogueEntry(rig.store, 2), a + ",007");
    EXPECT_EQ(ReadCatalogueEntry(rig.store, 3), a + ",100");
    EXPECT_EQ(ReadCatalogueEntry(rig.store, 4), "");
    EXPECT_EQ(rig.nv.ReadStoredCount(), 2u);
    EXPECT_FALSE(rig.nv.PrinterChecked);
    EXPECT_TRUE(rig.nv.AddressList.empty());
    EXPECT_TRUE(rig.nv.DownloadQueue.empty());
    EXPECT_EQ(rig.nv.ImageList.size(), 3u);  // stays until the next load

    LoadCatalogue(rig.nv);
    EXPECT_EQ(Names(), (std::vector<std::string>{"1:a.bmp:0", "2:a.bmp:7", "3:a.bmp:100"}));
}

}  // namespace
}  // namespace pelmora::nv
