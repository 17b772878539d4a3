// The soak's long run: quibnote-soak [--seed N] [--keystrokes N] [--fixture NAME]
// Prints the figures, with the heap in use as the C library counts it where it can; exit status
// 1 when an invariant broke.
#include "Soak.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
#include <malloc.h>
static std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}
#else
static std::size_t HeapInUse() {
    return 0;
}
#endif

int main(int argc, char** argv) {
    SoakConfig config;
    config.keystrokes = 1'000'000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--seed")
            config.seed = static_cast<std::uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
        else if (arg == "--keystrokes")
            config.keystrokes = std::strtoll(argv[i + 1], nullptr, 10);
        else if (arg == "--fixture")
            config.fixture = argv[i + 1];
        else {
            std::fprintf(stderr,
                         "usage: quibnote-soak [--seed N] [--keystrokes N] [--fixture NAME]\n");
            return 2;
        }
    }
    std::size_t heapAtWarmUp = 0;
    std::size_t heapLargest = 0;
    std::int64_t nextReport = 0;
    config.progress = [&](const SoakFigures& f) {
        if (f.keystrokes < config.keystrokes / 10) return;
        const std::size_t heap = HeapInUse();
        if (heapAtWarmUp == 0) heapAtWarmUp = heap;
        if (heap > heapLargest) heapLargest = heap;
        if (f.keystrokes < nextReport) return;
        nextReport = f.keystrokes + config.keystrokes / 10;
        // The desktop's record of files written grows with every save, and is in the heap too.
        std::printf("%lld keystrokes, %lld steps: heap %zu, database %zu, other state %zu, "
                    "files written %lld\n",
                    static_cast<long long>(f.keystrokes), static_cast<long long>(f.steps), heap,
                    f.atEnd.database, f.atEnd.other, static_cast<long long>(f.saves));
        std::fflush(stdout);
    };
    const SoakFigures f = RunSoak(config);
    std::printf("seed %u: %lld keystrokes in %lld steps, %.0f s of virtual time\n", config.seed,
                static_cast<long long>(f.keystrokes), static_cast<long long>(f.steps),
                f.virtualSeconds);
    std::printf("invariant checks: %lld, broken: %zu\n", static_cast<long long>(f.invariantChecks),
                f.broken.size());
    for (const std::string& b : f.broken) std::printf("  %s\n", b.c_str());
    std::printf("expansions: %lld, message boxes: %lld, files written: %lld\n",
                static_cast<long long>(f.expansions), static_cast<long long>(f.messageBoxes),
                static_cast<long long>(f.saves));
    std::printf("database bytes: at warm-up %zu, largest %zu, at end %zu\n", f.atWarmUp.database,
                f.largest.database, f.atEnd.database);
    std::printf("other state bytes: at warm-up %zu, largest %zu, at end %zu\n", f.atWarmUp.other,
                f.largest.other, f.atEnd.other);
    std::printf("heap in use: at warm-up %zu, largest %zu\n", heapAtWarmUp, heapLargest);
    return f.broken.empty() ? 0 : 1;
}
