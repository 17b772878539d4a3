#include "assign.h"
#include "candidates.h"
#include "check.h"
#include "curated.h"
#include "dtafile.h"
#include "inputs.h"
#include "platform/text.h"
#include "storedform.h"
#include "textfold.h"
#include "vocabulary.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace dbgen {
namespace {

const std::string E(1, mark::Erase);

bool IsSubsequenceFromFirst(const std::string& form, const std::string& word) {
    if (form.empty() || form[0] != word[0]) return false;
    std::size_t at = 1;
    for (std::size_t i = 1; i < form.size(); ++i) {
        at = word.find(form[i], at);
        if (at == std::string::npos) return false;
        ++at;
    }
    return true;
}

TEST(StoredForm, ShortFormLeadsWithOneEraseMarkPerLetterUnlessItBeginsTheExpansion) {
    EXPECT_EQ(StoredExpansion("bc", "because"), "bc" + E + E + "because");
    EXPECT_EQ(StoredExpansion("env", "envelope"), "envelope");
    EXPECT_EQ(StoredExpansion("mchl", "Michael"), "mchl" + E + E + E + E + "Michael");
    EXPECT_EQ(StoredExpansion("cfe", "cafe" + E + "\xE9"), "cfe" + E + E + E + "cafe" + E + "\xE9");
    EXPECT_EQ(BareExpansion("cfe", "cfe" + E + E + E + "cafe" + E + "\xE9"), "cafe" + E + "\xE9");
    EXPECT_EQ(BareExpansion("env", "envelope"), "envelope");
}

TEST(StoredForm, ErasuresRemoveTheCharacterBeforeEachMark) {
    EXPECT_EQ(ApplyErasures("abt" + E + E + E + "about"), "about");
    EXPECT_EQ(ApplyErasures("dej" + E + E + "\xE9j\xE0 vu"), "d\xE9j\xE0 vu");
    EXPECT_EQ(ApplyErasures(E + "x"), "x");
}

TEST(Candidates, BestGuessIsTheSkeleton) {
    const std::map<std::pair<std::string, std::size_t>, std::string> cases = {
        {{"about", 3}, "abt"},  {{"because", 2}, "bc"}, {{"people", 3}, "ppl"},
        {{"little", 3}, "ltl"}, {{"thank", 4}, "thnk"}, {{"envelope", 4}, "envl"},
    };
    for (const auto& [in, want] : cases)
        EXPECT_EQ(FirstCandidate(in.first, in.second, [](const std::string&) { return true; }),
                  want)
            << in.first;
    EXPECT_EQ(Skeleton("letter"), "ltr");
}

TEST(Candidates, EveryCandidateKeepsTheFirstLetterAndTheLetterOrderAndComesOnce) {
    for (const std::string word : {"because", "international", "cafe", "you"}) {
        for (std::size_t n = 2; n < word.size(); ++n) {
            std::vector<std::string> seen;
            const auto none = FirstCandidate(word, n, [&](const std::string& c) {
                seen.push_back(c);
                return false;
            });
            EXPECT_TRUE(none.empty());
            ASSERT_FALSE(seen.empty()) << word << ' ' << n;
            for (const auto& c : seen) EXPECT_TRUE(IsSubsequenceFromFirst(c, word)) << c;
            auto sorted = seen;
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << word;
        }
    }
    // The skeleton's candidates come before those that need a vowel.
    EXPECT_EQ(FirstCandidate("cafe", 3, [](const std::string& c) { return c != "caf"; }), "cfe");
}

TEST(Vocabulary, PiecesAreWhatTheExpanderSeesBetweenDelimiters) {
    EXPECT_EQ(LetterPieces("O'Brien"), (std::vector<std::string>{"o", "brien"}));
    EXPECT_EQ(LetterPieces("don't"), (std::vector<std::string>{"don", "t"}));
    EXPECT_EQ(LetterPieces("Caf\xE9"), (std::vector<std::string>{"cafe"}));
    const auto words = RealWords({"don't", "Paris"});
    EXPECT_TRUE(words.contains("don") && words.contains("t") && words.contains("paris"));
}

TEST(Vocabulary, SpellingPrefersTheLowerCaseWordThenNamesAndRefusesAcronyms) {
    const auto spellings = BuildSpellings({"bill", "Bill", "Paris", "TV", "caf\xE9", "O'Brien"});
    EXPECT_EQ(SpellingOf(spellings, "Bill"), "bill");
    EXPECT_EQ(SpellingOf(spellings, "paris"), "Paris");
    EXPECT_EQ(SpellingOf(spellings, "Tv"), std::nullopt);
    EXPECT_EQ(SpellingOf(spellings, "cafe"), "caf\xE9");
    EXPECT_EQ(SpellingOf(spellings, "obrien"), std::nullopt);
}

TEST(Inputs, FrequencyListKeepsFileOrderAndRejectsBrokenText) {
    const auto list = ParseFrequencies(
        R"([{"word": "you", "count": 2134713}, {"word": "caf\u00e9", "count": 12}])");
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 2u);
    EXPECT_EQ((*list)[0].word, "you");
    EXPECT_EQ((*list)[0].count, 2134713);
    EXPECT_EQ((*list)[1].word, "caf\xE9");
    EXPECT_FALSE(ParseFrequencies(R"([{"word": "you"}])"));
    EXPECT_FALSE(ParseFrequencies(R"([{"word": "you, "count": 3}])"));
    EXPECT_FALSE(ParseFrequencies("[]"));
    EXPECT_EQ(ParseWordList("a\r\n\nb\xC3\xA9\n"), (std::vector<std::string>{"a", "b\xE9"}));
}

