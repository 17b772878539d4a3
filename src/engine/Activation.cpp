#include "engine/Activation.h"

#include "engine/AccentForms.h"
#include "engine/Captions.h"
#include "engine/Core.h"
#include "engine/KeyClassification.h"
#include "engine/VocabularySearch.h"
#include "platform/text.h"
#include "store/Markers.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() &&
           std::equal(start.begin(), start.end(), text.begin(),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

void Activate(Core& core, std::string& group, std::size_t at) {
    group.insert(at, 1, mark::Activated);
    core.db.databaseChanged = true;
}

// The short form just expanded gets its mark. The record is found again rather than taken at
// the place the look-up saw it: a window's handler may have changed the group meanwhile.
void ActivateUsedShortForm(Core& core) {
    const std::string& word = core.engine.word.currentWord;
    const ExpansionState& x = core.engine.expansion;
    if (!core.options.activateUsedWords || x.unflaggedRecordEnd == 0 || word.empty()) return;
    const int g = GroupIndex(word.front());
    std::string& group = core.db.groups[g];
    const std::optional<Record> r = FindShortForm(core.engine.groupOrders[g], group, word);
    if (!r || r->mark != '\0') return;
    Activate(core, group, r->end);
    AddActivatedLine(core, word + "\t" + ApplyErasures(word + x.recordTail));
}

// The previous word as a phrase's first word: what its expansion typed when it expanded into a
// longer word, cut to its first word.
std::string PhraseStart(const VocabularyState& v, const std::string& previousWord) {
    std::string prev =
        StartsWithIgnoringCase(v.lastFullPreview, previousWord) ? v.lastFullPreview : previousWord;
    std::size_t cut = prev.find(' ');
    if (cut == std::string::npos) cut = prev.find('-');
    if (cut != std::string::npos) prev.resize(cut);
    return prev;
}

struct Found {
    int group = 0;
    TextMatch match;
    bool phrase = false;
};

std::optional<Found> FindTypedInFull(const Core& core) {
    const VocabularyState& v = core.engine.vocabulary;
    const std::string& word = core.engine.word.currentWord;
    // The phrase search reads the whole group: phrase records stand anywhere in it, with no
    // relation to where the current word's own short form would be.
    const std::string prev = PhraseStart(v, core.engine.word.previousWord);
    if (!prev.empty()) {
        const int g = GroupIndex(Lower(prev.front()));
        if (auto m = FindPhrase(core.db.groups[g], prev, word, v.lastDelimiter == "'"))
            return Found{g, std::move(*m), true};
    }
    const int g = GroupIndex(word.front());
    const std::string_view text = SearchedForm(word);
    if (const auto at = FindWholeExpansion(core.db.groups[g], text))
        return Found{g, TextMatch{*at, std::string(text)}, false};
    return std::nullopt;
}

std::string ActivatedLine(std::string_view group, std::size_t at) {
    return std::string(ShortFormAround(group, at)) + "\t" +
           ApplyErasures(StoredTextFrom(group, at));
}

// The short form the user missed is not in use yet: it is activated, and so is the record that
// follows a phrase's record when it begins with the same phrase.
std::string ActivateMissed(Core& core, const Found& f) {
    std::string& group = core.db.groups[f.group];
    std::vector<std::string> lines{ActivatedLine(group, f.match.at)};
    const Record found = RecordAround(group, f.match.at);
    Activate(core, group, found.end);
    // The mark moved what follows: the next record is read from the record as it is now.
    const std::optional<Record> next = NextRecord(group, RecordAt(group, found.start));
    if (f.phrase && next) {
        const auto at = FindExpansionStart(group, f.match.text, next->start, next->end);
        if (at && next->mark == '\0') {
            lines.push_back(ActivatedLine(group, *at));
            Activate(core, group, next->end);
        }
    }
    std::string message = lines.size() > 1 ? "Short forms activated:" : "Short form activated:";
    message += "\r\n\r\n" + lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i) message += "\r\n" + lines[i];
    if (!core.stats.activatedList.empty())
        message += "\r\n\r\n\r\nAlso activated this session:\r\n\r\n" + core.stats.activatedList;
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) AddActivatedLine(core, *line);
    return message;
}

void CheckMissedShortForm(Core& core) {
    const std::optional<Found> f = FindTypedInFull(core);
    if (!f) return;
    std::string& group = core.db.groups[f->group];
    const Record r = RecordAround(group, f->match.at);
    const bool marked = r.mark != '\0';
    const int level = core.options.useLevel;
    const bool usable = static_cast<int>(r.shortForm.size()) <= level || level >= 9 || marked;
    std::string message;
    if (usable) {
        // What follows the match is the word itself, or the word and its state mark.
        if (r.end - f->match.at <= core.engine.word.currentWord.size() + 1) {
            message = "Missed short form:\r\n\r\n" + ActivatedLine(group, f->match.at);
            if (core.options.activateUsedWords && !marked) Activate(core, group, r.end);
        }
    } else if (core.options.activateUsedWords) {
        message = ActivateMissed(core, *f);
    }
    if (core.options.lookAhead) core.windows.setDisplayText(message);
}

} // namespace

void AddActivatedLine(Core& core, const std::string& line) {
    std::string& list = core.stats.activatedList;
    list.insert(0, line + CrLf);
    // From the 15th line on, the list loses what follows its last CR: the first time the final
    // line break, then each time the oldest line.
    if (++core.engine.vocabulary.activationCount >= kActivatedListLines)
        list.erase(list.rfind('\r'));
}

void CheckVocabulary(Core& core) {
    const WordState& w = core.engine.word;
    const ExpansionState& x = core.engine.expansion;
    VocabularyState& v = core.engine.vocabulary;
    if (x.armed) {
        if (!IsSuppressorChar(w.typedChar)) ActivateUsedShortForm(core);
    } else if (!w.currentWord.empty()) {
        CheckMissedShortForm(core);
    }
    // Only an expansion typed at this boundary counts; a preview from an earlier word does not.
    v.lastFullPreview = x.armed ? x.fullPreview : std::string();
    v.lastDelimiter = w.currentChar;
}
