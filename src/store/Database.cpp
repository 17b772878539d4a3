#include "store/Database.h"

#include "platform/text.h"

int GroupIndex(char firstLetter) {
    // Bytes above 127 are letters such as \xE9, which sort after z.
    const auto code = static_cast<unsigned char>(firstLetter);
    if (code < 'a') return 0;
    if (code > 'z') return 25;
    return code - 'a';
}

std::optional<RecordPos> FindRecord(const Database& db, std::string_view shortForm) {
    if (shortForm.empty()) return std::nullopt;
    const int g = GroupIndex(shortForm.front());
    const std::string& group = db.groups[g];
    std::string pattern;
    pattern.reserve(shortForm.size() + 3);
    pattern.append(CrLf).append(shortForm).push_back('\t');
    const std::size_t p = group.find(pattern);
    if (p == std::string::npos) return std::nullopt;
    return RecordPos{g, p + 2, RecordEnd(group, p + 2)};
}

std::string_view RecordText(const Database& db, const RecordPos& pos) {
    return std::string_view(db.groups[pos.group]).substr(pos.start, pos.end - pos.start);
}

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

ActiveList ActiveListOfGroup(std::string_view group, int useLevel) {
    ActiveList list;
    for (std::size_t lineBreak = 0; lineBreak < group.size();) {
        const std::size_t start = lineBreak + 2;
        const std::size_t end = RecordEnd(group, start);
        std::string_view record = group.substr(start, end - start);
        const RecordParts parts = SplitRecord(record);
        bool take = parts.state == mark::Added;
        if (parts.state == mark::Activated) {
            record.remove_suffix(1);
            take = true;
        } else if (parts.state == '\0') {
            take = useLevel >= 9 || static_cast<int>(parts.shortForm.size()) <= useLevel;
        }
        if (take) {
            list.text.append(record).append(CrLf);
            ++list.count;
        }
        lineBreak = end;
    }
    return list;
}