// A frequency list and word lists small enough to reason about.
GeneratorInput SmallInput() {
    GeneratorInput input;
    const std::vector<std::pair<std::string, long>> words = {
        {"about", 9000}, {"abort", 8000}, {"thing", 7000},   {"things", 6000},
        {"Paris", 5000}, {"abbot", 4000}, {"ability", 3000}, {"zebra", 2000},
        {"cafe", 1000},  {"don", 900},    {"rare", 4}};
    for (const auto& [word, count] : words) input.frequencies.push_back({word, count});
    input.standardWords = {"about",   "abort", "thing",   "things", "Paris", "abbot",
                           "ability", "zebra", "caf\xE9", "don't",  "rare",  "abt"};
    input.largeWords = {"ab", "at", "abo", "tg"};
    return input;
}

std::map<std::string, std::string> FormsByExpansion(const std::vector<Record>& records) {
    std::map<std::string, std::string> forms;
    for (const auto& r : records) forms[r.expansion] = r.shortForm;
    return forms;
}

TEST(Generate, FormsAreFreeNonWordsAndTheMoreFrequentWordChoosesFirst) {
    const GeneratorInput input = SmallInput();
    const auto generated = GenerateRecords(input);
    const auto forms = FormsByExpansion(generated.records);
    std::vector<std::string> all = input.standardWords;
    all.insert(all.end(), input.largeWords.begin(), input.largeWords.end());
    const auto real = RealWords(all);
    for (const auto& r : generated.records) {
        EXPECT_FALSE(real.contains(r.shortForm)) << r.shortForm;
        EXPECT_LT(r.shortForm.size(), ApplyErasures(r.expansion).size()) << r.shortForm;
    }
    // abt is a word, so about takes the next skeleton pick; abort, ranked after it, cannot have
    // the same one.
    EXPECT_EQ(forms.at("about"), "ao");
    EXPECT_NE(forms.at("abort"), "ao");
    EXPECT_TRUE(IsSubsequenceFromFirst(forms.at("abort"), "abort"));
    EXPECT_EQ(forms.at("Paris"), "pr");
    EXPECT_EQ(forms.at("things"), forms.at("thing") + "s");
    EXPECT_FALSE(forms.contains("rare"));    // heard too seldom
    EXPECT_FALSE(forms.contains("don"));     // counted for don't
    EXPECT_EQ(forms.at("don't"), "dont");    // the contraction without its apostrophe
    EXPECT_FALSE(forms.contains("caf\xE9")); // the accent record stands for it
    EXPECT_TRUE(forms.contains("cafe" + E + "\xE9"));
    EXPECT_EQ(GenerateRecords(input).records.size(), generated.records.size());
    EXPECT_TRUE(
        std::is_sorted(generated.records.begin(), generated.records.end(),
                       [](const Record& a, const Record& b) { return a.shortForm < b.shortForm; }));
}

