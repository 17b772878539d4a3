#include "store/CustomList.h"
#include "store/DatabaseFile.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <iterator>
#include <string>

namespace {

Database ShippedDatabase() {
    std::ifstream in(std::string(QUIBNOTE_DATA_DIR) + "/QNhForms.dta", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return CutDatabaseText(text).db.value();
}

// A short form of letters for n, spread over every letter group, each one different.
std::string ShortFormOf(std::size_t n) {
    std::string s(1, static_cast<char>('a' + n % 26));
    for (std::size_t rest = n / 26; rest > 0 || s.size() < 4; rest /= 26)
        s += static_cast<char>('a' + rest % 26);
    return s + "zq";
}

// A list of n new short forms, each with an expansion of its own, plus a few lines that are
// refused (not letters), so that every path of the merge is taken.
std::string ListOf(std::size_t n) {
    std::string list = "Business terms for the benchmark\r\n";
    for (std::size_t i = 0; i < n; ++i) {
        if (i % 1000 == 999)
            list += "x1\tnot letters\r\n";
        else
            list += ShortFormOf(i) + "\tthe expansion number " + std::to_string(i) + "\r\n";
    }
    return list;
}

// Adding a custom list of state.range(0) lines to the shipped database, as File, "Add Custom
// List" does: every line through the add operation's rules, the database changed once.
void BM_AddCustomList(benchmark::State& state) {
    const Database shipped = ShippedDatabase();
    const std::string list = ListOf(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        Database db = shipped;
        state.ResumeTiming();
        const auto counts = RunCustomList(db, ListAction::Adding, list, {});
        benchmark::DoNotOptimize(counts);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AddCustomList)
    ->Arg(5'000)
    ->Arg(20'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
