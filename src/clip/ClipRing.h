#pragma once

#include "clip/ClipState.h"
#include "platform/Form.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The multi-clipboard's ring of nine clips and the list the display box shows of it.

inline constexpr std::size_t kMaxClipLength = 4000;
inline constexpr std::string_view kClipListHeading = "Multi-Clipboard";
inline constexpr std::string_view kEmptyClipboardMessage =
    "The MultiPaste clipboard is empty. Mark and copy the clips you want. Your most recent nine "
    "clips will be available from this clipboard.";

// The display box shows the list, or the message that there is nothing to list.
bool ShowsClipList(std::string_view display);
bool ShowsEmptyClipboardMessage(std::string_view display);

// Clips are stored in slots 1 to clipCount - 1.
int StoredClipCount(const MultiClipboardState& m);
// Once a tenth clip has overwritten slot 1, the newest clip stands in the slot before the next
// one and the older ones follow it; the list then separates the two runs with an empty line.
bool RingWrapped(const MultiClipboardState& m);

// Empty text and text over 4,000 characters are never captured.
bool IsCapturable(std::string_view text);
// Puts a new clip into the next slot, overwriting the oldest once nine are stored. A clip equal
// to one already stored is not stored twice: false then.
bool StoreClip(MultiClipboardState& m, std::string_view clip);
void ClearClips(MultiClipboardState& m);

// One line per clip, numbered by slot: " 3) " and the clip, cut at 30 characters or at its
// first line break.
std::string BuildClipList(const MultiClipboardState& m);
// The whole text of the display box while it shows the list: four heading lines, the clips,
// an empty line and the three commands.
std::string ClipListText(const MultiClipboardState& m);

// What a click on a line of the list's text picks (line 1 the heading's first): a clip slot, one
// of the commands, or nothing. Lines of the text, not rows on the screen: a window may wrap a
// line into several rows.
std::uint8_t SelectionOnLine(const MultiClipboardState& m, int line);
// The line (from 1) of the text that holds the character at index; CR LF ends a line.
int LineOfIndex(std::string_view text, std::size_t index);

// The text of a slot as it is pasted: a trailing carriage return is not typed.
std::string ClipForPasting(const MultiClipboardState& m, int slot);
// All clips in slot order; as a list, each ends with a carriage return (an Enter).
std::string JoinedClips(const MultiClipboardState& m, bool asList);

// The main window made tall enough for the list (lengths in twips). frameHeight is the window's
// outer height less its inner height. Font sizes other than 8, 10 and 12 leave it as it is.
struct ListWindowFit {
    TwipRect rect;
    bool enlarged = false;
};
ListWindowFit FitWindowForList(const MultiClipboardState& m, TwipRect window, int frameHeight,
                               int fontSize, int screenWidth, int screenHeight);
