#pragma once

#include "platform/Files.h"

#include <optional>
#include <string>
#include <string_view>

// The user owns two databases, the Original and a Custom one; the working file is always the one
// in use, and the other waits under its own name until the user switches to it.

inline constexpr std::string_view OriginalFileName = "QNOrig.dta";
inline constexpr std::string_view CustomFileName = "QNCustom.dta";
// The file each switch replaced, one generation back.
inline constexpr std::string_view OriginalBackupName = "QNOrig.bak";
inline constexpr std::string_view CustomBackupName = "QNCustom.bak";

enum class DatabaseType { Original, Custom };

// The type a settings line declares: "--" before " Copyright" is the Original database. The one
// test of the type, for the working database, a waiting one and an import alike.
DatabaseType TypeOfDatabase(std::string_view settingsLine);
// Where a database of that type waits while the other one is in use.
std::string_view WaitingFileOf(DatabaseType type);
// Where the file of that name was before the last switch replaced it.
std::string_view BackupFileOf(DatabaseType type);

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
// the type switched to the working one. The file the first copy replaces is kept first as its
// backup. Refused, with nothing written, when the working file as saved is not of the type being
// left. Each copy replaces its target whole or not at all; when a later copy fails, the working
// file is still the one it was.
FileStatus SwitchDatabaseFiles(Files& files, DatabaseType to);
