// quibnote-latency --log FILE [--count N] [--word abt] [--expect "about "]: measures, with the
// program and the test editor (started with --log FILE) running and the editor focused, the
// time from the delimiter's key press to the last key of the expansion reaching the editor.
// Types the short form and a space N times at the server's keyboard, each time on a new line,
// and prints the median and the 99th percentile. A measurement, not a test: it passes no judgement.

#include "Typist.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

long long MonotonicNanos() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

// The editor's log: one line per key, "nanoseconds text-length".
struct LogReader {
    std::ifstream in;
    std::vector<std::pair<long long, int>> entries;
};

void ReadNew(LogReader& r) {
    std::string line;
    while (std::getline(r.in, line)) {
        std::istringstream fields(line);
        long long t = 0;
        int length = 0;
        if (fields >> t >> length) r.entries.emplace_back(t, length);
    }
    r.in.clear();
}

} // namespace

int main(int argc, char** argv) {
    std::string log;
    std::string word = "abt";
    std::string expect = "about ";
    int count = 200;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--log") log = argv[i + 1];
        if (arg == "--count") count = std::atoi(argv[i + 1]);
        if (arg == "--word") word = argv[i + 1];
        if (arg == "--expect") expect = argv[i + 1];
    }
    Typist typist;
    if (log.empty() || !OpenTypist(typist)) {
        std::cerr << "usage: quibnote-latency --log FILE [--count N] (with a display)\n";
        return 2;
    }
    LogReader reader{std::ifstream(log), {}};
    ReadNew(reader);
    int length = reader.entries.empty() ? 0 : reader.entries.back().second;
    std::vector<double> latencies;
    int missed = 0;
    for (int n = 0; n < count; ++n) {
        TypeText(typist, word);
        const int target = length + static_cast<int>(expect.size());
        reader.entries.clear();
        const long long start = MonotonicNanos();
        TypeText(typist, " ");
        long long reached = 0;
        while (reached == 0 && MonotonicNanos() - start < 2'000'000'000) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            ReadNew(reader);
            for (const auto& [t, len] : reader.entries)
                if (len == target && t >= start) {
                    reached = t;
                    break;
                }
        }
        if (reached == 0) {
            ++missed;
            ReadNew(reader);
            length = reader.entries.empty() ? length : reader.entries.back().second;
        } else {
            latencies.push_back(static_cast<double>(reached - start) / 1e6);
            length = target;
        }
        // Each expansion on a line of its own: the editor's cost of a key grows with the length
        // of its line, which would otherwise make the later expansions slower than the first.
        TypeText(typist, "\n");
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
        ReadNew(reader);
        if (!reader.entries.empty()) length = reader.entries.back().second;
    }
    CloseTypist(typist);
    if (latencies.empty()) {
        std::cout << "no expansion arrived (" << missed << " missed)\n";
        return 1;
    }
    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double q) {
        return latencies[std::min(
            latencies.size() - 1,
            static_cast<std::size_t>(q * static_cast<double>(latencies.size())))];
    };
    std::printf("expansions %zu, missed %d, median %.2f ms, p99 %.2f ms, max %.2f ms\n",
                latencies.size(), missed, at(0.5), at(0.99), latencies.back());
    return 0;
}
