// The start-up normalisation of erase marks over any database that loads: it keeps the file
// loadable and every record in its place, and a second run finds nothing left to do.
#include "FuzzCheck.h"
#include "store/Database.h"
#include "store/DatabaseFile.h"
#include "store/Normalise.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> ShortForms(const Database& db) {
    std::vector<std::string> forms;
    for (const std::string& group : db.groups) {
        for (std::size_t lineBreak = 0; lineBreak < group.size();) {
            const std::size_t start = lineBreak + 2;
            const std::size_t end = RecordEnd(group, start);
            forms.emplace_back(
                SplitRecord(std::string_view(group).substr(start, end - start)).shortForm);
            lineBreak = end;
        }
    }
    return forms;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LoadResult loaded = CutDatabaseText(InputText(data, size));
    if (!loaded.db) return 0;
    Database& db = *loaded.db;
    const Database before = db;

    const int rewritten = NormaliseErasures(db);
    Require(rewritten >= 0, "a count of rewritten records");
    Require((rewritten == 0) == (db.groups == before.groups),
            "the records change exactly when some are rewritten");
    Require(db.databaseChanged == (rewritten > 0), "a rewrite marks the database changed");
    Require(ShortForms(db) == ShortForms(before), "every record keeps its short form and place");
    if (before.settingsLine.find("Loffe, 2003") != std::string::npos)
        Require(rewritten == 0, "the marked database is not examined");

    const LoadResult reloaded = CutDatabaseText(DatabaseText(db));
    Require(reloaded.db && reloaded.db->groups == db.groups,
            "a normalised database saves and loads as it is");

    const Database once = db;
    Require(NormaliseErasures(db) == 0 && db.groups == once.groups,
            "normalising again changes nothing");
    return 0;
}
