#include "engine/GroupSearch.h"

#include "platform/text.h"

namespace {

constexpr std::string_view kBreak = "\r\n";

// The short form of the record that begins at start, and where the record ends.
struct Record {
    std::string_view shortForm;
    std::size_t end = 0;
    bool hasTab = false;
};

Record RecordAt(std::string_view group, std::size_t start) {
    std::size_t end = group.find(kBreak, start);
    if (end == std::string_view::npos) end = group.size();
    const std::string_view text = group.substr(start, end - start);
    const std::size_t tab = text.find('\t');
    return {text.substr(0, tab), end, tab != std::string_view::npos};
}

// Every record has its TAB, and no short form is smaller than the one before it.
bool InOrder(std::string_view group) {
    if (!group.starts_with(kBreak)) return false;
    std::string_view previous;
    for (std::size_t start = kBreak.size();;) {
        const Record r = RecordAt(group, start);
        if (!r.hasTab || r.shortForm < previous) return false;
        previous = r.shortForm;
        if (r.end == group.size()) return true;
        start = r.end + kBreak.size();
    }
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

std::size_t FindShortForm(GroupOrder& order, const std::string& group, std::string_view shortForm) {
    if (order.data != group.data() || order.size != group.size()) {
        order = {group.data(), group.size(), InOrder(group)};
    }
    if (!order.sorted) {
        std::string pattern(kBreak);
        pattern.append(shortForm).push_back('\t');
        return group.find(pattern);
    }
    const std::size_t start = LowerBound(group, shortForm);
    if (start >= group.size() || RecordAt(group, start).shortForm != shortForm)
        return std::string::npos;
    return start - kBreak.size();
}
