#include "engine/Delimiter.h"
#include "engine/LookAhead.h"
#include "engine/LookUp.h"
#include "platform/sim/SimDesktop.h"
#include "platform/text.h"
#include "ui/App.h"
#include "ui/MainWindowModel.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

// Records per initial letter in the shipped English database, so the generated groups have its
// uneven sizes (s and c are the largest, x and z the smallest).
constexpr std::array<int, 26> kLetterShare = {1901, 1868, 3346, 1944, 1348, 1327, 920,  1206, 1404,
                                              282,  207,  848,  1618, 590,  731,  2493, 112,  1825,
                                              3818, 1502, 798,  439,  862,  2,    83,   35};

std::string RandomLetters(std::mt19937& rng, std::size_t n) {
    std::uniform_int_distribution<int> letter('a', 'z');
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += static_cast<char>(letter(rng));
    return s;
}

// A database of about `records` records shaped like the shipped one: short forms of 2 to 7
// letters (mostly 4 and 5), each erased and replaced by a word of 4 to 12 letters.
Database GenerateDatabase(int records, std::vector<std::string>& shortForms) {
    std::mt19937 rng(20260105);
    std::discrete_distribution<int> length({0, 0, 1, 7, 19, 64, 10, 1});
    std::uniform_int_distribution<std::size_t> wordLength(4, 12);
    int total = 0;
    for (int share : kLetterShare) total += share;
    Database db;
    db.settingsLine = "0 1 0";
    for (int g = 0; g < 26; ++g) {
        const int count = std::max(
            1, static_cast<int>(static_cast<long long>(records) * kLetterShare[g] / total));
        std::set<std::string> forms;
        while (static_cast<int>(forms.size()) < count)
            forms.insert(static_cast<char>('a' + g) +
                         RandomLetters(rng, static_cast<std::size_t>(length(rng)) - 1));
        std::string& group = db.groups[g];
        for (const std::string& sf : forms) {
            group += CrLf + sf + '\t' + sf + std::string(sf.size(), mark::Erase) +
                     RandomLetters(rng, wordLength(rng));
            shortForms.push_back(sf);
        }
    }
    return db;
}

// The program as it runs for the user: panel on and always visible, look-ahead on, every short
// form usable. The highlighted suggestion is off: typing it is the desktop's work, not the
// engine's.
struct Engine {
    SimDesktop sim{"."};
    App app{sim};
    std::vector<std::string> shortForms;

    explicit Engine(int records) {
        app.db = GenerateDatabase(records, shortForms);
        app.frmKeyvane = MakeMainWindowForm();
        app.frmKVDisp = MakeDisplayPanelForm();
        Options& o = app.options;
        o.expanderOn = true;
        o.usePanel = true;
        o.panelAnchored = true;
        o.panelAlwaysVisible = true;
        o.highlightDisplay = false;
        o.lookAhead = true;
        o.useLevel = 9;
    }

    // The word state after a letter, as word assembly leaves it for the look-up.
    void appendLetter(char c) {
        WordState& w = app.engine.word;
        if (w.currentWord.empty()) {
            w.firstLetter = c;
            w.wordActive = true;
            ResetLookAhead(app);
        }
        w.currentWord += c;
    }
};

using Clock = std::chrono::steady_clock;

// Times each operation on its own and reports the median and the 99th percentile, in microseconds.
struct Samples {
    std::vector<double> micros;

    template <typename F> void time(benchmark::State& state, F&& operation) {
        const Clock::time_point start = Clock::now();
        operation();
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        micros.push_back(took.count() * 1e6);
    }
    void report(benchmark::State& state) {
        std::sort(micros.begin(), micros.end());
        const auto at = [this](double q) {
            return micros[static_cast<std::size_t>(q * static_cast<double>(micros.size() - 1))];
        };
        state.counters["median_us"] = at(0.5);
        state.counters["p99_us"] = at(0.99);
    }
};

// Every letter of randomly chosen short forms, typed one after the other: the look-up after
// each letter (most prefixes are no short form and search their whole group), the preview on
// the panel and in the caption, and the keys prepared for the delimiter.
void BM_LookUpPerLetter(benchmark::State& state) {
    Engine e(static_cast<int>(state.range(0)));
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::size_t> pick(0, e.shortForms.size() - 1);
    Samples samples;
    std::string word;
    std::size_t next = 0;
    for (auto _ : state) {
        if (next == word.size()) {
            word = e.shortForms[pick(rng)];
            next = 0;
            e.app.engine.word.currentWord.clear();
        }
        const char c = word[next++];
        samples.time(state, [&] {
            e.appendLetter(c);
            LookUpWhileTyping(e.app);
        });
    }
    samples.report(state);
}
BENCHMARK(BM_LookUpPerLetter)->Arg(26'000)->Arg(260'000)->UseManualTime();

// The space after a short form: the delimiter sequence with the expansion typed on the
// simulated desktop, the counters and the word boundary.
void BM_ExpansionPerDelimiter(benchmark::State& state) {
    Engine e(static_cast<int>(state.range(0)));
    std::mt19937 rng(11);
    std::uniform_int_distribution<std::size_t> pick(0, e.shortForms.size() - 1);
    PassReadings space{};
    space.space = true;
    Samples samples;
    for (auto _ : state) {
        WordState& w = e.app.engine.word;
        w.currentWord.clear();
        for (char c : e.shortForms[pick(rng)]) e.appendLetter(c);
        LookUpWhileTyping(e.app);
        w.currentKey = vk::Space;
        w.currentChar.assign(1, ' ');
        w.lastKey = 0;
        e.sim.document() = SimEditor{};
        samples.time(state, [&] { RunDelimiterSequence(e.app, space); });
    }
    samples.report(state);
}
BENCHMARK(BM_ExpansionPerDelimiter)->Arg(26'000)->Arg(260'000)->UseManualTime();

} // namespace
