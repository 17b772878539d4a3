#pragma once

#include <string>
#include <string_view>

struct Core;

// Define mode adds a short form without leaving the document: the user types the short form,
// Ctrl+backslash, what is to follow it, and Ctrl+backslash again. What was typed in between is
// stored as an Added record; Enter, or a definition past 100 characters, leaves without storing.
struct DefineModeState {
    bool normalMode = true;
    std::string definedShortForm; // the word typed before define mode was entered
};

inline constexpr std::string_view kCaptionDefine = "Define Mode";
inline constexpr std::string_view kCaptionDefining = "Define Mode "; // while the user types

bool InNormalMode(const Core& core);
// Ctrl+backslash at a delimiter: enters define mode with the word typed, or stores what was typed
// since and goes back to normal mode.
void ToggleDefineMode(Core& core);
// Instead of the word boundary while in define mode: the delimiter joins the definition (a
// backslash excepted), or Enter and an overlong definition leave define mode storing nothing.
void DefineModeBoundary(Core& core);
