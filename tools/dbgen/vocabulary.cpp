#include "vocabulary.h"

#include "textfold.h"

#include <algorithm>

namespace dbgen {

namespace {

bool IsPlainLetters(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

bool IsAllCapitals(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

bool IsCapitalised(std::string_view text) {
    return !text.empty() && text[0] >= 'A' && text[0] <= 'Z' &&
           std::none_of(text.begin() + 1, text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

} // namespace

std::unordered_set<std::string> RealWords(const std::vector<std::string>& entries) {
    std::unordered_set<std::string> words;
    for (const auto& entry : entries)
        for (auto& piece : LetterPieces(entry)) words.insert(std::move(piece));
    return words;
}

Spellings BuildSpellings(const std::vector<std::string>& entries) {
    Spellings spellings;
    for (const auto& entry : entries) {
        const std::string key = LowerAscii(FoldAccents(entry));
        if (!IsPlainLetters(key)) continue;
        spellings[key].push_back(entry);
    }
    for (auto& [key, list] : spellings) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    }
    return spellings;
}

std::optional<std::string> SpellingOf(const Spellings& spellings, std::string_view word) {
    const std::string key = LowerAscii(word);
    const auto it = spellings.find(key);
    if (it == spellings.end()) return std::nullopt;
    const auto& list = it->second;
    const auto has = [&](std::string_view s) {
        return std::find(list.begin(), list.end(), s) != list.end();
    };
    if (has(key)) return key;
    if (has(word) && !IsAllCapitals(word)) return std::string(word);
    for (const auto& s : list)
        if (IsPlainLetters(s) && IsCapitalised(s)) return s;
    for (const auto& s : list)
        if (!IsPlainLetters(s) && !IsAllCapitals(FoldAccents(s)) && LowerAscii(s) == s) return s;
    for (const auto& s : list)
        if (!IsPlainLetters(s) && IsCapitalised(FoldAccents(s))) return s;
    return std::nullopt;
}

} // namespace dbgen
