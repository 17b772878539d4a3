#include "engine/VocabularySearch.h"

#include "platform/text.h"
#include "store/Database.h"

namespace {

bool StartsExpansionText(std::string_view group, std::size_t at) {
    return at > 0 && (group[at - 1] == '\t' || group[at - 1] == mark::Erase);
}

bool EndsRecord(std::string_view group, std::size_t after) {
    return after == group.size() || group[after] == '\r' || group[after] == mark::Activated ||
           group[after] == mark::Added;
}

} // namespace

std::optional<std::size_t> FindExpansionStart(std::string_view group, std::string_view text,
                                              std::size_t from, std::size_t to) {
    if (text.empty()) return std::nullopt;
    for (std::size_t at = group.find(text, from);
         at != std::string_view::npos && at + text.size() <= to; at = group.find(text, at + 1))
        if (StartsExpansionText(group, at)) return at;
    return std::nullopt;
}

std::optional<TextMatch> FindPhrase(std::string_view group, std::string_view previousWord,
                                    std::string_view currentWord, bool afterApostrophe) {
    const std::string prev(previousWord);
    const std::string cur(currentWord);
    const std::string forms[2] = {
        afterApostrophe ? prev + "'" + cur : prev + " " + cur,
        afterApostrophe ? prev + cur + mark::Erase + "'" + cur : prev + "-" + cur,
    };
    for (const std::string& text : forms)
        if (const auto at = FindExpansionStart(group, text, 0, group.size()))
            return TextMatch{*at, text};
    return std::nullopt;
}

std::optional<std::size_t> FindWholeExpansion(std::string_view group, std::string_view text) {
    if (text.empty()) return std::nullopt;
    for (const char before : {'\t', mark::Erase}) {
        std::string pattern(1, before);
        pattern += text;
        for (std::size_t at = group.find(pattern); at != std::string_view::npos;
             at = group.find(pattern, at + 1))
            if (EndsRecord(group, at + pattern.size())) return at + 1;
    }
    return std::nullopt;
}

std::string_view ShortFormAround(std::string_view group, std::size_t at) {
    const Record r = RecordAround(group, at);
    return r.hasTab ? r.shortForm : std::string_view();
}

std::string_view StoredTextFrom(std::string_view group, std::size_t at) {
    return group.substr(at, RecordEnd(group, at) - at);
}
