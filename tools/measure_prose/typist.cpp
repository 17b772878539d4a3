#include "typist.h"

#include "app/Program.h"
#include "platform/keys.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/UsLayout.h"
#include "ui/App.h"
#include "ui/Statistics.h"

#include <algorithm>

namespace measure {

namespace {

// A brisk typist: each key is held 4 ms and the next follows 4 ms after its release; Shift leads
// and trails a shifted key by 2 ms. The main loop passes every millisecond, so each press is read
// on its own and an idle pass always separates two presses of the same key.
constexpr std::int64_t kMs = 1000;
constexpr std::int64_t kHeld = 4 * kMs;
constexpr std::int64_t kGap = 4 * kMs;
constexpr std::int64_t kShiftLead = 2 * kMs;

struct Typist {
    SimDesktop& sim;
    App& app;
    const Plan& plan;
    TypingResult& result;
    std::size_t next = 0;
    std::int32_t expansionsBefore = 0;

    void pressNext() {
        const char c = plan.strokes[next].c;
        // Every character has a key: the plan was checked before the program started.
        const KeyStroke k = *UsKeyForChar(c == '\n' ? '\r' : c);
        const std::int64_t t = sim.nowMicros() + kGap;
        const std::int64_t lead = k.shift ? kShiftLead : 0;
        if (k.shift) sim.schedulePhysicalKey(t, vk::LShift, false);
        sim.schedulePhysicalKey(t + lead, k.key, false);
        sim.schedulePhysicalKey(t + lead + kHeld, k.key, true);
        if (k.shift) sim.schedulePhysicalKey(t + 2 * lead + kHeld, vk::LShift, true);
    }

    // After the key that ended a word: one expansion for a short form, none for a word typed in
    // full, and the document reads the text so far; where it does not, the user mends it.
    void checkWord(int index) {
        const PlannedWord& w = plan.words[static_cast<std::size_t>(index)];
        const std::int32_t expanded = app.stats.expansions - expansionsBefore;
        expansionsBefore = app.stats.expansions;
        const std::string word = plan.text.substr(w.begin, w.end - w.begin);
        if (!w.shortForm.empty()) {
            if (expanded != 1) result.failedForms.push_back(w.shortForm + " for " + word);
        } else if (expanded > 0) {
            result.surprises.push_back(word);
        }
        SimEditor& doc = sim.document();
        const std::size_t upTo = w.end + 1;
        if (doc.text.size() == upTo &&
            doc.text.compare(w.begin, upTo - w.begin, plan.text, w.begin, upTo - w.begin) == 0)
            return;
        std::size_t at = w.begin;
        while (at < std::min(doc.text.size(), upTo) && doc.text[at] == plan.text[at]) ++at;
        const std::size_t from = at > 40 ? at - 40 : 0;
        result.differences.push_back({at, doc.text.substr(from, 80)});
        doc.text = plan.text.substr(0, upTo);
        doc.caret = doc.anchor = upTo;
    }

    void step() {
        if (next > 0) {
            const int ended = plan.strokes[next - 1].endsWord;
            if (ended >= 0) checkWord(ended);
        }
        if (next == plan.strokes.size()) {
            sim.stopProgram();
            return;
        }
        pressNext();
        ++next;
    }
};

} // namespace

TypingResult TypePlan(const std::string& folder, const Plan& plan) {
    SimDesktop sim(folder);
    App app(sim);
    TypingResult result;
    Typist typist{sim, app, plan, result};
    sim.setIdleHook([&typist] { typist.step(); });
    RunProgram(app);
    result.stats = app.stats;
    result.statistics = StatisticsText(app.stats, 0);
    result.virtualMicros = sim.nowMicros();
    return result;
}

} // namespace measure
