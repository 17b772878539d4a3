#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The command language of quibnote-sim: one command a line, its text running from after the
// single space that follows the command word to the end of the line.
struct ScriptLine {
    int number = 0;
    std::string command;
    std::string text; // UTF-8, as written
};

std::vector<ScriptLine> ParseScript(std::string_view script);

// Expands \n, \t, \b and \\ in a text to type; the result is Windows-1252 ('\n' is Enter).
std::string UnescapeTyped(std::string_view utf8);
// Expands the escapes of printed texts (\n, \t, \\, \", \xHH) back into Windows-1252 bytes.
std::string UnescapePrinted(std::string_view utf8);
// Escapes a Windows-1252 text for printing: a line break (CR LF, LF) as \n, TAB as \t, \\, \",
// other control bytes as \xHH, and characters above ASCII as UTF-8.
std::string EscapeForPrint(std::string_view cp1252);

// The virtual-key code of a key name such as A, F6, SHIFT, ENTER or [.
std::optional<std::uint8_t> KeyByName(std::string_view name);
