#pragma once

#include <string>

struct App;

// What the suite does, in a few paragraphs for the display box.
const std::string& IntroductionText();
// Adds the introduction to what the display box holds.
void ShowIntroduction(App& app);
// The "Intro" button: shows the introduction on its own, or takes it away when it is showing.
void cmdIntro_Click(App& app);
