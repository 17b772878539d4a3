#include "Soak.h"

#include <gtest/gtest.h>

namespace {

// Some seconds under the sanitizers; tests/soak/quibnote-soak runs the long one.
constexpr std::int64_t kShortRun = 800;

SoakFigures Soaked(std::uint32_t seed) {
    SoakConfig config;
    config.seed = seed;
    config.keystrokes = kShortRun;
    return RunSoak(config);
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const std::string& l : lines) s += l + "\n";
    return s;
}

// After every step: 26 sorted letter groups, the file on disk as the program holds it, no
// modifier key down, the clipboard given back, bounded memory. And nothing of what the user
// types goes into a file unless the user saved it: the runs write the database only, and leave
// no other file behind.
TEST(Soak, AShortRandomRunKeepsEveryInvariantAndWritesOnlyTheDatabase) {
    std::int64_t saves = 0;
    for (std::uint32_t seed : {1u, 2u}) {
        const SoakFigures f = Soaked(seed);
        EXPECT_GE(f.keystrokes, kShortRun) << "seed " << seed;
        EXPECT_EQ(f.invariantChecks, f.steps) << "seed " << seed;
        EXPECT_TRUE(f.broken.empty()) << "seed " << seed << "\n" << Joined(f.broken);
        // The display box, the clip ring and the Quib List all have caps; together they stay
        // well below this whatever is typed.
        EXPECT_LT(f.largest.other, 256u * 1024u) << "seed " << seed;
        for (const std::string& name : f.filesWritten)
            EXPECT_EQ(name, "QNhForms.dta") << "seed " << seed;
        EXPECT_EQ(f.folderAtEnd, std::vector<std::string>{"QNhForms.dta"}) << "seed " << seed;
        saves += f.saves;
    }
    EXPECT_GT(saves, 0) << "the runs should save the database at least once";
}

} // namespace
