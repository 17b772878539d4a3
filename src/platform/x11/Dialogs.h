#pragma once

#include "platform/Platform.h"

#include <optional>
#include <string>
#include <string_view>

// The toolkit's modal dialogs. Texts in and out are Windows-1252; file paths are the file
// system's bytes, passed through unchanged.

MsgAnswer ShowMessageBox(std::string_view text, std::string_view title, MsgButtons buttons,
                         MsgIcon icon);
std::optional<std::string> AskForText(std::string_view prompt, std::string_view title,
                                      std::string_view initial);
std::optional<std::string> ChooseFile(std::string_view title, std::string_view pattern, bool save);
