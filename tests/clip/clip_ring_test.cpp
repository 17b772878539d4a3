#include "clip/ClipRing.h"

#include <gtest/gtest.h>
#include <string>

namespace {

MultiClipboardState RingOf(std::initializer_list<std::string> clips) {
    MultiClipboardState m;
    for (const std::string& c : clips) StoreClip(m, c);
    return m;
}

MultiClipboardState TenClips() {
    return RingOf({"c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8", "c9", "c10"});
}

TEST(ClipRing, TheSameTextIsStoredOnce) {
    MultiClipboardState m = RingOf({"a", "b"});
    EXPECT_FALSE(StoreClip(m, "a"));
    EXPECT_EQ(StoredClipCount(m), 2);
    EXPECT_EQ(m.nextSlot, 3);
}

TEST(ClipRing, ATenthClipOverwritesSlotOneAndTheListShowsWhereTheRingTurned) {
    const MultiClipboardState nine = RingOf({"c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8", "c9"});
    EXPECT_FALSE(RingWrapped(nine));
    const MultiClipboardState m = TenClips();
    EXPECT_TRUE(RingWrapped(m));
    EXPECT_EQ(StoredClipCount(m), 9);
    EXPECT_EQ(BuildClipList(m), " 1) c10\r\n\r\n 2) c2\r\n 3) c3\r\n 4) c4\r\n 5) c5\r\n 6) c6\r\n"
                                " 7) c7\r\n 8) c8\r\n 9) c9\r\n");
}

TEST(ClipRing, OnlyTextUpTo4000CharactersIsCaptured) {
    EXPECT_TRUE(IsCapturable(std::string(4000, 'x')));
    EXPECT_FALSE(IsCapturable(std::string(4001, 'x')));
    EXPECT_FALSE(IsCapturable(""));
}

TEST(ClipRing, EachClipTakesOneLineOfTheList) {
    const MultiClipboardState m =
        RingOf({"one line\r\n", "first\r\nsecond", std::string(31, 'x'), std::string(30, 'y')});
    EXPECT_EQ(BuildClipList(m), " 1) one line\r\n 2) first...\r\n 3) " + std::string(30, 'x') +
                                    "...\r\n 4) " + std::string(30, 'y') + "\r\n");
    EXPECT_EQ(ClipListText(RingOf({"a"})),
              "Multi-Clipboard. Click the clip you want\r\nto paste, with 'Shift' to change "
              "case.\r\nOr click one of the commands:\r\n\r\n 1) a\r\n\r\n Paste all\r\n Paste all "
              "as a list\r\n Clear list");
}

TEST(ClipRing, AClickPicksTheClipOrCommandOnItsLine) {
    const MultiClipboardState two = RingOf({"a", "b"});
    const MultiClipboardState wrapped = TenClips();
    const struct {
        const MultiClipboardState& ring;
        int line;
        std::uint8_t selected;
    } cases[] = {
        {two, 1, 0},        // the heading
        {two, 4, 0},        // the heading's empty line
        {two, 5, 1},        // the first clip
        {two, 6, 2},        //
        {two, 7, 0},        // the empty line before the commands
        {two, 8, 'A'},      // Paste all
        {two, 9, 'B'},      // Paste all as a list
        {two, 10, 'C'},     // Clear list
        {two, 11, 0},       // below the list
        {two, 0, 0},        //
        {wrapped, 5, 1},    // the newest clip
        {wrapped, 6, 0},    // the line where the ring turned
        {wrapped, 7, 2},    //
        {wrapped, 14, 9},   //
        {wrapped, 16, 'A'}, //
        {wrapped, 18, 'C'}, //
    };
    for (const auto& c : cases)
        EXPECT_EQ(SelectionOnLine(c.ring, c.line), c.selected) << "line " << c.line;
}

TEST(ClipRing, TheLineOfACharacterCountsTheLineBreaksBeforeIt) {
    const std::string text = "ab\r\ncd\r\n\r\ne";
    EXPECT_EQ(LineOfIndex(text, 0), 1);
    EXPECT_EQ(LineOfIndex(text, 2), 1); // the CR ending line 1
    EXPECT_EQ(LineOfIndex(text, 3), 1); // and its LF
    EXPECT_EQ(LineOfIndex(text, 4), 2);
    EXPECT_EQ(LineOfIndex(text, 9), 3);
    EXPECT_EQ(LineOfIndex(text, 10), 4);
    EXPECT_EQ(LineOfIndex(text, 99), 4); // past the end: the last line
}

TEST(ClipRing, AClipIsPastedWithItsLineBreakButNotWithABareCarriageReturn) {
    const MultiClipboardState m = RingOf({"line\r\n", "bare\r"});
    EXPECT_EQ(ClipForPasting(m, 1), "line\r\n");
    EXPECT_EQ(ClipForPasting(m, 2), "bare");
}

TEST(ClipRing, PasteAllJoinsTheClipsAndAsAListEndsEachWithEnter) {
    const MultiClipboardState m = RingOf({"a", "b"});
    EXPECT_EQ(JoinedClips(m, false), "ab");
    EXPECT_EQ(JoinedClips(m, true), "a\rb\r");
    // A clip's own trailing carriage return gives way to the list's.
    EXPECT_EQ(JoinedClips(RingOf({"x\r", "y"}), true), "x\ry\r");
    EXPECT_EQ(JoinedClips(RingOf({"x\r", "y"}), false), "xy");
}

TEST(ClipRing, ClearingEmptiesTheRing) {
    MultiClipboardState m = TenClips();
    ClearClips(m);
    EXPECT_EQ(StoredClipCount(m), 0);
    EXPECT_EQ(m.nextSlot, 1);
    EXPECT_EQ(BuildClipList(m), "");
}

TEST(ClipRing, TheWindowGrowsToShowTheList) {
    const MultiClipboardState two = RingOf({"a", "b"});
    constexpr int frame = 690;
    // 2 lines at 8 points need an inner height of 2 * 184 + 2343 = 2711.
    ListWindowFit fit = FitWindowForList(two, {13300, 2150, 4060, 3000}, frame, 8, 19200, 12000);
    EXPECT_TRUE(fit.enlarged);
    EXPECT_EQ(fit.rect.height, 2711 + frame);
    EXPECT_EQ(fit.rect.top, 2150);
    // Tall enough already: left as it is.
    fit = FitWindowForList(two, {13300, 2150, 4060, 7950}, frame, 8, 19200, 12000);
    EXPECT_FALSE(fit.enlarged);
    EXPECT_EQ(fit.rect.height, 7950);
    // Grown past 500 twips above the screen's bottom: moved up.
    fit = FitWindowForList(TenClips(), {13300, 10000, 4060, 1000}, frame, 10, 19200, 12000);
    EXPECT_EQ(fit.rect.height, 10 * 242 + 2679 + frame);
    EXPECT_EQ(fit.rect.top, 12000 - fit.rect.height - 500);
    // At 12 points the window is at least 4785 wide, and stays on the screen.
    fit = FitWindowForList(two, {16000, 0, 4060, 9000}, frame, 12, 19200, 12000);
    EXPECT_EQ(fit.rect.width, 4785);
    EXPECT_EQ(fit.rect.left, 19200 - 4785);
    // A font size without rows of its own leaves the window alone.
    fit = FitWindowForList(two, {100, 0, 1000, 1000}, frame, 9, 19200, 12000);
    EXPECT_FALSE(fit.enlarged);
    EXPECT_EQ(fit.rect.height, 1000);
}

} // namespace
