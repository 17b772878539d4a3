#include "app/Program.h"
#include "platform/sim/SimDesktop.h"
#include "ui/App.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A copy of the shipped data folder under a new random name, removed at the end.
struct DataCopy {
    fs::path folder;

    DataCopy() {
        std::random_device random;
        do folder = fs::temp_directory_path() / ("quibnote-bench-" + std::to_string(random()));
        while (!fs::create_directory(folder));
        fs::copy(QUIBNOTE_DATA_DIR, folder, fs::copy_options::recursive);
    }
    ~DataCopy() { fs::remove_all(folder); }
};

// The program's start-up on the shipped database, as the user starts it: the dictionary
// settings, the whole database file read and cut into its letter groups, the settings line
// parsed, the erase-mark normalisation walk over every record, the main window, the
// introduction and the tip of the day, the key flushes, up to the first pass of the main loop,
// where the run is stopped. The shipped file is already normal, so nothing is written.
void BM_StartUpShippedDatabase(benchmark::State& state) {
    const DataCopy data;
    std::vector<double> millis;
    for (auto _ : state) {
        SimDesktop sim(data.folder.string());
        App app(sim);
        sim.setIdleHook([&sim] { sim.stopProgram(); });
        const Clock::time_point start = Clock::now();
        RunProgram(app);
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        millis.push_back(took.count() * 1e3);
        if (app.db.groups[0].empty()) state.SkipWithError("the database did not load");
    }
    std::sort(millis.begin(), millis.end());
    const auto at = [&millis](double q) {
        return millis[static_cast<std::size_t>(q * static_cast<double>(millis.size() - 1))];
    };
    state.counters["min_ms"] = millis.front();
    state.counters["median_ms"] = at(0.5);
    state.counters["p90_ms"] = at(0.9);
    state.counters["max_ms"] = millis.back();
}
BENCHMARK(BM_StartUpShippedDatabase)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
