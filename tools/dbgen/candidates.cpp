#include "candidates.h"

#include "textfold.h"

#include <algorithm>
#include <set>
#include <vector>

namespace dbgen {

namespace {

// Every choice of n - 1 positions after the first, as texts that start with the first letter,
// in lexicographic order of the chosen positions.
std::vector<std::string> Picks(std::string_view letters, std::size_t n) {
    std::vector<std::string> out;
    if (n == 0 || n > letters.size()) return out;
    std::vector<std::size_t> at(n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i) at[i] = i + 1;
    for (;;) {
        std::string pick(1, letters[0]);
        for (std::size_t i : at) pick += letters[i];
        out.push_back(pick);
        std::size_t k = at.size();
        while (k > 0 && at[k - 1] == letters.size() - (at.size() - k) - 1) --k;
        if (k == 0) break;
        ++at[k - 1];
        for (std::size_t j = k; j < at.size(); ++j) at[j] = at[j - 1] + 1;
    }
    return out;
}

std::size_t VowelCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin() + 1, text.end(), IsVowel));
}

} // namespace

std::string Skeleton(std::string_view letters) {
    std::string skeleton;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (i == 0) {
            skeleton += letters[0];
        } else if (!IsVowel(letters[i]) && letters[i] != letters[i - 1]) {
            skeleton += letters[i];
        }
    }
    return skeleton;
}

std::string FirstCandidate(std::string_view letters, std::size_t n,
                           const std::function<bool(const std::string&)>& accept) {
    if (n < 1 || letters.empty()) return {};
    std::set<std::string> tried;
    const auto take = [&](const std::string& text) {
        return text.size() == n && tried.insert(text).second && accept(text);
    };
    const std::string skeleton = Skeleton(letters);
    if (skeleton.size() >= n) {
        if (std::string s = skeleton.substr(0, n); take(s)) return s;
        if (std::string s = skeleton.substr(0, n - 1) + skeleton.back(); take(s)) return s;
        for (const auto& pick : Picks(skeleton, n))
            if (take(pick)) return pick;
    }
    if (letters.size() < n) return {};
    if (std::string s(letters.substr(0, n)); take(s)) return s;
    auto picks = Picks(letters, n);
    std::stable_sort(picks.begin(), picks.end(),
                     [](const auto& a, const auto& b) { return VowelCount(a) < VowelCount(b); });
    for (const auto& pick : picks)
        if (take(pick)) return pick;
    return {};
}

} // namespace dbgen
