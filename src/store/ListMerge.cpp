#include "store/ListMerge.h"

#include "platform/text.h"

namespace {

// Every text the record's stored form ends with after its TAB or after one of its erase marks.
template <typename Visit> void EachEnding(std::string_view stored, Visit visit) {
    visit(stored);
    for (std::size_t i = 0; i < stored.size(); ++i)
        if (stored[i] == mark::Erase) visit(stored.substr(i + 1));
}

void Index(MergeGroup& g, const MergeRecord& r) {
    EachEnding(r.stored, [&g](std::string_view e) { ++g.endings[std::string(e)]; });
}

void Unindex(MergeGroup& g, const MergeRecord& r) {
    EachEnding(r.stored, [&g](std::string_view e) {
        const auto it = g.endings.find(std::string(e));
        if (--it->second == 0) g.endings.erase(it);
    });
}

MergeGroup& Indexed(ListMerge& m, const Database& db, int group) {
    MergeGroup& g = m.groups[static_cast<std::size_t>(group)];
    if (g.indexed) return g;
    g.indexed = true;
    for (const Record& r : RecordsOf(db.groups[static_cast<std::size_t>(group)])) {
        const auto [it, added] =
            g.records.emplace(std::string(r.shortForm), MergeRecord{std::string(r.stored), r.mark});
        Index(g, it->second);
    }
    return g;
}

bool EndsWith(const MergeRecord& r, std::string_view text) {
    bool found = false;
    EachEnding(r.stored, [&](std::string_view e) { found = found || e == text; });
    return found;
}

} // namespace

bool MergeableDatabase(const Database& db) {
    for (const std::string& group : db.groups) {
        std::string_view previous;
        bool first = true;
        for (const Record& r : RecordsOf(group)) {
            if (!r.hasTab || r.stored.find('\t') != std::string_view::npos) return false;
            if (r.shortForm.empty() || r.shortForm.find_first_not_of(
                                           "abcdefghijklmnopqrstuvwxyz") != std::string_view::npos)
                return false;
            if (!first && !(previous < r.shortForm)) return false;
            previous = r.shortForm;
            first = false;
        }
    }
    return true;
}

AddOutcome MergeListLine(ListMerge& m, const Database& db, AddMode mode, std::string_view shortForm,
                         std::string_view expansionWithMark) {
    std::string sf;
    if (const AddOutcome read = ReadShortForm(shortForm, sf); read != AddOutcome::Stored)
        return read;
    GivenExpansion given = ReadExpansion(expansionWithMark);
    if (SortsBelowBang(given.bare)) return AddOutcome::EmptyExpansion;
    if (given.bare == sf) return AddOutcome::SameAsShortForm;
    MergeGroup& g = Indexed(m, db, GroupIndex(sf.front()));
    const std::string stored = StoredForm(sf, given.bare);

    const auto found = g.records.find(sf);
    const bool there = found != g.records.end();
    const bool sameExpansion = there && found->second.stored == stored;
    if (!sameExpansion) {
        const auto e = g.endings.find(given.bare);
        const int others = (e == g.endings.end() ? 0 : e->second) -
                           (there && EndsWith(found->second, given.bare) ? 1 : 0);
        if (others > 0) return AddOutcome::DuplicateExpansion;
    }
    AddOutcome outcome = AddOutcome::Stored;
    if (mode == AddMode::A && there) {
        if (!sameExpansion) return AddOutcome::RefusedListLine;
        if (found->second.state == mark::Added) return AddOutcome::PreviouslyAdded;
        given.state = mark::Activated;
        outcome = AddOutcome::Activated;
    }
    if (there) {
        Unindex(g, found->second);
        found->second = {stored, given.state};
        Index(g, found->second);
    } else {
        const auto [it, added] = g.records.emplace(sf, MergeRecord{stored, given.state});
        Index(g, it->second);
    }
    return outcome;
}

void FinishListMerge(ListMerge& m, Database& db) {
    for (std::size_t i = 0; i < m.groups.size(); ++i) {
        MergeGroup& g = m.groups[i];
        if (!g.indexed) continue;
        std::string text;
        for (const auto& [shortForm, r] : g.records) {
            text.append(CrLf).append(shortForm).append(1, '\t').append(r.stored);
            if (r.state != '\0') text += r.state;
        }
        db.groups[i] = std::move(text);
        g = {};
    }
}
