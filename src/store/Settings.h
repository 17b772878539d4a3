#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The options that survive from one session to the next, kept as the first line of the database
// file: 23 space-separated fields, on/off options packed two to a field (some stored inverted),
// followed by text this program carries through without reading it.
struct Options {
    bool smallWindow = false, showClipsOnCopy = false;                         // field 1
    bool lookAhead = false;                                                    // 2
    int fontSize = 8;                                                          // 2
    bool fullSpeed = false, protectedMode = false;                             // 3
    std::uint32_t mainColor = 0xFF9090;                                        // 4
    int mainTop = 2150, mainLeft = 13300, mainHeight = 7950, mainWidth = 4060; // 5-8
    std::uint32_t pickColor = 0x9EEBDF, buttonColor = 0xFFC0C0;                // 9, 10
    bool panelAnchored = false;                                                // 11
    int panelTop = 0, panelLeft = 0;                                           // 12, 13
    bool tipAtStart = false, activateUsedWords = true;                         // 14
    bool statsWhileTyping = false, activeOnlyLists = true;                     // 15
    bool statsAtClose = false;                                                 // 16
    int useLevel = 0;                                                          // 16
    int ctrlQuoteCount = 0, ctrlSpaceCount = 0;                                // 17, 18
    bool panelAlwaysVisible = true, highlightDisplay = true;                   // 19
    bool startMinimized = false, usePanel = false;                             // 20
    std::uint32_t panelColor = 0x3CD5C2;                                       // 21
    std::string calcDecimals;                                                  // 22
    bool expanderOn = false;                                                   // 23
    std::string tail; // the text after field 23, kept as read (without the separating space)
    // Where the main window stood at start-up, for "Return to startup position".
    int startupTop = 2150, startupLeft = 13300, startupHeight = 7950, startupWidth = 4060;
    bool addClipsToRing = true; // not stored; on at every start

    bool operator==(const Options&) const = default;
};

// Field n (from 1) of a settings line: the line is trimmed of spaces, and each word ends at the
// next space, so two adjacent spaces hold an empty field. A missing field is empty.
std::string GetField(int n, std::string_view line);

// Options from a settings line; missing or unreadable fields leave their defaults.
Options ParseSettings(std::string_view line);

// The settings line for the options. A line rebuilt from the options parsed out of a line this
// function wrote is that line again.
std::string BuildSettingsLine(const Options& o);

// The two characters before the first " Copyright" on the line that holds no space ("--" is the
// Original database), or "".
std::string DatabaseTypeCode(std::string_view settingsLine);
