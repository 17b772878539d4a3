// Writes the built-in English short-form database, data/QNOrig.dta and data/QNhForms.dta, from
// a word-frequency list and the Debian word lists. generate.sh installs the inputs and runs it.

#include "assign.h"
#include "check.h"
#include "dtafile.h"
#include "inputs.h"
#include "vocabulary.h"

#include <array>
#include <fstream>
#include <iostream>

using namespace dbgen;

namespace {

constexpr std::size_t kMinRecords = 26000;

bool WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

void PrintSummary(const Generated& generated) {
    std::array<std::size_t, 8> byLength{};
    for (const auto& record : generated.records) ++byLength[record.shortForm.size()];
    std::cout << generated.records.size() << " records\n";
    std::size_t upTo = 0;
    for (std::size_t n = 2; n < byLength.size(); ++n) {
        upTo += byLength[n];
        std::cout << "  " << n << " letters: " << byLength[n] << " (use level " << n << ": " << upTo
                  << ")\n";
    }
    for (const auto& note : generated.notes) std::cout << "note: " << note << '\n';
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: dbgen FREQUENCIES_JSON STANDARD_WORDS LARGE_WORDS OUT_DIR\n";
        return 2;
    }
    const auto json = ReadFile(argv[1]);
    const auto standard = ReadFile(argv[2]);
    const auto large = ReadFile(argv[3]);
    if (!json || !standard || !large) {
        std::cerr << "dbgen: cannot read the inputs\n";
        return 1;
    }
    auto frequencies = ParseFrequencies(*json);
    if (!frequencies) {
        std::cerr << "dbgen: " << argv[1] << " is not a word-frequency list\n";
        return 1;
    }
    GeneratorInput input{std::move(*frequencies), ParseWordList(*standard), ParseWordList(*large)};
    const Generated generated = GenerateRecords(input);
    PrintSummary(generated);

    const std::string text = DatabaseText(StartSettingsLine(), generated.records);
    std::vector<std::string> all = input.standardWords;
    all.insert(all.end(), input.largeWords.begin(), input.largeWords.end());
    const CheckResult check = CheckDatabase(text, RealWords(all), kMinRecords);
    for (const auto& problem : check.problems) std::cerr << "dbgen: " << problem << '\n';
    if (!check.problems.empty()) return 1;

    const std::string dir = argv[4];
    for (const char* name : {"QNOrig.dta", "QNhForms.dta"}) {
        if (!WriteFile(dir + "/" + name, text)) {
            std::cerr << "dbgen: cannot write " << dir << "/" << name << '\n';
            return 1;
        }
    }
    return 0;
}
