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
    const std::optional<Record> r = FindInGroup(db.groups[g], shortForm);
    if (!r) return std::nullopt;
    return RecordPos{g, r->start, r->end};
}

std::string_view RecordText(const Database& db, const RecordPos& pos) {
    return std::string_view(db.groups[pos.group]).substr(pos.start, pos.end - pos.start);
}

ActiveList ActiveListOfGroup(std::string_view group, int useLevel) {
    ActiveList list;
    for (const Record& r : RecordsOf(group)) {
        std::string_view taken = r.text;
        bool take = r.mark == mark::Added;
        if (r.mark == mark::Activated) {
            taken.remove_suffix(1);
            take = true;
        } else if (r.mark == '\0') {
            take = useLevel >= 9 || static_cast<int>(r.shortForm.size()) <= useLevel;
        }
        if (take) {
            list.text.append(taken).append(CrLf);
            ++list.count;
        }
    }
    return list;
}
