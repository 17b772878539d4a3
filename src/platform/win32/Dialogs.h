#pragma once

#include "platform/Platform.h"
#include "platform/win32/WinApi.h"

#include <optional>
#include <string>
#include <string_view>

// Modal dialogs. The program's windows stay on top of others, so every dialog is made topmost
// too; the program's loop waits while one is open, as it does for any handler.
MsgAnswer ShowMessageBox(std::string_view text, std::string_view title, MsgButtons buttons,
                         MsgIcon icon);
// A one-line text with OK and Cancel; nothing when cancelled.
std::optional<std::string> ShowInputBox(std::string_view prompt, std::string_view title,
                                        std::string_view initial);
// The pattern is either a list of "description|pattern" pairs joined by "|", or one pattern
// such as "*.clt". The answer is the chosen path; nothing when cancelled.
std::optional<std::string> ShowFileDialog(std::string_view title, std::string_view pattern,
                                          bool save);
