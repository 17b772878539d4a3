// Checks that database files are well formed; with --words, also that no short form is a word
// of the given word lists.

#include "check.h"
#include "inputs.h"
#include "vocabulary.h"

#include <iostream>
#include <string_view>

using namespace dbgen;

namespace {

constexpr std::size_t kMinRecords = 26000;
constexpr std::size_t kShownProblems = 40;

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> wordEntries;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--words" && i + 1 < argc) {
            const auto text = ReadFile(argv[++i]);
            if (!text) {
                std::cerr << "dbgen_check: cannot read " << argv[i] << '\n';
                return 2;
            }
            for (auto& entry : ParseWordList(*text)) wordEntries.push_back(std::move(entry));
        } else {
            files.emplace_back(arg);
        }
    }
    if (files.empty()) {
        std::cerr << "usage: dbgen_check [--words WORD_LIST]... DATABASE_FILE...\n";
        return 2;
    }
    const auto realWords = RealWords(wordEntries);
    int passed = 0;
    int failed = 0;
    for (const auto& file : files) {
        const auto text = ReadFile(file);
        if (!text) {
            std::cout << file << ": cannot be read\n";
            ++failed;
            continue;
        }
        const CheckResult result = CheckDatabase(*text, realWords, kMinRecords);
        for (std::size_t i = 0; i < result.problems.size() && i < kShownProblems; ++i)
            std::cout << file << ": " << result.problems[i] << '\n';
        if (result.problems.size() > kShownProblems)
            std::cout << file << ": ... " << result.problems.size() - kShownProblems
                      << " more problems\n";
        std::cout << file << ": " << result.records << " records, "
                  << (result.problems.empty() ? "well formed" : "NOT well formed") << '\n';
        ++(result.problems.empty() ? passed : failed);
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
