#include <gtest/gtest.h>

#include "nv/NvPreviewRules.h"

namespace pelmora::nv {
namespace {

TEST(NvPreviewRules, DrawnSizeNarrowImagesAtPrinterScaleWideOnesFillTheFrame) {
    struct Case { std::uint32_t frame, w, h, drawnW, drawnH; };
    const Case cases[] = {
        {300, 192, 100, 150, 78},    // half the printer's width: half the frame (78.125 cut)
        {300, 299, 10, 233, 7},      // just narrower than the frame: 300 x 299 / 384
        {300, 300, 10, 300, 10},     // as wide as the frame fills it
        {300, 2000, 3000, 300, 450},
        {300, 1, 50, 0, 0},          // too narrow to draw: nothing, not a crash
        {0, 10, 10, 0, 0},
        {300, 0, 10, 0, 0},
    };
    for (const Case& c : cases) {
        const Size s = PreviewDrawSize(c.frame, c.w, c.h);
        EXPECT_EQ(s.width, c.drawnW) << c.frame << " " << c.w << "x" << c.h;
        EXPECT_EQ(s.height, c.drawnH) << c.frame << " " << c.w << "x" << c.h;
    }
}

TEST(NvPreviewRules, BrightnessOffsetTruncatesAndStaysInRange) {
    struct Case { std::int32_t position; int offset; };
    for (const Case& c : {Case{0, 0}, Case{1, 2}, Case{40, 102}, Case{99, 252}, Case{100, 255}, Case{-5, 0}, Case{500, 255}})
        EXPECT_EQ(PreviewBrightnessOffset(c.position), c.offset) << c.position;
}

TEST(NvPreviewRules, CurrentNumberFollowsItsEntryOrGoes) {
    struct Case { std::int32_t current; std::vector<std::int32_t> removed; std::int32_t after; };
    const Case cases[] = {
        {4, {1, 3}, 2},   // rows 1 and 3 of five go: the former 4 is 2
        {3, {1, 3}, -1},  // the current one went
        {2, {5, 4}, 2},   // only later ones went
        {-1, {1}, -1},
        {1, {}, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(NumberAfterRemoval(c.current, c.removed), c.after) << c.current;
}

}  // namespace
}  // namespace pelmora::nv
