#include "clip/QuibPlacement.h"

#include <algorithm>

namespace {

constexpr int kBottomMargin = 500;
// Narrower than this the main window's letter buttons no longer fit.
constexpr int kNarrowestMainWindow = 4060;

} // namespace

QuibPlacement PlaceBesideMainWindow(TwipRect main, TwipRect list, int screenWidth,
                                    int screenHeight) {
    QuibPlacement p{main, 0, main.top};
    TwipRect& m = p.main;
    if (m.left < list.width) m.left = std::max(m.left, std::min(list.width, screenWidth - m.width));
    if (m.left < list.width) {
        m.width = std::max(screenWidth - list.width, std::min(m.width, kNarrowestMainWindow));
        m.left = std::max(m.left, screenWidth - m.width);
    }
    p.left = std::max(0, m.left - list.width);
    p.top = KeepAboveScreenBottom(m.top, list.height, screenHeight);
    return p;
}

int KeepAboveScreenBottom(int top, int height, int screenHeight) {
    if (top + height <= screenHeight - kBottomMargin) return top;
    return std::max(0, screenHeight - height - kBottomMargin);
}
