#include "assign.h"

#include "candidates.h"
#include "curated.h"
#include "platform/text.h"
#include "storedform.h"
#include "textfold.h"
#include "vocabulary.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <sstream>
#include <unordered_set>

namespace dbgen {

namespace {

// Longest short form: the use-level menu offers one to seven letters.
constexpr std::size_t kMaxLength = 7;

// Rank bands of the frequency list and the shortest form each may take, so that every use
// level adds the next band of frequent words: two letters for the first 500 words, three up
// to 3,000, four up to 10,000, five after that.
constexpr std::array<std::size_t, 3> kBandEnds = {500, 3000, 10000};

// Curated entries that the scheme places take no two-letter form: those go to the most
// frequent words.
constexpr std::size_t kCuratedMinLength = 3;

// Words heard fewer times than this in the subtitle corpus (about one in ten million words) get
// no record.
constexpr long kMinCount = 5;

// A string said this often in the subtitle corpus is typed as itself (gonna, hmm, ok).
constexpr long kSpokenCount = 20;

// The most frequent words whose adjacent-letter slips (teh, adn, fo) must stay unexpanded.
constexpr std::size_t kSlipWords = 3000;

// Inflected word endings and the letter a derived short form adds to the base word's form,
// the base given as word less ending plus restored text (making from make).
struct Ending {
    const char* ending;
    const char* restore;
    char letter;
};
constexpr std::array<Ending, 11> kEndings = {{{"s", "", 's'},
                                              {"es", "", 's'},
                                              {"ed", "", 'd'},
                                              {"d", "", 'd'},
                                              {"ing", "", 'g'},
                                              {"ing", "e", 'g'},
                                              {"er", "", 'r'},
                                              {"r", "", 'r'},
                                              {"ly", "", 'l'},
                                              {"ness", "", 'n'},
                                              {"ment", "", 'm'}}};

// Keystrokes a form of n letters must save: one for the short forms of the first use levels,
// two from four letters on, where a form that saves one is more to learn than it gives.
std::size_t Saving(std::size_t n) {
    return n < 4 ? 1 : 2;
}

struct Wish {
    std::string expansion;              // as given to the add operation
    std::string letters;                // the letters short forms are drawn from
    std::string preferred;              // forms tried first, separated by spaces
    bool preferredIsOwnLetters = false; // the preferred form is a contraction's own letters
    std::size_t minLength = 2;
};

struct State {
    std::unordered_set<std::string> realWords;
    std::unordered_set<std::string> avoided;
    std::set<std::string> taken;
    std::array<std::set<std::string>, 26> shownByGroup; // rendered expansions per letter group
    std::map<std::string, std::string> formOfWord;      // word letters -> short form
    std::vector<Record> records;
    std::vector<std::string> notes;
};

std::string JoinedLetters(std::string_view text) {
    std::string letters;
    for (const auto& piece : LetterPieces(text)) letters += piece;
    return letters;
}

bool IsLetters(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsLowerLetter);
}

// Whether the short form may carry this expansion: a free non-word that saves enough
// keystrokes and whose stored form the start-up normalisation keeps (an expansion that holds
// erase marks of its own must be stored behind the short form's full run of marks). A
// contraction's own letters (dont) may be a spoken string and save a single keystroke: typing
// them only ever asks for the contraction.
bool Fits(const State& state, const Wish& wish, const std::string& form, bool ownLetters) {
    if (!IsLetters(form) || form[0] != wish.letters[0] || form.size() > kMaxLength) return false;
    const std::size_t saving = ownLetters ? 1 : Saving(form.size());
    if (form.size() + saving > ApplyErasures(wish.expansion).size()) return false;
    if (state.realWords.contains(form) || state.taken.contains(form)) return false;
    if (!ownLetters && state.avoided.contains(form)) return false;
    const bool hasMarks = wish.expansion.find(mark::Erase) != std::string::npos;
    return !(hasMarks && wish.expansion.starts_with(form));
}

std::string DerivedForm(const State& state, std::string_view letters) {
    for (const auto& e : kEndings) {
        const std::string_view ending = e.ending;
        if (letters.size() <= ending.size() + 2 || !letters.ends_with(ending)) continue;
        const std::string base =
            std::string(letters.substr(0, letters.size() - ending.size())) + e.restore;
        const auto it = state.formOfWord.find(base);
        if (it != state.formOfWord.end()) return it->second + e.letter;
    }
    return {};
}

void Take(State& state, const Wish& wish, const std::string& form) {
    const std::size_t group = static_cast<std::size_t>(wish.letters[0] - 'a');
    state.taken.insert(form);
    state.shownByGroup[group].insert(ApplyErasures(wish.expansion));
    state.formOfWord.emplace(wish.letters, form);
    state.records.push_back({form, wish.expansion});
}

bool IsShown(const State& state, const Wish& wish) {
    const std::size_t group = static_cast<std::size_t>(wish.letters[0] - 'a');
    return state.shownByGroup[group].contains(ApplyErasures(wish.expansion));
}

// The first wished form that is free; false leaves the entry for PlaceByScheme.
bool PlacePreferred(State& state, const Wish& wish) {
    if (IsShown(state, wish)) return false;
    std::istringstream forms(wish.preferred);
    for (std::string form; forms >> form;) {
        if (Fits(state, wish, form, wish.preferredIsOwnLetters)) {
            Take(state, wish, form);
            return true;
        }
    }
    return false;
}

// The best free candidate from the entry's length band up; false when there is none.
bool PlaceByScheme(State& state, const Wish& wish) {
    if (IsShown(state, wish)) return false;
    for (std::size_t n = wish.minLength; n <= kMaxLength; ++n) {
        const std::string form = FirstCandidate(wish.letters, n, [&](const std::string& candidate) {
            return Fits(state, wish, candidate, false);
        });
        if (!form.empty()) {
            Take(state, wish, form);
            return true;
        }
    }
    return false;
}

std::unordered_set<std::string> AvoidedForms(const std::vector<WordCount>& frequencies) {
    std::unordered_set<std::string> avoided;
    for (auto& token : TypedTokens()) avoided.insert(std::move(token));
    std::size_t frequent = 0;
    for (const auto& [word, count] : frequencies) {
        const std::string lower = LowerAscii(word);
        if (count >= kSpokenCount) avoided.insert(lower);
        if (frequent++ >= kSlipWords) continue;
        for (std::size_t i = 0; i + 1 < lower.size(); ++i) {
            std::string slip = lower;
            std::swap(slip[i], slip[i + 1]);
            avoided.insert(slip);
        }
    }
    return avoided;
}

std::size_t BandMinLength(std::size_t rank) {
    std::size_t length = 2;
    for (std::size_t end : kBandEnds)
        if (rank >= end) ++length;
    return length;
}

} // namespace

