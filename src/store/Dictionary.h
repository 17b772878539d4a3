#pragma once

#include "keyout/KeyOutState.h"
#include "platform/Platform.h"

#include <string>
#include <string_view>

// The outside dictionary program that a word is looked up in: which program to start, the title
// of its window, and the key script typed after the word (the key that starts the search).
struct DictionaryConfig {
    std::string programPath;
    std::string windowTitle;
    std::string closingScript;
    bool available = false; // the program was found at start-up
};

inline constexpr std::string_view DictionaryFileName = "QNDict.txt";

// The settings as the file's text gives them: line 1 the program, line 2 the window title, the
// rest the closing script. A text without both a program and a window title configures no
// dictionary (an empty title would match any window at all). Availability
// is for the caller to decide, since only it can look for the program.
DictionaryConfig ParseDictionarySettings(std::string_view text);

// Reads the dictionary file of the program folder. A missing file, or one without a program and
// a window title, leaves the dictionary unavailable.
DictionaryConfig LoadDictionarySettings(Files& files);

// The look-up: the dictionary in front, the word and the closing script typed into it. Does
// nothing while the dictionary is unavailable.
void TypeIntoDictionary(Platform& p, KeyOutState& k, const DictionaryConfig& d,
                        std::string_view word);
