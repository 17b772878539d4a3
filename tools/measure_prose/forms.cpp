#include "forms.h"

#include "store/Markers.h"

#include <string_view>

namespace measure {

namespace {

// What the use level lets expand: a marked record always, an unmarked one within the level.
bool Usable(const RecordParts& r, int useLevel) {
    return r.state != '\0' || useLevel == 9 ||
           r.shortForm.size() <= static_cast<std::size_t>(useLevel);
}

template <typename F> void ForEachRecord(const Database& db, F&& visit) {
    for (const std::string& group : db.groups)
        for (std::size_t lineBreak = 0; lineBreak < group.size();) {
            const std::size_t start = lineBreak + 2;
            const std::size_t end = RecordEnd(group, start);
            visit(SplitRecord(std::string_view(group).substr(start, end - start)));
            lineBreak = end;
        }
}

} // namespace

std::map<std::string, std::string> UsableFormsByExpansion(const Database& db, int useLevel) {
    std::map<std::string, std::string> forms;
    ForEachRecord(db, [&](const RecordParts& r) {
        if (!Usable(r, useLevel)) return;
        const std::string expansion = ApplyErasures(r.expansion);
        if (expansion.find('`') != std::string::npos || expansion.find("///") != std::string::npos)
            return;
        const auto [it, added] = forms.emplace(expansion, std::string(r.shortForm));
        if (!added && r.shortForm.size() < it->second.size()) it->second = r.shortForm;
    });
    return forms;
}

RecordCounts CountRecords(const Database& db, int useLevel) {
    RecordCounts counts;
    ForEachRecord(db, [&](const RecordParts& r) {
        ++counts.total;
        if (r.shortForm.size() < counts.byLength.size())
            ++counts.byLength[r.shortForm.size()];
        else
            ++counts.longer;
        if (Usable(r, useLevel)) ++counts.usable;
    });
    return counts;
}

} // namespace measure
