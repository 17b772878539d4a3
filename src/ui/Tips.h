#pragma once

#include "platform/Form.h"
#include "ui/PresentationState.h"

#include <optional>
#include <string>
#include <string_view>

struct App;

// The tips window frmKVHelp, "Pearls of Insight": one numbered tip of "QNTips.txt" at a time. The
// file's first line is the number of the tip to show next; then each tip is its number on a line
// of its own, its text, and an empty line.

Form MakeTipsForm();

// Takes a tips file apart: the number on its first line, and the rest from that line's end on.
TipsState ReadTips(std::string_view file);
// The text of the current tip. A number with no tip falls back to the first tip.
std::string GetTip(TipsState& tips);
// The tips file to write as the window closes, with the next run's number on its first line;
// nothing when the kept text is too short to be a real tips file, or has no CR line ends (a
// file saved with LF line ends, say).
std::optional<std::string> TipsFileAfterClose(const TipsState& tips);

// Shows the tips window with the tip the file names.
void ShowTips(App& app);
// The window closes: the next start shows the next tip, and the main window is in front again.
void CloseTips(App& app);
