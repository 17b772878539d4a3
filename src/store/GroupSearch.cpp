#include "store/GroupSearch.h"

namespace {

constexpr std::string_view kBreak = "\r\n";

// Every record has its TAB, every CR is followed by LF (so each CR LF of the plain search is a
// record's start), and no short form is smaller than the one before it.
bool InOrder(std::string_view group) {
    if (!group.starts_with(kBreak)) return false;
    std::string_view previous;
    for (std::optional<Record> r = FirstRecord(group); r; r = NextRecord(group, *r)) {
        if (!r->hasTab || r->shortForm < previous) return false;
        if (r->end < group.size() && group.compare(r->end, kBreak.size(), kBreak) != 0)
            return false;
        previous = r->shortForm;
    }
    return true;
}

// The start of the record that holds the byte at pos.
std::size_t RecordStartAt(std::string_view group, std::size_t pos) {
    return group.rfind(kBreak, pos) + kBreak.size();
}

// The first record whose short form is not smaller than the one looked for; lo and hi are
// record starts, hi the group's size at first.
std::size_t LowerBound(std::string_view group, std::string_view shortForm) {
    std::size_t lo = kBreak.size();
    std::size_t hi = group.size();
    while (lo < hi) {
        std::size_t mid = RecordStartAt(group, lo + (hi - lo) / 2);
        if (mid >= hi) mid = lo;
        const Record r = RecordAt(group, mid);
        if (r.shortForm < shortForm)
            lo = r.end == group.size() ? r.end : r.end + kBreak.size();
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
