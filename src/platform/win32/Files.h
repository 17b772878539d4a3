#pragma once

#include "platform/Platform.h"

#include <optional>
#include <string>
#include <string_view>

// The program's files through the wide Windows API, so that folder names outside the ANSI code
// page work. Paths are Windows-1252 program text.

// The folder of the running executable, ending with a backslash.
std::string ExecutableFolder();
std::optional<std::string> ReadFileWhole(std::string_view path);
// A new file beside the target ("NAME.new"), flushed to the disk, then moved over the target in
// one step (MoveFileEx with MOVEFILE_REPLACE_EXISTING and MOVEFILE_WRITE_THROUGH), so a crash or
// a full disk leaves the old file or the new one, never a piece.
FileStatus WriteFileReplacing(std::string_view path, std::string_view data);
FileStatus CopyFileReplacing(std::string_view from, std::string_view to);
bool IsExistingFile(std::string_view path);
