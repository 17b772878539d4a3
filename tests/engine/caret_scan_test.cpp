#include "engine/CaretScan.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kInk = 0x000000;
constexpr std::uint32_t kPane = 0xE0C080;

// A window's picture: white with a grey frame two pixels wide.
struct Picture {
    int width = 600;
    int height = 400;
    std::vector<std::uint32_t> px = std::vector<std::uint32_t>(600 * 400, kWhite);

    Picture() {
        fill(0, 0, width, 2, 0x808080);
        fill(0, height - 2, width, height, 0x808080);
        fill(0, 0, 2, height, 0x808080);
        fill(width - 2, 0, width, height, 0x808080);
    }
    void fill(int left, int top, int right, int bottom, std::uint32_t c) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) px[static_cast<std::size_t>(y * width + x)] = c;
    }
    PixelReader reader() const {
        return [this](int x, int y) {
            if (x < 0 || y < 0 || x >= width || y >= height) return kNoPixel;
            return px[static_cast<std::size_t>(y * width + x)];
        };
    }
    // Scans row by row until the search ends, as the idle passes do.
    ScanStep scan(CaretScan& s) const {
        StartCaretScan(s, reader(), width, height);
        ScanStep step = ScanStep::GoOn;
        for (int passes = 0; step == ScanStep::GoOn && passes < 100; ++passes)
            step = ScanNextRow(s, reader());
        return step;
    }
};

TEST(CaretScan, ABarTwoPixelsWideAnd16To41TallIsTheCaret) {
    struct Case {
        int left, width, top, height;
        bool found;
    } cases[] = {
        {100, 2, 200, 16, true},  {101, 2, 200, 18, true},  {100, 2, 100, 41, true},
        {100, 3, 200, 20, true},  {100, 2, 200, 15, false}, // too short: a letter
        {101, 1, 200, 20, false},                           // a one-pixel stroke
    };
    for (const Case& c : cases) {
        Picture pic;
        pic.fill(c.left, c.top, c.left + c.width, c.top + c.height, kInk);
        CaretScan s;
        const ScanStep step = pic.scan(s);
        EXPECT_EQ(step == ScanStep::Found, c.found) << c.left << " " << c.height;
        if (!c.found) continue;
        // The bar runs from its top to its bottom through the row that met it.
        EXPECT_EQ(s.row - s.up + 1, c.top);
        EXPECT_EQ(s.row + s.down, c.top + c.height - 1);
        EXPECT_EQ(s.lowestTextRow, s.row);
    }
}

TEST(CaretScan, WithoutACaretTheLowestTextRowIsKept) {
    Picture pic;
    // Letters: blocks ten pixels tall, on two lines; the scan rows are 15 pixels apart.
    for (int x = 20; x < 300; x += 8) {
        pic.fill(x, 100, x + 5, 110, kInk);
        pic.fill(x, 300, x + 5, 310, kInk);
    }
    pic.fill(400, 250, 401, 270, kInk); // and a one-pixel stroke
    CaretScan s;
    EXPECT_EQ(pic.scan(s), ScanStep::Exhausted);
    // Rows 391, 376, ...: 301 is the first to cross the lower line.
    EXPECT_EQ(s.lowestTextRow, 301);
    EXPECT_LT(s.row, 15);
}

TEST(CaretScan, AtTheRightABarLikeItsSurroundingsIsPassedOver) {
    Picture pic;
    // A dark block at the far right (a scroll bar's thumb) reads as a bar whose left side
    // is dark too; the caret further up is found.
    pic.fill(500, 300, 560, 320, kInk);
    pic.fill(100, 100, 102, 118, kInk);
    CaretScan s;
    ASSERT_EQ(pic.scan(s), ScanStep::Found);
    EXPECT_EQ(s.row - s.up + 1, 100);
    EXPECT_EQ(s.lowestTextRow, 316);
    // A caret alone at the far right, with the background to its left, is taken.
    Picture right;
    right.fill(560, 200, 562, 218, kInk);
    CaretScan r;
    EXPECT_EQ(right.scan(r), ScanStep::Found);
}

TEST(CaretScan, ALargeColouredAreaBecomesTheBackground) {
    Picture pic;
    // The area fills the window above a white strip at the bottom, and holds text and a caret.
    pic.fill(2, 2, 598, 390, kPane);
    pic.fill(40, 200, 45, 210, kInk);
    pic.fill(50, 195, 52, 213, kInk);
    CaretScan s;
    ASSERT_EQ(pic.scan(s), ScanStep::Found);
    EXPECT_EQ(s.background, kPane);
    EXPECT_EQ(s.row - s.up + 1, 195);
    // The area's own rows are forgotten as text; the caret's row is the lowest text seen.
    EXPECT_EQ(s.lowestTextRow, s.row);
    EXPECT_EQ(s.leftBound, 2);
    EXPECT_EQ(s.rightBound, 597);
}

} // namespace
