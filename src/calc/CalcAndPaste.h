#pragma once

struct FormulaSample;
struct Core;

// Calculates the clipboard's text and types the result where the user is typing; a failed
// calculation types nothing.
void CalcAndPaste(Core& core);
// "Calculate && Paste &Result (='CPaste')" and the CPaste button.
void CalcPasteCommand(Core& core);
// An entry of the formula submenus: types its sample where the user is typing.
void TypeFormulaSample(Core& core, const FormulaSample& sample);