Generated GenerateRecords(const GeneratorInput& input) {
    State state;
    std::vector<std::string> all = input.standardWords;
    all.insert(all.end(), input.largeWords.begin(), input.largeWords.end());
    state.realWords = RealWords(all);
    state.avoided = AvoidedForms(input.frequencies);

    // The curated entries' own forms are reserved first. The rest of them, and the accent
    // corrections, take their forms from the scheme once the most frequent words (the
    // two-letter band) have had their pick, so no curated entry holds a form one of those would
    // have had, and the frequent contractions still find a short form.
    std::vector<std::pair<Wish, std::string>> waiting;
    for (const auto& contraction : Contractions()) {
        const std::string letters = JoinedLetters(contraction);
        const Wish wish{contraction, letters, letters, true, kCuratedMinLength};
        if (!PlacePreferred(state, wish)) waiting.emplace_back(wish, "contraction");
    }
    for (const auto& phrase : Phrases()) {
        const Wish wish{phrase.expansion, JoinedLetters(phrase.expansion), phrase.preferred, false,
                        kCuratedMinLength};
        if (!PlacePreferred(state, wish)) waiting.emplace_back(wish, "phrase");
    }
    for (const auto& accent : AccentForms())
        waiting.emplace_back(
            Wish{accent.stored, JoinedLetters(accent.stored), {}, false, kCuratedMinLength},
            "accent form");
    const auto placeWaiting = [&] {
        for (const auto& [wish, kind] : waiting) {
            const bool placed = PlaceByScheme(state, wish);
            if (!placed && !IsShown(state, wish))
                state.notes.push_back(kind + " \"" + wish.expansion + "\": no short form");
            else if (placed && kind == "phrase")
                state.notes.push_back(kind + " \"" + wish.expansion + "\": none of \"" +
                                      wish.preferred + "\" is free, took " +
                                      state.records.back().shortForm);
        }
        waiting.clear();
    };

    std::set<std::string> accentTyped;
    for (const auto& accent : AccentForms()) accentTyped.insert(accent.typed);
    const Spellings spellings = BuildSpellings(all);
    std::set<std::string> seen;
    std::size_t rank = 0;
    for (const auto& [word, count] : input.frequencies) {
        const std::string lower = LowerAscii(word);
        if (count < kMinCount || accentTyped.contains(lower) || IsExcludedWord(lower)) continue;
        const auto spelling = SpellingOf(spellings, word);
        if (!spelling || spelling->size() < 3 || !seen.insert(*spelling).second) continue;
        const std::string letters = LowerAscii(FoldAccents(*spelling));
        if (!IsLetters(letters)) continue;
        if (rank == kBandEnds[0]) placeWaiting();
        const Wish wish{*spelling, letters, DerivedForm(state, letters), false,
                        BandMinLength(rank++)};
        if (!PlacePreferred(state, wish)) PlaceByScheme(state, wish);
    }
    placeWaiting();

    std::sort(state.records.begin(), state.records.end(),
              [](const Record& a, const Record& b) { return a.shortForm < b.shortForm; });
    return {std::move(state.records), std::move(state.notes)};
}

} // namespace dbgen
