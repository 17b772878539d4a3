// measure_prose --data DIR [--words N] [--level L]... TEXT: a user who knows every short form
// types TEXT into the Document of the simulated desktop, with the whole program running on a
// copy of the database folder DIR at each use level L. Prints the records by short-form length,
// the program's own statistics, and the words typed in full that expanded (surprises), which
// must be none. Exit status 0; 1 when a word expanded by surprise, a short form did not expand
// or the document does not read as the text; 2 on a usage or file error.

#include "forms.h"
#include "plan.h"
#include "platform/sim/UsLayout.h"
#include "store/DatabaseFile.h"
#include "typist.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace measure;

namespace {

std::optional<std::string> ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A new folder under a random name (create_directory refuses an existing one) with a copy of
// the database folder, so a run never changes the shipped files.
std::optional<fs::path> FreshCopy(const fs::path& source) {
    std::error_code ec;
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder =
            fs::temp_directory_path(ec) / ("quibnote-measure-" + std::to_string(random()));
        if (ec) return std::nullopt;
        if (!fs::create_directory(folder, ec)) {
            if (ec) return std::nullopt;
            continue;
        }
        fs::copy(source, folder, fs::copy_options::recursive, ec);
        if (ec) return std::nullopt;
        return folder;
    }
    return std::nullopt;
}

// The settings line with its n-th space-separated field (from 1) replaced.
std::string WithField(const std::string& line, std::size_t n, const std::string& value) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string f; std::getline(in, f, ' ');) fields.push_back(f);
    if (fields.size() < n) fields.resize(n);
    fields[n - 1] = value;
    std::string out = fields.front();
    for (std::size_t i = 1; i < fields.size(); ++i) out += ' ' + fields[i];
    return out;
}

// The measured settings: the use level (field 16, no statistics at close), no tip window at
// start and no activation of used words (field 14), so that what expands is decided by the
// level alone and does not grow while the text is typed. Every other option stays as shipped.
bool SetLevel(const fs::path& folder, int level) {
    const fs::path file = folder / "QNhForms.dta";
    std::optional<std::string> text = ReadWhole(file);
    const std::size_t cr = text ? text->find('\r') : std::string::npos;
    if (cr == std::string::npos) return false;
    std::string line = text->substr(0, cr);
    line = WithField(line, 14, "2");
    line = WithField(line, 16, std::to_string(level * 10));
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << line << text->substr(cr);
    return static_cast<bool>(out);
}

