#include "store/GroupSearch.h"

#include <algorithm>

namespace {

constexpr std::string_view kBreak = "\r\n";

// Every record has its TAB, every line break is a CR LF (so each CR LF of the plain search is a
// record's start, and each LF ends one), and no short form is smaller than the one before it.
bool InOrder(std::string_view group) {
    if (!group.starts_with(kBreak)) return false;
    std::string_view previous;
    for (std::optional<Record> r = FirstRecord(group); r; r = NextRecord(group, *r)) {
        if (!r->hasTab || r->shortForm < previous) return false;
        if (r->text.find('\n') != std::string_view::npos) return false;
        if (r->end < group.size() && group.compare(r->end, kBreak.size(), kBreak) != 0)
            return false;
        previous = r->shortForm;
    }
    return true;
}

// The search runs after every letter, so its probes read no more of a record than they need:
// its short form as far as it differs, and its end only to step past it.

// The start of the record that holds the byte at pos.
std::size_t RecordStartAt(std::string_view group, std::size_t pos) {
    return group.rfind('\n', pos) + 1;
}

// Whether the short form of the record at start (up to its TAB) sorts before shortForm, in the
// byte order of a string comparison.
bool ShortFormBefore(std::string_view group, std::size_t start, std::string_view shortForm) {
    for (std::size_t i = 0;; ++i) {
        const char c = group[start + i];
        if (c == '\t') return i < shortForm.size();
        if (i == shortForm.size()) return false;
        if (c != shortForm[i])
            return static_cast<unsigned char>(c) < static_cast<unsigned char>(shortForm[i]);
    }
}

// The first record whose short form is not smaller than the one looked for; lo and hi are
// record starts, hi the group's size at first.
std::size_t LowerBound(std::string_view group, std::string_view shortForm) {
    std::size_t lo = kBreak.size();
    std::size_t hi = group.size();
    while (lo < hi) {
        std::size_t mid = RecordStartAt(group, lo + (hi - lo) / 2);
        if (mid >= hi) mid = lo;
        if (ShortFormBefore(group, mid, shortForm))
            lo = std::min(RecordEnd(group, mid) + kBreak.size(), group.size());
        else
            hi = mid;
    }
    return lo;
}

} // namespace

std::optional<Record> FindShortForm(GroupOrder& order, const std::string& group,
                                    std::string_view shortForm) {
    if (order.data != group.data() || order.size != group.size()) {
        order = {group.data(), group.size(), InOrder(group)};
    }
    if (!order.sorted) return FindInGroup(group, shortForm);
    const std::size_t start = LowerBound(group, shortForm);
    if (start >= group.size()) return std::nullopt;
    const Record r = RecordAt(group, start);
    if (r.shortForm != shortForm) return std::nullopt;
    return r;
}
