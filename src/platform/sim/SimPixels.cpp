#include "platform/sim/SimPixels.h"

#include <algorithm>

namespace {

using namespace simpixels;

void Fill(SimPicture& pic, int left, int top, int right, int bottom, std::uint32_t colour) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, pic.width);
    bottom = std::min(bottom, pic.height);
    for (int y = top; y < bottom; ++y)
        std::fill_n(pic.pixels.begin() + y * pic.width + left, std::max(right - left, 0), colour);
}

void Draw(SimPicture& pic, const SimEditor& e, const SimLook& look) {
    const int w = pic.width;
    const int h = pic.height;
    pic.pixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), kWhite);
    if (look.style == SimWindowStyle::ColouredPane)
        Fill(pic, 0, 0, w, h - kFrameWidth - kStatusStrip, kPane);
    Fill(pic, 0, 0, w, kFrameWidth, kFrame);
    Fill(pic, 0, h - kFrameWidth, w, h, kFrame);
    Fill(pic, 0, 0, kFrameWidth, h, kFrame);
    Fill(pic, w - kFrameWidth, 0, w, h, kFrame);
    // Text and caret stay inside the frame and above the bottom edge's strip.
    const int textRight = w - kFrameWidth;
    const int textBottom = h - kFrameWidth - kStatusStrip;
    int row = 0;
    int column = 0;
    auto cell = [&](int c, int r) {
        return std::pair{kLeft + c * kCharWidth, kTop + r * kRowHeight};
    };
    for (std::size_t i = 0; i <= e.text.size(); ++i) {
        const auto [x, y] = cell(column, row);
        if (i == e.caret && look.caretWidth > 0 && x + 1 <= textRight &&
            y + kCaretTop + kCaretHeight <= textBottom)
            Fill(pic, x - look.caretWidth + 1, y + kCaretTop, x + 1, y + kCaretTop + kCaretHeight,
                 kInk);
        if (i == e.text.size()) break;
        const char c = e.text[i];
        if (c == '\n') {
            ++row;
            column = 0;
            continue;
        }
        if (c != ' ' && x + kGlyphLeft + kGlyphWidth <= textRight &&
            y + kGlyphTop + kGlyphHeight <= textBottom)
            Fill(pic, x + kGlyphLeft, y + kGlyphTop, x + kGlyphLeft + kGlyphWidth,
                 y + kGlyphTop + kGlyphHeight, kInk);
        ++column;
    }
}

} // namespace

std::uint32_t WindowPixel(SimPicture& picture, const SimEditor& e, const SimLook& look, int width,
                          int height, PixelPoint p) {
    if (!picture.drawn || picture.width != width || picture.height != height ||
        picture.text != e.text || picture.caret != e.caret || picture.look.style != look.style ||
        picture.look.caretWidth != look.caretWidth) {
        picture.width = width;
        picture.height = height;
        picture.text = e.text;
        picture.caret = e.caret;
        picture.look = look;
        Draw(picture, e, look);
        picture.drawn = true;
    }
    return picture.pixels[static_cast<std::size_t>(p.y) * static_cast<std::size_t>(width) +
                          static_cast<std::size_t>(p.x)];
}
