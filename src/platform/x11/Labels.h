#pragma once

#include <functional>
#include <string>
#include <string_view>

// Program text (Windows-1252, CR LF line breaks, "&" accelerators) as the toolkit shows it
// (UTF-8, LF, "@" escaped so it is never taken for a symbol), and back. Pure functions.

// Menu items and buttons: the toolkit draws "&" accelerators itself, as Windows does.
std::string ToolkitLabel(std::string_view cp1252);
// Labels: the accelerator marks are dropped ("&&" shows one ampersand).
std::string PlainLabel(std::string_view cp1252);
// Window titles and message texts: no accelerators, line breaks as LF.
std::string ToolkitText(std::string_view cp1252);
// Message box texts: CR LF, a lone CR and a lone LF each break the line (messages built on
// Windows use any of them), and a line wider than maxWidth, as `width` measures UTF-8 text, is
// wrapped at its spaces, or inside a word that is wider on its own; "@" escaped.
std::string MessageText(std::string_view cp1252, int maxWidth,
                        const std::function<int(std::string_view)>& width);
// Editable text: line breaks as LF, no escaping.
std::string EditText(std::string_view cp1252);
// Text the user edited, back into program text with CR LF line breaks.
std::string ProgramText(std::string_view utf8);
// A file dialog pattern: a Windows filter ("Lists (*.clt)|*.clt|All files|*.*") becomes the
// toolkit's tab-separated "Lists (*.clt)\tAll files (*.*)"; plain patterns pass unchanged.
std::string ToolkitPattern(std::string_view pattern);
