#include "engine/Matcher.h"
#include "engine/TypedCapitals.h"
#include "store/DatabaseFile.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace {

// The fixture database's records, among them: abt about, bc because (activated), cmpy company
// (four letters), d and, dt a date marker, lb two lines, ot other (no erase marks), rgds a
// comment marker, th the, tht that, ty two lines (added), zn zone (the group's last record).
Database FixtureDatabase() {
    std::ifstream in(std::filesystem::path(QUIBNOTE_SOURCE_DIR) /
                         "tests/fixtures/small/QNhForms.dta",
                     std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return CutDatabaseText(text).db.value();
}

// The word as word assembly hands it over, at use level 9 unless a case says otherwise.
MatchInput Word(std::string_view word) {
    return {.word = word,
            .firstLetter = word.empty() ? 'a' : word.front(),
            .wordActive = true,
            .useLevel = 9,
            .now = {2026, 1, 5, 9, 30, 0, 1}};
}

struct Matcher : ::testing::Test {
    Database db = FixtureDatabase();
    GroupOrders orders;

    Match look(const MatchInput& in) { return MatchWord(db.groups, orders, in); }
};

constexpr MatchOutcome kArmed = MatchOutcome::Armed;
constexpr MatchOutcome kBelow = MatchOutcome::BelowUseLevel;

// Short forms no longer than the use level are in use; a marked record at any level, and any
// word for the rest of it after Alt+S. The keys take back the delimiter, then the erased letters.
TEST_F(Matcher, TheUseLevelAdmitsShortFormsByLengthOrByTheirMark) {
    const struct {
        int level;
        bool altS;
        const char* word;
        MatchOutcome outcome;
        const char* keys;
    } cases[] = {
        {0, false, "d", kBelow, ""},
        {0, false, "bc", kArmed, "\b\b\bbecause"},
        {0, false, "ty", kArmed, "\b\b\bThank you`Best wishes"},
        {1, false, "d", kArmed, "\b\band"},
        {1, false, "abt", kBelow, ""},
        {3, false, "abt", kArmed, "\b\b\b\babout"},
        {3, false, "cmpy", kBelow, ""},
        {9, false, "cmpy", kArmed, "\b\b\b\b\bcompany"},
        {3, true, "cmpy", kArmed, "\b\b\b\b\bcompany"},
        {0, true, "d", kArmed, "\b\band"},
    };
    for (const auto& c : cases) {
        MatchInput in = Word(c.word);
        in.useLevel = c.level;
        in.useLevelOverride = c.altS;
        const Match m = look(in);
        EXPECT_EQ(m.outcome, c.outcome) << c.level << " " << c.word;
        EXPECT_EQ(m.pendingOutput, c.keys) << c.level << " " << c.word;
    }
}

TEST_F(Matcher, AWordNotLookedUpOrWithoutARecordArmsNothing) {
    MatchInput inactive = Word("abt");
    inactive.wordActive = false;
    EXPECT_EQ(look(inactive).outcome, MatchOutcome::NotAWord);
    for (const char* word : {"ab", "abtx", "about", "t"}) {
        const Match m = look(Word(word));
        EXPECT_EQ(m.outcome, MatchOutcome::NoRecord) << word;
        EXPECT_EQ(m.pendingOutput, "") << word;
        EXPECT_FALSE(m.previewed) << word;
    }
}

// The erase marks take back letters of the word: the preview is what is left of the word, then
// the completion, with its markers as they show; the keys carry the completion as stored.
TEST_F(Matcher, EraseMarksShortenTheShownWordAndMarkersShowAsTheyAreShown) {
    const struct {
        const char* word;
        const char* eraseText;
        const char* keys;
        const char* fullPreview;
        const char* shown;
    } cases[] = {
        {"abt", "\b\b\b", "\b\b\b\babout", "about", "about"},
        {"ot", "", "\bher", "other", "other"},
        {"th", "", "\be", "the", "the"},
        {"lb", "\b\b", "\b\b\bLine one`Line two", "Line one`Line two", "Line one`Line two"},
        {"rgds", "\b\b\b\b", "\b\b\b\b\bRegards`~{'signature}~", "Regards`~{'signature}~",
         "Regards#signature"},
        {"dt", "\b\b", "\b\b\b`~dt:dd/mm/yyyy~", "`~dt:dd/mm/yyyy~", "05/01/2026"},
        // An erase mark inside the completion is typed as a Backspace, and shown done.
        {"qe", "\b\b", "\b\b\bcafe\xA1\xE9", "cafe\xA1\xE9", "caf\xE9"},
    };
    db.groups['q' - 'a'] = "\r\nqe\tqe\xA1\xA1"
                           "cafe\xA1\xE9";
    for (const auto& c : cases) {
        const Match m = look(Word(c.word));
        ASSERT_EQ(m.outcome, kArmed) << c.word;
        EXPECT_EQ(m.eraseText, c.eraseText) << c.word;
        EXPECT_EQ(m.pendingOutput, c.keys) << c.word;
        EXPECT_EQ(m.fullPreview, c.fullPreview) << c.word;
        EXPECT_EQ(m.lastExpansionShown, c.shown) << c.word;
    }
}

// A Shift+D makes the expansion of d a capital And, and nothing else.
TEST_F(Matcher, ACapitalDCapitalisesOnlyTheAndOfD) {
    const struct {
        const char* word;
        bool capitalD;
        const char* keys;
        const char* fullPreview;
    } cases[] = {
        {"d", true, "\b\bAnd", "And"},
        {"d", false, "\b\band", "and"},
        {"dt", true, "\b\b\b`~dt:dd/mm/yyyy~", "`~dt:dd/mm/yyyy~"},
    };
    for (const auto& c : cases) {
        MatchInput in = Word(c.word);
        in.capitalD = c.capitalD;
        const Match m = look(in);
        EXPECT_EQ(m.pendingOutput, c.keys) << c.word << c.capitalD;
        EXPECT_EQ(m.fullPreview, c.fullPreview) << c.word << c.capitalD;
    }
}

// The capitals the user typed carry over: a capital first letter gives a capital first letter
// (the user's own when the record keeps it), all capitals give capitals. Markers and key tokens
// keep their letters; without the option, or typed otherwise, the expansion is as stored.
TEST_F(Matcher, TheCapitalsTypedCarryOverToThePlainTextOfTheExpansion) {
    const struct {
        const char* typed;
        bool keep;
        const char* keys;
        const char* fullPreview;
    } cases[] = {
        {"Abt", true, "\b\b\b\bAbout", "About"},
        {"ABT", true, "\b\b\b\bABOUT", "ABOUT"},
        {"Abt", false, "\b\b\b\babout", "about"},
        {"aBT", true, "\b\b\b\babout", "about"},
        {"AbT", true, "\b\b\b\bAbout", "About"},
        {"Ot", true, "\bher", "Other"}, // the user's O stands first
        {"OT", true, "\bHER", "OTHER"},
        {"D", true, "\b\bAnd", "And"},
        {"SCR", true, "\b\b\b\bDONE`~{+L}~", "DONE`~{+L}~"},
        {"Scr", true, "\b\b\b\bDone`~{+L}~", "Done`~{+L}~"},
        {"DT", true, "\b\b\b`~dt:dd/mm/yyyy~", "`~dt:dd/mm/yyyy~"},
        {"RGDS", true, "\b\b\b\b\bREGARDS`~{'signature}~", "REGARDS`~{'signature}~"},
        {"TB", true, "\b\b\bONE///TWO", "ONE///TWO"},
    };
    for (const auto& c : cases) {
        std::string word(c.typed);
        for (char& ch : word) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        MatchInput in = Word(word);
        in.typedWord = c.typed;
        in.keepCapitals = c.keep;
        const Match m = look(in);
        EXPECT_EQ(m.pendingOutput, c.keys) << c.typed << c.keep;
        EXPECT_EQ(m.fullPreview, c.fullPreview) << c.typed << c.keep;
    }
}

// Capitals go to letters of the plain text only, accented ones too; a key token or comment
// outside a marker is code as well, and an expansion that opens with code gets no first capital.
TEST(TypedCapitals, OnlyThePlainTextOfACompletionTakesCapitals) {
    EXPECT_EQ(WithCapitals("caf\xE9 {^c} {'note x} na\xEFve", Capitals::All),
              "CAF\xC9 {^c} {'note x} NA\xCFVE");
    EXPECT_EQ(WithCapitals("cafe\xA1\xE9", Capitals::All), "CAFE\xA1\xC9");
    EXPECT_EQ(WithCapitals("\xE9t\xE9", Capitals::First), "\xC9t\xE9");
    EXPECT_EQ(WithCapitals("{'note}abc", Capitals::First), "{'note}abc");
    EXPECT_EQ(WithCapitals("`~dt:dddd~ it", Capitals::First), "`~dt:dddd~ it");
    EXPECT_EQ(CapitalsOf("A"), Capitals::First);
    EXPECT_EQ(CapitalsOf(""), Capitals::AsStored);
}

// " <" says no longer short form continues the word: the record is its group's last, or the next
// record does not begin with the word. The preview carries it only while the look-ahead list is
// out of view. A record not in use is marked only as its group's last.
TEST_F(Matcher, TheEndOfListMarkSaysNoLongerShortFormContinuesTheWord) {
    const struct {
        const char* word;
        int level;
        bool listInView;
        const char* mark;
        const char* preview;
    } cases[] = {
        {"abt", 9, false, " <", "about <"}, // the group's last record
        {"th", 9, false, "", "the"},        // tht follows
        {"tht", 9, false, " <", "that <"},  // ty follows
        {"zn", 9, false, " <", "zone <"},   {"abt", 9, true, " <", "about"},
        {"tht", 1, false, "", ""},          {"zn", 1, false, " <", ""},
    };
    for (const auto& c : cases) {
        MatchInput in = Word(c.word);
        in.useLevel = c.level;
        in.lookAheadInView = c.listInView;
        const Match m = look(in);
        EXPECT_EQ(m.endOfListMark, c.mark) << c.word << " " << c.level << c.listInView;
        EXPECT_EQ(m.preview, c.preview) << c.word << " " << c.level << c.listInView;
    }
}

TEST_F(Matcher, ThePreviewLengthCountsTheMarkAndStopsAt70) {
    EXPECT_EQ(look(Word("abt")).previewLength, 7); // "about <"
    db.groups[0] += "\r\nabz\tabz" + std::string(3, '\xA1') + std::string(80, 'x');
    const Match m = look(Word("abz"));
    EXPECT_EQ(m.preview.size(), 82u);
    EXPECT_EQ(m.previewLength, 70);
}

// The suggestion typed after the caret: the completion as the delimiter types it, when that is
// one key a character; anything that would act or needs more than a key is previewed only.
// Nothing while a definition is typed, nor any preview.
TEST_F(Matcher, TheHighlightTypesOnlyAPlainCompletionAndDefineModeShowsNothing) {
    db.groups['q' - 'a'] = "\r\nqa\tqa\xA1\xA1See {B9} here\r\nqb\tqb\xA1\xA1\xBFHola?\r\n"
                           "qc\tqc\xA1\xA1"
                           "caf\xE9\r\nqd\tqd\xA1\xA1{B1 and {x\r\nqe\tqe\xA1\xA1x\xA1y\r\n"
                           "qf\tqf\xA1\xA1{'note}\r\nqn\tqn\xA1\xA1question";
    const struct {
        const char* word;
        std::optional<std::string> highlight;
    } cases[] = {
        {"abt", "about"},       {"lb", "Line one\rLine two"}, {"tb", "one\ttwo"}, {"th", "e"},
        {"dt", "05/01/2026"},   {"qd", "{B1 and {x"}, // braces that make no token are characters
        {"sy", std::nullopt},                         // a key-script marker
        {"scr", std::nullopt},                        // one that selects back
        {"rgds", std::nullopt},                       // a comment marker
        {"qa", std::nullopt},                         // a key token outside any marker acts too
        {"qb", std::nullopt}, // the inverted exclamation mark is pasted, not a key
        {"qc", std::nullopt}, // so is an accented letter
        {"qe", std::nullopt}, // an erase mark inside the completion is a Backspace
        {"qf", std::nullopt}, // a comment outside a marker
    };
    for (const auto& c : cases) {
        MatchInput in = Word(c.word);
        in.highlightDisplay = true;
        const Match m = look(in);
        EXPECT_EQ(m.outcome, kArmed) << c.word;
        EXPECT_EQ(m.highlight, c.highlight) << c.word;
        EXPECT_FALSE(m.preview.empty()) << c.word; // the panel and the caption still show it
        in.highlightDisplay = false;
        EXPECT_FALSE(look(in).highlight) << c.word;
        in.highlightDisplay = true;
        in.defineMode = true;
        const Match defining = look(in);
        EXPECT_EQ(defining.outcome, kArmed) << c.word;
        EXPECT_FALSE(defining.previewed) << c.word;
        EXPECT_FALSE(defining.highlight) << c.word;
        EXPECT_EQ(defining.preview, "") << c.word;
    }
}

// What activation reads: a record without a state mark gives where its stored text ends (the
// mark goes there); a marked one gives 0. The tail is the stored text less the short form.
TEST_F(Matcher, AnUnmarkedRecordGivesWhereItsStoredTextEnds) {
    const std::string& a = db.groups[0];
    const Match abt = look(Word("abt"));
    EXPECT_EQ(abt.unflaggedRecordEnd, a.size());
    EXPECT_EQ(abt.recordTail, "\xA1\xA1\xA1"
                              "about");
    const std::string& t = db.groups['t' - 'a'];
    EXPECT_EQ(look(Word("th")).unflaggedRecordEnd, t.find("\r\ntht"));
    MatchInput below = Word("tht");
    below.useLevel = 1;
    EXPECT_EQ(look(below).unflaggedRecordEnd, t.find("\r\nty"));
    for (const char* marked : {"bc", "ty"}) {
        const Match m = look(Word(marked));
        EXPECT_EQ(m.unflaggedRecordEnd, 0u) << marked;
        EXPECT_EQ(m.recordTail.find_first_of("\xB7\xB0"), std::string::npos) << marked;
    }
}

} // namespace
