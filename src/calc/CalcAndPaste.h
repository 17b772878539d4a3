#pragma once

struct FormulaSample;
struct App;

// Calculates the clipboard's text and types the result where the user is typing; a failed
// calculation types nothing.
void CalcAndPaste(App& app);
// "Calculate && Paste &Result (='CPaste')" and the CPaste button.
void CalcPasteCommand(App& app);
// An entry of the formula submenus: types its sample where the user is typing.
void TypeFormulaSample(App& app, const FormulaSample& sample);
