#include "store/Records.h"

#include "platform/text.h"

namespace {

constexpr std::string_view kBreak = "\r\n";

} // namespace

std::size_t RecordEnd(std::string_view group, std::size_t start) {
    const std::size_t cr = group.find('\r', start);
    return cr == std::string_view::npos ? group.size() : cr;
}

RecordParts SplitRecord(std::string_view record) {
    RecordParts parts;
    const std::size_t tab = record.find('\t');
    parts.shortForm = record.substr(0, tab);
    if (tab == std::string_view::npos) return parts;
    parts.expansion = record.substr(tab + 1);
    if (!parts.expansion.empty() &&
        (parts.expansion.back() == mark::Activated || parts.expansion.back() == mark::Added)) {
        parts.state = parts.expansion.back();
        parts.expansion.remove_suffix(1);
    }
    return parts;
}

Record RecordAt(std::string_view group, std::size_t start) {
    Record r;
    r.start = start;
    r.end = RecordEnd(group, start);
    r.text = group.substr(start, r.end - start);
    const RecordParts parts = SplitRecord(r.text);
    r.shortForm = parts.shortForm;
    r.stored = parts.expansion;
    r.mark = parts.state;
    r.hasTab = r.shortForm.size() < r.text.size();
    return r;
}

Record RecordAround(std::string_view group, std::size_t pos) {
    const std::size_t lf = pos == 0 ? std::string_view::npos : group.rfind('\n', pos - 1);
    return RecordAt(group, lf == std::string_view::npos ? 0 : lf + 1);
}

std::optional<Record> FirstRecord(std::string_view group) {
    const std::size_t lineBreak = group.find(kBreak);
    if (lineBreak == std::string_view::npos) return std::nullopt;
    return RecordAt(group, lineBreak + kBreak.size());
}

std::optional<Record> NextRecord(std::string_view group, const Record& r) {
    if (r.end + kBreak.size() > group.size()) return std::nullopt;
    return RecordAt(group, r.end + kBreak.size());
}

std::optional<Record> LastRecord(std::string_view group) {
    const std::size_t lineBreak = group.rfind(kBreak);
    if (lineBreak == std::string_view::npos) return std::nullopt;
    return RecordAt(group, lineBreak + kBreak.size());
}

std::optional<Record> FindInGroup(std::string_view group, std::string_view shortForm) {
    // The short form is looked for and its CR LF and TAB checked around it, which finds what a
    // search for the whole pattern finds without building the pattern.
    for (std::size_t at = group.find(shortForm, kBreak.size()); at != std::string_view::npos;
         at = group.find(shortForm, at + 1)) {
        const std::size_t after = at + shortForm.size();
        if (group.compare(at - kBreak.size(), kBreak.size(), kBreak) == 0 && after < group.size() &&
            group[after] == '\t')
            return RecordAt(group, at);
    }
    return std::nullopt;
}
