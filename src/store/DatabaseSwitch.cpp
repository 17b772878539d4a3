#include "store/DatabaseSwitch.h"

#include "store/DataFile.h"
#include "store/DatabaseFile.h"
#include "store/Save.h"
#include "store/Settings.h"

DatabaseType TypeOfDatabase(std::string_view settingsLine) {
    return DatabaseTypeCode(settingsLine) == "--" ? DatabaseType::Original : DatabaseType::Custom;
}

std::string_view WaitingFileOf(DatabaseType type) {
    return type == DatabaseType::Original ? OriginalFileName : CustomFileName;
}

DatabaseFileCheck CheckDatabaseFile(Files& files, std::string_view path) {
    const std::optional<std::string> text = files.readFile(path);
    if (!text) return {};
    LoadResult cut = CutDatabaseText(*text);
    if (!cut.db) return {true, std::move(cut.error), {}};
    return {true, {}, std::move(cut.db->settingsLine)};
}

std::string_view BackupFileOf(DatabaseType type) {
    return type == DatabaseType::Original ? OriginalBackupName : CustomBackupName;
}

FileStatus SwitchDatabaseFiles(Files& files, DatabaseType to) {
    const DatabaseType from =
        to == DatabaseType::Original ? DatabaseType::Custom : DatabaseType::Original;
    const std::string working = DataFilePath(files, DatabaseFileName);
    const std::string left = DataFilePath(files, WaitingFileOf(from));
    // The file kept for the type being left must be of that type: under the other type's name it
    // would take that database's place for good.
    const DatabaseFileCheck current = CheckDatabaseFile(files, working);
    if (!current.readable || !current.problem.empty())
        return {false,
                "The database in use could not be read again: " +
                    (current.problem.empty() ? std::string("it is missing") : current.problem) +
                    "."};
    if (TypeOfDatabase(current.settingsLine) != from)
        return {false, "The database in use is not of the " +
                           std::string(from == DatabaseType::Original ? "Original" : "Custom") +
                           " type, so it was not stored as '" + std::string(WaitingFileOf(from)) +
                           "'."};
    if (files.fileExists(left)) {
        FileStatus backup = files.copyFile(left, DataFilePath(files, BackupFileOf(from)));
        if (!backup.ok) return backup;
    }
    FileStatus kept = files.copyFile(working, left);
    if (!kept.ok) return kept;
    return files.copyFile(DataFilePath(files, WaitingFileOf(to)), working);
}
