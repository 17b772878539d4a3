#pragma once

#include "platform/Form.h"

#include <string_view>

struct App;

// "Quibnote Customize" (frmDat): how many spaces Ctrl+Space and Ctrl with the double-quote key
// type; 0 turns either off.

Form MakeCustomizeForm();

// The count an entry gives: its whole part when it is a number from 1 to 100, else 0.
int CountFromEntry(std::string_view entry);

void OpenCustomizeDialog(App& app);
// cmdDat1: the entries become the counts and the dialog closes.
void cmdDat1_Click(App& app);
