#include "store/Save.h"

#include "store/DataFile.h"

LoadResult LoadDatabase(Files& files) {
    const std::string path = DataFilePath(files, DatabaseFileName);
    const std::optional<std::string> text = files.readFile(path);
    if (!text) return {std::nullopt, "The database file " + path + " cannot be read."};
    LoadResult cut = CutDatabaseText(*text);
    if (!cut.db) cut.error = "The database file " + path + " cannot be used: " + cut.error + ".";
    return cut;
}

FileStatus SaveDatabase(Files& files, Database& db, const Options& o, bool rebuildSettings) {
    std::string settingsLine = rebuildSettings ? BuildSettingsLine(o) : db.settingsLine;
    FileStatus status =
        files.writeFile(DataFilePath(files, DatabaseFileName), DatabaseText(settingsLine, db));
    if (!status.ok) return status;
    db.settingsLine = std::move(settingsLine);
    db.databaseChanged = false;
    if (rebuildSettings) db.settingsChanged = false;
    return status;
}
