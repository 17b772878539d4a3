#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The multi-clipboard: the last nine clips the user copied or cut, in a ring. Slots are numbered
// 1 to 9 as the list shows them; slots[0] is slot 1.
struct MultiClipboardState {
    static constexpr std::uint8_t kSlots = 9;
    // What a click on the list asks for, besides a clip slot (1 to 9).
    static constexpr std::uint8_t kNone = 0;
    static constexpr std::uint8_t kPasteAll = 'A';
    static constexpr std::uint8_t kPasteAllAsList = 'B';
    static constexpr std::uint8_t kClearList = 'C';

    std::array<std::string, kSlots> slots;
    std::uint8_t nextSlot = 1;  // the slot the next new clip fills
    std::uint8_t clipCount = 1; // one more than the number of clips stored, in slots 1 and on
    std::uint8_t selection = kNone;
    bool captured = false; // a clip was captured in this run: later captures wait less
    // The main window was made taller to show the list; its size is then not the user's.
    bool enlargedForList = false;
};

// The Quib List window, frmPick: its entries while it is loaded, and where it goes.
struct QuibListState {
    // Per listed entry, from the top row: the text a click types and the short form.
    std::vector<std::string> pasteTexts;
    std::vector<std::string> shortForms;
    bool shown = false;
    std::string chosenText; // typed by the next paste; kept until the window hides or closes
    // The main window was a strip while the list showed beside it (it had been minimized).
    bool shrunk = false;
    // Where the list goes beside the main window, as last worked out, and where the user had
    // moved it to when it was last closed away from there.
    int besideLeft = 0;
    int besideTop = 0;
    bool movedAway = false;
    int movedLeft = 0;
    int movedTop = 0;
};

struct ClipState {
    MultiClipboardState multi;
    QuibListState quib;
    // A copy or cut was captured and not yet calculated: Alt+C calculates it.
    bool capturePending = false;
};
