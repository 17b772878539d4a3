// The database file as the loader meets it: any bytes at all. A file that loads must save back
// byte for byte, keep loading after its settings line is rebuilt, and find every record it holds.
#include "FuzzCheck.h"
#include "SettingsRoundTrip.h"
#include "platform/text.h"
#include "store/Database.h"
#include "store/DatabaseFile.h"
#include "store/Settings.h"

namespace {

bool SameContent(const Database& a, const Database& b) {
    return a.settingsLine == b.settingsLine && a.groups == b.groups;
}

void CheckLookups(const Database& db, int useLevel) {
    for (const std::string& group : db.groups) {
        Require(group.starts_with(CrLf) && group.size() > 2, "every group starts a record");
        for (std::size_t lineBreak = 0; lineBreak < group.size();) {
            const std::size_t start = lineBreak + 2;
            const std::size_t end = RecordEnd(group, start);
            const RecordParts parts =
                SplitRecord(std::string_view(group).substr(start, end - start));
            const auto found = FindRecord(db, parts.shortForm);
            Require(found.has_value(), "every record's short form is found");
            Require(found->start <= start, "a short form finds its first record");
            Require(SplitRecord(RecordText(db, *found)).shortForm == parts.shortForm,
                    "the record found has the short form looked for");
            lineBreak = end;
        }
        const ActiveList active = ActiveListOfGroup(group, useLevel);
        Require(active.count >= 0 && (active.count == 0) == active.text.empty(),
                "the active list counts what it holds");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file = InputText(data, size);
    const LoadResult loaded = CutDatabaseText(file);
    if (!loaded.db) {
        Require(!loaded.error.empty(), "a refusal says why");
        return 0;
    }
    const Database& db = *loaded.db;

    std::string expected(file);
    if (!file.ends_with(CrLf)) expected += CrLf;
    const std::string saved = DatabaseText(db);
    Require(saved == expected, "a loaded database saves back byte for byte");
    const LoadResult again = CutDatabaseText(saved);
    Require(again.db && SameContent(*again.db, db), "a saved database loads as it was");

    const Options options = ParseSettings(db.settingsLine);
    const LoadResult rebuilt = CutDatabaseText(DatabaseText(BuildSettingsLine(options), db));
    Require(rebuilt.db && rebuilt.db->groups == db.groups,
            "a rebuilt settings line leaves the records loadable and unchanged");
    RequireSettingsRoundTrip(options);

    CheckLookups(db, options.useLevel);
    return 0;
}
