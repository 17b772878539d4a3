#pragma once

// Points and rectangles on the screen, in pixels, and the mouse's buttons: shared by synthetic
// input, the desktop's windows and the actions on the program's own windows.

struct PixelPoint {
    int x = 0;
    int y = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

enum class MouseButton { Left, Right, Middle };