// A well-formed database: the accent records and one word record per letter.
std::string ValidDatabase() {
    std::vector<Record> records;
    const auto accents = AccentForms();
    for (std::size_t i = 0; i < accents.size(); ++i)
        records.push_back({std::string(1, accents[i].typed[0]) + (i < 26 ? 'q' : 'v') +
                               static_cast<char>('a' + i % 26),
                           accents[i].stored});
    for (char c = 'a'; c <= 'z'; ++c)
        records.push_back({std::string(1, c) + "xq", std::string(1, c) + "xqword"});
    std::sort(records.begin(), records.end(),
              [](const Record& a, const Record& b) { return a.shortForm < b.shortForm; });
    return DatabaseText(StartSettingsLine(), records);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(Check, AGoodDatabasePasses) {
    const auto result = CheckDatabase(ValidDatabase(), {}, 0);
    EXPECT_TRUE(result.problems.empty()) << result.problems.front();
    EXPECT_EQ(result.records, AccentForms().size() + 26);
}

TEST(Check, EachFaultIsReported) {
    const std::string good = ValidDatabase();
    struct Case {
        std::string text;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {Replaced(good, "\r\nqxq\tqxqword", ""), "letter group q is missing"},
        {Replaced(Replaced(good, "\r\nwxq\twxqword", ""), "\r\nvxq", "\r\nwxq\twxqword\r\nvxq"),
         "stands before"},
        {Replaced(good, "\r\naxq\taxqword", "\r\naxq\taxq\tword"), "CR, LF or TAB"},
        {Replaced(good, "\r\naxq\taxqword", "\r\naxq\taxq\nword"), "CR, LF or TAB"},
        {Replaced(good, "\r\naxq\taxqword", "\r\naxq\taxqword\r\naxp\taxpword"), "out of order"},
        {Replaced(good, "\r\naxq\taxqword", "\r\naxq\taxqword\r\naxr\taxqword"), "duplicate"},
        {Replaced(good, "\r\naxq\taxqword", "\r\naxq\taxq" + E + "word"), "not in normal form"},
        {Replaced(good, "\r\naxq\taxqword", "\r\naxq\tax" + E + E + "word"), "not in normal form"},
        {Replaced(good, "\r\naxq\taxqword", "\r\naxq\tword"), "does not begin with"},
        {Replaced(good, "\r\naxq\taxqword", "\r\naxq\taxqword\xB7"), "state mark"},
        {Replaced(good, "\r\naxq\taxqword", "\r\naxq\taxq"), "saves no keystroke"},
        {Replaced(good, "\r\naxq\taxqword", "\r\naxqaxqax\taxqaxqaxword"), "seven letters"},
        {Replaced(good, "\r\naxq\taxqword", "\r\naXq\taXqword"), "letters a-z"},
        {Replaced(good, "cafe" + E + "\xE9", "caf\xE9"), "accent form of cafe"},
        {Replaced(good, "-- Copyright", "xx Copyright"), "type code"},
        {good.substr(0, good.size() - 2), "end with CR LF"},
    };
    for (const auto& c : cases) {
        const auto result = CheckDatabase(c.text, {}, 0);
        const bool reported =
            std::any_of(result.problems.begin(), result.problems.end(),
                        [&](const auto& p) { return p.find(c.problem) != p.npos; });
        EXPECT_TRUE(reported) << "expected: " << c.problem;
    }
    const auto words = CheckDatabase(good, {"mxq"}, 1000).problems;
    EXPECT_EQ(words.size(), 2u);
    EXPECT_NE(words[0].find("real word: mxq"), std::string::npos);
    EXPECT_NE(words[1].find("fewer than 1000"), std::string::npos);
}

} // namespace
} // namespace dbgen
