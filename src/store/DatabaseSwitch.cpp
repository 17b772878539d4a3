#include "store/DatabaseSwitch.h"

#include "store/DataFile.h"
#include "store/DatabaseFile.h"
#include "store/Save.h"
#include "store/Settings.h"

DatabaseType TypeOfDatabase(std::string_view settingsLine) {
    return DatabaseTypeCode(settingsLine) == "--" ? DatabaseType::Original : DatabaseType::Custom;
}

DatabaseType TypeOfImport(std::string_view firstLine) {
    return firstLine.find("--") != std::string_view::npos ? DatabaseType::Original
                                                          : DatabaseType::Custom;
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

FileStatus SwitchDatabaseFiles(Files& files, DatabaseType to) {
    const DatabaseType from =
        to == DatabaseType::Original ? DatabaseType::Custom : DatabaseType::Original;
    const std::string working = DataFilePath(files, DatabaseFileName);
    FileStatus kept = files.copyFile(working, DataFilePath(files, WaitingFileOf(from)));
    if (!kept.ok) return kept;
    return files.copyFile(DataFilePath(files, WaitingFileOf(to)), working);
}
