#pragma once

#include "engine/EngineState.h"

#include <cstdint>
#include <string>

struct App;

// The session's statistics, from " this session:" on: the caller puts "So far" or "In" in front.
// Mode 1 goes on with the short forms activated this session; any other mode leaves them out.
// Every figure reads as its label, a space and the value; a figure that cannot be known (too
// little typing, no typing time) reads " Unknown".
std::string StatisticsText(const SessionStats& stats, std::uint8_t mode);

// "&Typing Speed and other Statistics": the figures so far and the size of the vocabulary.
void ShowStatisticsWindow(App& app);
// Closing the program: the figures of the session and whether to show them again next time.
void ShowStatisticsAtClose(App& app);
// "So far" and the session's statistics in the display box, when the user wants them while
// typing and look-ahead is on.
void ShowStatisticsWhileTyping(App& app);
