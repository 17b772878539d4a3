#pragma once

#include "platform/Clock.h"

#include <string>
#include <string_view>

// The marker language inside a stored expansion: an erase mark takes back the character before
// it, a back-quote is a line break, "///" is a tab, and a back-quote followed by a tilde opens a
// marker that runs to the next tilde: "dt:" and a date picture, a "{'" comment, or a key script.
// A marker without a closing tilde runs to the end of the text.

enum class MarkerMode { Display = 1, Typing = 2 };

// Each erase mark removes itself and the character before it; one with nothing left before it
// is dropped.
std::string ApplyErasures(std::string_view text);

// Replaces every find by replacement, left to right. When find is the back-quote, a back-quote
// followed by a tilde is a marker and becomes its rendering instead, and the rendered text is
// scanned on like the rest (so a back-quote inside a typed key script still becomes a line
// break). A back-quote replaced by itself therefore renders the markers and nothing else.
std::string ReplaceWithMarkers(std::string_view text, std::string_view find,
                               std::string_view replacement, MarkerMode mode, const LocalTime& now);

// A marker's content: a "dt:" picture gives the date in both modes; otherwise typing gives the
// content as it stands, and display gives "#" and the comment text (up to its "}", or to the end
// when it has none) or "#" alone for a key script.
std::string RenderMarker(std::string_view content, MarkerMode mode, const LocalTime& now);

// The text for the key-script output: back-quotes become CR and "///" becomes TAB. Erase marks
// stay: each is typed as a Backspace.
std::string RenderForTyping(std::string_view stored, const LocalTime& now);

// The text as shown in lists and windows: back-quotes become an indented new line, then the
// erasures are applied.
std::string RenderForDisplay(std::string_view stored, const LocalTime& now);
