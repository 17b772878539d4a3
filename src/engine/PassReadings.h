#pragma once

#include "platform/Platform.h"

#include <cstdint>

// What one pass of the main loop read, in the order it reads them. A key reads pressed when it is
// down now or was pressed since its previous reading; Shift, Alt and Ctrl stand for any of their
// three keys.
struct PassReadings {
    bool space, enter, shift, tab, backspace, del, f6, f9, f11, alt, ctrl, capsLock, leftButton, f2,
        leftWin;
    // A Ctrl key beside the left one, which AltGr also holds down on Windows: Ctrl wanted with a
    // character that needs AltGr.
    bool rightCtrl;
    // The first punctuation key (a key beside the letters that is not a digit) that read pressed,
    // 0 for none. What it means depends on the character the user's layout gave it.
    std::uint8_t punctuation;
};

PassReadings ReadPass(Platform& p);
