// Golden bytes of every NV command and both block layouts.
#include <gtest/gtest.h>

#include "nv/NvBlocks.h"
#include "nv/NvCommands.h"

namespace pelmora::nv {
namespace {

TEST(NvCommands, GoldenBytes) {
    struct Case { const char* name; Bytes got, want; };
    const Case cases[] = {
        {"ReadKeyCodeList", ReadKeyCodeListCommand(), {0x1D, 0x28, 0x4C, 0x04, 0x00, 0x30, 0x40, 0x4B, 0x43}},
        {"DeleteKeyCode", DeleteKeyCodeCommand('A', '1'), {0x1D, 0x28, 0x4C, 0x04, 0x00, 0x30, 0x42, 0x41, 0x31}},
        {"DeleteAllKeyCodes", DeleteAllKeyCodesCommand(),
         {0x1D, 0x28, 0x4C, 0x05, 0x00, 0x30, 0x41, 0x43, 0x4C, 0x52}},
        {"PrintKeyCode", PrintKeyCodeCommand('1', '0'),
         {0x1D, 0x28, 0x4C, 0x06, 0x00, 0x30, 0x45, 0x31, 0x30, 0x01, 0x01}},
        {"DeleteAllNumbered", DeleteAllNumberedCommand(), {0x08, 0x5E, 0x4C, 0x01, 0x00, 0x41}},
        {"PrintNumbered", PrintNumberedCommand(0xFE), {0x08, 0x5E, 0x4C, 0x04, 0x00, 0x45, 0xFE, 0x01, 0x01}},
        {"LegacyHeader", LegacyDownloadHeader(1, 0x00012345),
         {0x08, 0x5E, 0x37, 0x47, 0x23, 0x01, 0x00, 0x43, 0x01}},
        {"LegacyHeaderWraps", LegacyDownloadHeader(1, 0xFFFFFFFF),
         {0x08, 0x5E, 0x37, 0x01, 0x00, 0x00, 0x00, 0x43, 0x01}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
}

Raster TenByTwo() {
    Raster r;
    r.width = 10;
    r.height = 2;
    r.bytes = {0xFF, 0xC0, 0x80, 0x00};
    return r;
}

TEST(NvBlocks, RasterDefinitionUnderTheAddressCode) {
    const Bytes want{0x1D, 0x28, 0x4C, 0x0F, 0x00, 0x30, 0x43, 0x30, 0x41, 0x31, 0x01,
                     0x0A, 0x00, 0x02, 0x00, 0x31, 0xFF, 0xC0, 0x80, 0x00};
    EXPECT_EQ(RasterDefinitionBlock(TenByTwo(), 'A', '1'), want);
}

TEST(NvBlocks, LengthFieldsAreLittleEndianAtTheLargestRaster) {
    Raster r;
    r.width = 384;
    r.height = 1365;
    r.bytes.assign(65520, 0xAA);
    const Bytes block = RasterDefinitionBlock(r, 0x00, 0xFF);
    ASSERT_EQ(block.size(), 16u + 65520u);
    EXPECT_EQ(block[3] | block[4] << 8, 65531);  // block length minus 5
    EXPECT_EQ(block[8], 0x00);                    // codes copied unchecked
    EXPECT_EQ(block[9], 0xFF);
    EXPECT_EQ(block[11] | block[12] << 8, 384);
    EXPECT_EQ(block[13] | block[14] << 8, 1365);
}

TEST(NvBlocks, NumberedImageCarriesNoNumber) {
    const Bytes want{0x01, 0x0A, 0x00, 0x02, 0x00, 0x31, 0xFF, 0xC0, 0x80, 0x00};
    EXPECT_EQ(NumberedImageBlock(TenByTwo()), want);
}

}  // namespace
}  // namespace pelmora::nv
