#include "platform/sim/SimDesktop.h"
#include "store/DatabaseFile.h"
#include "store/Normalise.h"
#include "store/Save.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The built-in databases load through the program's own loader, need no normalising, and save
// back to the very same bytes.
TEST(ShippedData, TheBuiltInDatabasesLoadCleanlyAndRoundTrip) {
    SimDesktop sim{QUIBNOTE_SOURCE_DIR "/data"};
    for (const char* name : {"QNhForms.dta", "QNOrig.dta"}) {
        const std::optional<std::string> text = sim.readFile(sim.programFolder() + name);
        ASSERT_TRUE(text) << name;
        LoadResult loaded = CutDatabaseText(*text);
        ASSERT_TRUE(loaded.db) << name << ": " << loaded.error;
        EXPECT_EQ(DatabaseText(*loaded.db), *text) << name;
        EXPECT_EQ(NormaliseErasures(*loaded.db), 0) << name;
        int records = 0;
        for (const std::string& group : loaded.db->groups)
            records += static_cast<int>(std::count(group.begin(), group.end(), '\r'));
        EXPECT_GE(records, 26000) << name;
    }
}

} // namespace
