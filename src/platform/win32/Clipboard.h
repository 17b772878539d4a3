#pragma once

#include "platform/win32/WinApi.h"

#include <optional>
#include <string>
#include <string_view>

// The clipboard's text as CF_UNICODETEXT, converted from and to Windows-1252. The owner window
// is needed because a clipboard emptied without an owner refuses new data.
std::optional<std::string> ReadClipboardText(HWND owner);
bool EmptyClipboardText(HWND owner);
bool WriteClipboardText(HWND owner, std::string_view text);
