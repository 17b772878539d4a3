#include "calc/Evaluate.h"
#include "calc/Voyage.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// About 4,000 characters of a copied statement: words, grouped and signed numbers, operators,
// comments and formulas.
std::string MixedClip() {
    const std::string line = "Invoice 1,234.50 for 3 items at 2*3.25 each [ref 778] less -$5.00, "
                             "tax <x = 0.08> 120*<x> and 17.5\\4 <pi>\r\n";
    std::string clip;
    while (clip.size() + line.size() <= 4000) clip += line;
    clip.append(4000 - clip.size(), 'z');
    return clip;
}

void BM_EvaluateMixedClip(benchmark::State& state) {
    const std::string clip = MixedClip();
    for (auto _ : state) {
        std::string decimals = "2";
        bool changed = false;
        benchmark::DoNotOptimize(EvaluateClipText(clip, decimals, changed));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(clip.size()));
}
BENCHMARK(BM_EvaluateMixedClip);

void BM_VoyageToAndromeda(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(VoyageParagraph("M31"));
}
BENCHMARK(BM_VoyageToAndromeda)->Unit(benchmark::kMillisecond);

} // namespace