std::string Thousands(long long n) {
    const std::string digits = std::to_string(n < 0 ? -n : n);
    std::string out = n < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

std::string OneLine(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\\n") : std::string(1, c);
    return out;
}

std::string StatisticsLine(const std::string& statistics, const std::string& label) {
    const std::size_t at = statistics.find(label);
    if (at == std::string::npos) return "";
    const std::size_t end = statistics.find('\r', at);
    return statistics.substr(at + label.size(), end - at - label.size());
}

void PrintCounts(const RecordCounts& counts, int level) {
    std::cout << "  records by short-form length:";
    for (std::size_t n = 1; n < counts.byLength.size(); ++n)
        if (counts.byLength[n] > 0) std::cout << "  " << n << ": " << Thousands(counts.byLength[n]);
    if (counts.longer > 0) std::cout << "  longer: " << Thousands(counts.longer);
    std::cout << "  (total " << Thousands(counts.total) << ", usable at level " << level << ": "
              << Thousands(counts.usable) << ")\n";
}

int MeasureLevel(const fs::path& data, const Database& db, const std::string& text, int level) {
    const Plan plan = MakePlan(text, UsableFormsByExpansion(db, level));
    std::cout << "use level " << level << '\n';
    PrintCounts(CountRecords(db, level), level);
    std::cout << "  words: " << Thousands(static_cast<long long>(plan.words.size()))
              << ", by short form: " << Thousands(plan.byShortForm)
              << ", in full although a form types them: capitalised "
              << Thousands(plan.capitalisedInFull) << ", not at a word start or before a delimiter "
              << Thousands(plan.placeInFull) << '\n';

    const std::optional<fs::path> folder = FreshCopy(data);
    if (!folder || !SetLevel(*folder, level)) {
        std::cerr << "measure_prose: cannot prepare a copy of " << data << '\n';
        return 2;
    }
    const TypingResult r = TypePlan(folder->string(), plan);
    std::error_code ec;
    fs::remove_all(*folder, ec);

    const SessionStats& s = r.stats;
    std::cout << "  characters typed in: " << Thousands(s.charsTyped)
              << ", keystrokes saved: " << Thousands(s.keystrokesSaved)
              << ", expansions: " << Thousands(s.expansions) << '\n';
    std::cout << "  effort saved (the program's statistics):"
              << StatisticsLine(r.statistics, "Effort saved:") << '\n';
    std::cout << "  surprise expansions: " << r.surprises.size();
    for (std::size_t i = 0; i < r.surprises.size() && i < 20; ++i)
        std::cout << (i == 0 ? " (" : ", ") << r.surprises[i];
    std::cout << (r.surprises.empty() ? "" : ")") << '\n';
    std::cout << "  short forms that did not expand: " << r.failedForms.size();
    for (std::size_t i = 0; i < r.failedForms.size() && i < 20; ++i)
        std::cout << (i == 0 ? " (" : ", ") << r.failedForms[i];
    std::cout << (r.failedForms.empty() ? "" : ")") << '\n';
    if (r.differences.empty()) std::cout << "  the document reads the text exactly\n";
    for (const TypingResult::Difference& d : r.differences)
        std::cout << "  the document differed from the text at character "
                  << Thousands(static_cast<long long>(d.at)) << ": \"" << OneLine(d.documentAround)
                  << "\"\n";
    std::cout << "  virtual time: " << r.virtualMicros / 1'000'000 << " s\n";
    const bool sound = r.surprises.empty() && r.failedForms.empty() && r.differences.empty();
    return sound ? 0 : 1;
}

int Usage() {
    std::cerr << "usage: measure_prose --data DIR [--words N] [--level L]... TEXT\n";
    return 2;
}

std::optional<int> Number(std::string_view s) {
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || v < 0) return std::nullopt;
    return v;
}

} // namespace

int main(int argc, char** argv) {
    fs::path data;
    fs::path textFile;
    std::size_t maxWords = 0;
    std::vector<int> levels;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--data" && hasValue) {
            data = argv[++i];
        } else if (arg == "--words" && hasValue) {
            const std::optional<int> n = Number(argv[++i]);
            if (!n) return Usage();
            maxWords = static_cast<std::size_t>(*n);
        } else if (arg == "--level" && hasValue) {
            const std::optional<int> n = Number(argv[++i]);
            if (!n || *n > 9) return Usage();
            levels.push_back(*n);
        } else if (textFile.empty() && !arg.starts_with("--")) {
            textFile = arg;
        } else {
            return Usage();
        }
    }
    if (data.empty() || textFile.empty()) return Usage();
    if (levels.empty()) levels = {3, 5, 9};

    const std::optional<std::string> book = ReadWhole(textFile);
    const std::optional<std::string> dbText = ReadWhole(data / "QNhForms.dta");
    if (!book || !dbText) {
        std::cerr << "measure_prose: cannot read " << (book ? data / "QNhForms.dta" : textFile)
                  << '\n';
        return 2;
    }
    const LoadResult loaded = CutDatabaseText(*dbText);
    if (!loaded.db) {
        std::cerr << "measure_prose: " << loaded.error << '\n';
        return 2;
    }
    const std::string text = Paragraphs(*book, maxWords);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] != '\n' && !UsKeyForChar(text[i])) {
            std::cerr << "measure_prose: no key types character " << i << " of the text (byte "
                      << static_cast<int>(static_cast<unsigned char>(text[i])) << ")\n";
            return 2;
        }
    std::cout << "text: " << textFile.filename().string() << ", "
              << Thousands(static_cast<long long>(CountWords(text))) << " words in "
              << Thousands(static_cast<long long>(std::count(text.begin(), text.end(), '\n')))
              << " paragraphs, " << Thousands(static_cast<long long>(text.size()))
              << " characters\n";
    int status = 0;
    for (int level : levels) status = std::max(status, MeasureLevel(data, *loaded.db, text, level));
    return status;
}
