#pragma once

#include "platform/Platform.h"

// What one pass of the main loop read, in the order it reads them. A key reads pressed when it is
// down now or was pressed since its previous reading; Shift, Alt and Ctrl stand for any of their
// three keys.
struct PassReadings {
    bool space, enter, shift, period, comma, tab, slash, backslash, one, semicolon, minus, quote,
        nine, zero, leftBracket, rightBracket, backspace, del, f6, f9, f11, alt, ctrl, capsLock,
        leftButton, equals, backQuote, f2, leftWin;
};

PassReadings ReadPass(Platform& p);
