#include "store/ShortFormEditing.h"

#include "platform/text.h"
#include "store/Markers.h"

namespace {

constexpr std::size_t kEditorRecordsLimit = 5000;

} // namespace

AddResult AddRecordInteractively(Dialogs& dialogs, Database& db, bool messagesEnabled,
                                 std::string_view shortForm, std::string_view expansion,
                                 char state) {
    AddResult r;
    std::string message;
    if (const char c = MarkCharacterIn(expansion); c != '\0') {
        r.outcome = AddOutcome::MarkCharacter;
        message = MarkCharacterMessage(c);
    } else {
        std::string withMark(expansion);
        if (state != '\0') withMark += state;
        r = AddRecord(db, AddMode::N, false, {}, shortForm, withMark);
        message = AddOutcomeMessage(r.outcome);
    }
    if (message.empty()) return r;
    if (messagesEnabled)
        dialogs.messageBox(message, "Quibnote", MsgButtons::Ok, MsgIcon::Information);
    else
        dialogs.beep();
    return r;
}

std::string RecordsForDisplay(const Database& db, int group, std::size_t from,
                              const LocalTime& now) {
    std::string_view rest = std::string_view(db.groups[group]).substr(from);
    if (rest.starts_with(CrLf)) rest.remove_prefix(2);
    return RenderForDisplay(rest, now);
}

std::size_t RecordPlace(std::string_view group, std::string_view shortForm) {
    for (const Record& r : RecordsOf(group))
        if (r.shortForm >= shortForm) return r.start;
    return group.size();
}

EditorLookup LookUpForEditor(const Database& db, std::string_view shortForm, const LocalTime& now) {
    EditorLookup look;
    if (shortForm.empty()) return look;
    const int group = GroupIndex(shortForm.front());
    if (const std::optional<RecordPos> pos = FindRecord(db, shortForm)) {
        const RecordParts parts = SplitRecord(RecordText(db, *pos));
        look.found = true;
        look.expansion = ApplyErasures(parts.expansion);
        look.state = parts.state;
    }
    look.records = RecordsForDisplay(db, group, RecordPlace(db.groups[group], shortForm), now);
    if (look.records.size() > kEditorRecordsLimit) {
        look.records.resize(kEditorRecordsLimit);
        look.records += " ...";
    }
    return look;
}

std::string PastedExpansion(std::string_view clip) {
    std::string out;
    out.reserve(clip.size());
    for (std::size_t i = 0; i < clip.size(); ++i) {
        if (clip[i] == '\r' || clip[i] == '\n') {
            out += '`';
            if (clip[i] == '\r' && i + 1 < clip.size() && clip[i + 1] == '\n') ++i;
        } else if (clip[i] == '\t') {
            out += "///";
        } else {
            out += clip[i];
        }
    }
    return out;
}

char StateMarkOf(bool added, bool activated) {
    return added ? mark::Added : activated ? mark::Activated : '\0';
}

std::string_view WithoutStateMark(std::string_view text) {
    if (!text.empty() && (text.back() == mark::Added || text.back() == mark::Activated))
        text.remove_suffix(1);
    return text;
}
