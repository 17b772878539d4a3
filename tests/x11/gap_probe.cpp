// quibnote-gap-probe TITLE [RUNS] [FIRST_GAP]: measures the synthetic key gap an application
// needs. For each gap from FIRST_GAP (0) ms up, RUNS times (20 unless given): empties the window
// with that title, waits a second, sends one batch that types two letters, erases them with two
// Backspaces and types a sentence, as an expansion does, then copies the window's text (Ctrl+A,
// Ctrl+C) and compares. Prints the runs that lost or mangled keys per gap, and stops at the
// first gap with none. A measurement, not a test (docs/linux.md).

#include "platform/keys.h"
#include "platform/x11/X11Desktop.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

namespace {

void Wait(X11Desktop& d, int ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < until) {
        d.doEvents(EventSite::Nested);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

// A chord at a person's pace, so the application takes it whatever the gap.
void Chord(X11Desktop& d, std::uint8_t modifier, std::uint8_t key) {
    if (modifier) d.keyEvent(modifier, false);
    Wait(d, 30);
    d.keyEvent(key, false);
    Wait(d, 30);
    d.keyEvent(key, true);
    Wait(d, 30);
    if (modifier) d.keyEvent(modifier, true);
    Wait(d, 60);
}

void Tap(std::vector<InputEvent>& events, std::uint8_t key) {
    events.push_back({InputEvent::Kind::Key, key, false, 0});
    events.push_back({InputEvent::Kind::Key, key, true, 0});
}

// The text without the line break or terminating null that an application may add to a copy.
std::string Trimmed(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == '\0')) s.pop_back();
    return s;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: quibnote-gap-probe TITLE [RUNS]\n";
        return 2;
    }
    const std::string title = argv[1];
    const int runs = argc > 2 ? std::atoi(argv[2]) : 20;
    X11Desktop d(std::filesystem::temp_directory_path().string());
    if (!d.ok()) {
        std::cerr << "quibnote-gap-probe: " << d.error() << '\n';
        return 2;
    }
    if (!d.activateWindowByTitle(title)) {
        std::cerr << "quibnote-gap-probe: no window " << title << '\n';
        return 2;
    }
    Wait(d, 300);
    const std::string expected = "you are about to see the quick brown fox";
    std::vector<InputEvent> batch;
    for (char c : std::string("yu")) Tap(batch, static_cast<std::uint8_t>(c - 32));
    for (int i = 0; i < 2; ++i) Tap(batch, vk::Back);
    for (char c : expected) Tap(batch, c == ' ' ? vk::Space : static_cast<std::uint8_t>(c - 32));
    const unsigned firstGap = argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 0;
    for (unsigned gap = firstGap; gap <= firstGap + 5; ++gap) {
        d.setSyntheticKeyGap(gap);
        int lost = 0;
        for (int run = 0; run < runs; ++run) {
            Chord(d, vk::Control, 'A');
            Chord(d, 0, vk::Delete);
            Wait(d, 1000);
            d.sendInput(batch);
            Wait(d, 300 + static_cast<int>(gap * batch.size()));
            Chord(d, vk::Control, 'A');
            d.setClipboardText("");
            Chord(d, vk::Control, 'C');
            Wait(d, 100);
            const std::string got = Trimmed(d.clipboardText().value_or(""));
            if (got != expected) {
                ++lost;
                std::cout << "  gap " << gap << " ms: \"" << got << "\"\n";
            }
        }
        std::cout << "gap " << gap << " ms: " << lost << " of " << runs << " runs lost keys"
                  << std::endl;
        if (lost == 0) return 0;
    }
    return 1;
}
