#pragma once

#include "platform/Files.h"

#include <optional>
#include <string>
#include <string_view>

// File access on a real file system, shared by the backends that have one.
std::optional<std::string> ReadWholeFile(std::string_view path);
// Writes a new file beside the target, flushes it to disk, then renames it over the target, so
// a crash or a full disk leaves either the old file or the new one, never a piece. A read-only
// target is not replaced.
FileStatus WriteFileAtomically(std::string_view path, std::string_view data);
FileStatus CopyFileAtomically(std::string_view from, std::string_view to);
bool FileExists(std::string_view path);
