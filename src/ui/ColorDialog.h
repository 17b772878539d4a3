#pragma once

#include "platform/Form.h"

#include <cstdint>
#include <string>

struct App;

// The "Adjust Color" dialog frmColor: three scroll bars mix a colour (blue, green, red) that goes
// to whichever of the four targets are ticked: the main window's display box, the command
// buttons, the Quib List and the display panel. Colours are Windows values 0x00BBGGRR.

Form MakeColorForm();

// The colour as six upper-case hexadecimal digits, blue first: "FF0000" is blue.
std::string ColorHex(std::uint32_t color);

void OpenColorDialog(App& app);
// The scroll bars have moved: the labels show the colour and the ticked targets take it.
void ChangeColor(App& app);
// Every ticked target takes the colour.
void SetWindowColor(App& app, std::uint32_t BColor);
// The scroll bars and labels show a colour, and the ticked targets take it.
void SetScrollBars(App& app, std::uint32_t ColorVal);
// Shows the display panel so that its colour can be seen while it changes.
void OpenDispPanel(App& app);
// Closing keeps each colour that changed as a setting.
void CloseColorDialog(App& app);

// The colours the settings hold, on the windows.
void ApplySettingsColors(App& app);
// The default entries of "C&olor Settings" are ticked while a colour is not its default.
void RefreshColorMenu(App& app);
