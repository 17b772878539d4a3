#pragma once

#include "store/Settings.h"

#include <string_view>

// What the engine shows in the main window's caption and on the display panel's label.

inline constexpr std::string_view kCaption = "Quibnote";
inline constexpr std::string_view kCaptionInWord = "Quibnote -"; // a word is being typed
inline constexpr std::string_view kCaptionOff = "Quibnote: -X->";
inline constexpr std::string_view kPanelOff = ": -X->";
// The expander is on but paused while the program in front is.
inline constexpr std::string_view kCaptionPaused = "Quibnote: -X-> paused in this application";
// The panel's label width with nothing long to show, in twips.
inline constexpr int kPanelBaseWidth = 1935;

// Wide enough for a preview of that many characters (counted up to 70).
inline int PanelWidthForPreview(int previewLength) {
    return previewLength > 11 ? (previewLength - 11) * 145 + kPanelBaseWidth : kPanelBaseWidth;
}

// The panel is in use and the user lets it hide when it has nothing to show.
inline bool PanelMayHide(const Options& o) {
    return o.usePanel && !o.panelAlwaysVisible;
}
