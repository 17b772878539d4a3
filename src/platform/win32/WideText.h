#pragma once

#include "platform/win32/WinApi.h"

#include <string>
#include <string_view>

// The backend's edge between program text (Windows-1252 bytes) and the wide Windows API.
std::wstring Wide(std::string_view cp1252);
std::string Narrow(std::wstring_view wide);

// A path as the program holds it: its Windows-1252 form, or the short (8.3) form of the path
// when one of its characters has no Windows-1252 byte, so that the program can open it again.
std::string ProgramPath(const std::wstring& wide);

// The system's description of an error code, without the trailing line break.
std::string ErrorText(DWORD error);

// Edit controls break lines only at CR LF; program text may hold a lone LF.
std::wstring WithCrLf(std::wstring_view text);
// The index in program text of the character at `shown` in its WithCrLf form: a CR the edit
// control was given before a lone LF is no character of the program's.
std::size_t IndexWithoutAddedCr(std::string_view text, std::size_t shown);
