#pragma once

#include "platform/Screen.h"
#include "platform/sim/SimEditor.h"

#include <cstdint>
#include <string>
#include <vector>

// How a simulated application window draws itself, for the program's pixel reading: a grey
// frame, the text in rows of blocks (one block per character), and a caret bar where the caret is.
enum class SimWindowStyle {
    Plain,        // black text on white
    ColouredPane, // black text on a large coloured area above a white status strip
};

struct SimLook {
    SimWindowStyle style = SimWindowStyle::Plain;
    int caretWidth = 2; // 0 hides the caret (as a blink does), 1 draws a one-pixel stroke
};

namespace simpixels {
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kInk = 0x000000;
inline constexpr std::uint32_t kFrame = 0x808080;
inline constexpr std::uint32_t kPane = 0xE0C080;
inline constexpr int kFrameWidth = 2;
inline constexpr int kStatusStrip = 6; // the white rows between the pane and the bottom frame
inline constexpr int kLeft = 10;       // the text's left edge
inline constexpr int kTop = 10;        // the first row's top
inline constexpr int kRowHeight = 20;
inline constexpr int kCharWidth = 8;
// Inside a row and a character cell: a character is 5 pixels wide, 10 tall; the caret 18 tall,
// just left of its cell.
inline constexpr int kGlyphLeft = 1, kGlyphWidth = 5, kGlyphTop = 6, kGlyphHeight = 10;
inline constexpr int kCaretTop = 1, kCaretHeight = 18;
} // namespace simpixels

// The window's picture, drawn again whenever its text, caret, look or size changed.
struct SimPicture {
    std::vector<std::uint32_t> pixels;
    int width = 0;
    int height = 0;
    std::string text;
    std::size_t caret = 0;
    SimLook look;
    bool drawn = false;
};

// One pixel of the window at a point inside it (0xBBGGRR).
std::uint32_t WindowPixel(SimPicture& picture, const SimEditor& e, const SimLook& look, int width,
                          int height, PixelPoint p);
