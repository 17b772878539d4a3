#pragma once

#include "platform/Files.h"

#include <optional>
#include <string>
#include <string_view>

// The user owns two databases, the Original and a Custom one; the working file is always the one
// in use, and the other waits under its own name until the user switches to it.

inline constexpr std::string_view OriginalFileName = "QNOrig.dta";
inline constexpr std::string_view CustomFileName = "QNCustom.dta";

enum class DatabaseType { Original, Custom };

// The type a settings line declares: "--" before " Copyright" is the Original database.
DatabaseType TypeOfDatabase(std::string_view settingsLine);
// The type of a file offered for import: the Original when its first line holds "--" anywhere.
DatabaseType TypeOfImport(std::string_view firstLine);
// Where a database of that type waits while the other one is in use.
std::string_view WaitingFileOf(DatabaseType type);

// What the next start would make of the file at path: whether it can be read at all, why it
// could not be used (empty when it can), in words a user can act on, and the settings line of a
// usable one, to read its type from.
struct [[nodiscard]] DatabaseFileCheck {
    bool readable = false;
    std::string problem;
    std::string settingsLine;
};
DatabaseFileCheck CheckDatabaseFile(Files& files, std::string_view path);

// Keeps the working file under the name of the type being left, then makes the waiting file of
// the type switched to the working one. Each copy replaces its target whole or not at all; when
// the second copy fails, the working file is still the one it was.
FileStatus SwitchDatabaseFiles(Files& files, DatabaseType to);
