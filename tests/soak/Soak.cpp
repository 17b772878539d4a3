#include "Soak.h"

#include "app/Program.h"
#include "platform/keys.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/UsLayout.h"
#include "platform/text.h"
#include "store/Database.h"
#include "store/Save.h"
#include "ui/App.h"

#include <algorithm>
#include <array>
#include <deque>
#include <filesystem>
#include <random>

namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kHold = 20'000;  // each key is held 20 ms
constexpr std::int64_t kEvery = 45'000; // and the next goes down 45 ms after it
constexpr std::int64_t kGap = 150'000;  // between one action and the next
constexpr std::size_t kDocumentLimit = 4000;
constexpr std::size_t kActivatedLines = 15;
constexpr std::size_t kReportedBreaks = 20;

// Options the user flips from the Options menu. Full speed is left out: it stops the loop's
// sleep, which only makes the run slower on a virtual clock.
constexpr std::array kToggles = {
    "mnuExpandOffOn", "mnuLookAheadOffOn",  "mnuDispPanel",      "mnuHighlightDisp",
    "mnuAnchor",      "mnuTagOnOff",        "mnuActiveOnlyDisp", "mnuDispStatsTyping",
    "mnuCatchCopy",   "mnuShowClipsOnCopy", "mnuVisibility",     "mnuProtect",
    "mnuSmallWindow", "mnuTipOfDay",        "mnuDispStatsEnd",   "mnuStartMin",
};
// Commands that act on clips and the Quib List.
constexpr std::array kClipCommands = {"mnuPick",      "mnuPasteToPick", "mnuMultiPaste",
                                      "mnuCalcPaste", "mnuCopy",        "mnuCut",
                                      "mnuPaste",     "mnuOptions",     "mnuFile"};
constexpr std::array kDelimiters = {' ', ' ', ' ', ' ', '.', ',', ';', '\n', '?', '!'};
constexpr std::array<std::uint8_t, 10> kModifiers = {
    vk::Shift,    vk::Control,  vk::Menu,  vk::LShift, vk::RShift,
    vk::LControl, vk::RControl, vk::LMenu, vk::RMenu,  vk::LWin};

fs::path FreshFolder(const std::string& fixture) {
    std::random_device random;
    fs::path dir;
    do dir = fs::temp_directory_path() / ("quibnote-soak-" + std::to_string(random()));
    while (!fs::create_directory(dir));
    fs::copy(fs::path(QUIBNOTE_SOURCE_DIR) / "tests/fixtures" / fixture, dir);
    return dir;
}

std::vector<std::string> ShortFormsOf(const Database& db) {
    std::vector<std::string> forms;
    for (const std::string& g : db.groups)
        for (std::size_t at = 0; at + 2 < g.size();) {
            const std::size_t end = RecordEnd(g, at + 2);
            const std::string_view record = std::string_view(g).substr(at + 2, end - at - 2);
            forms.emplace_back(SplitRecord(record).shortForm);
            at = end;
        }
    return forms;
}

std::size_t TextBytes(const Form& f) {
    std::size_t n = f.caption.size();
    for (const Control& c : f.controls) n += c.caption.size() + c.text.size() + c.tip.size();
    for (const MenuItem& m : f.menus) n += m.caption.size() + m.items.size() * sizeof(MenuItem);
    return n;
}

StateBytes Measure(App& app) {
    StateBytes b;
    b.database = app.db.settingsLine.size();
    for (const std::string& g : app.db.groups) b.database += g.size();
    std::size_t& n = b.other;
    const EngineState& e = app.engine;
    n += e.word.currentWord.size() + e.expansion.pendingOutput.size() +
         e.expansion.eraseText.size() + e.expansion.fullPreview.size() +
         e.expansion.lastExpansionShown.size() + e.expansion.recordTail.size();
    n += app.stats.activatedList.size();
    for (const std::string& clip : app.clip.multi.slots) n += clip.size();
    const QuibListState& q = app.clip.quib;
    for (const std::string& s : q.pasteTexts) n += s.size();
    for (const std::string& s : q.shortForms) n += s.size();
    n += q.chosenText.size();
    n += app.view.tips.number.size() + app.view.tips.rest.size();
    for (Form* f : OwnForms(app)) n += TextBytes(*f);
    return b;
}

// One user action, made when the program waits at its loop head; it returns the virtual time
// at which its last key comes up.
using Action = std::function<std::int64_t()>;

struct Soak {
    const SoakConfig& config;
    fs::path folder;
    SimDesktop sim;
    App app;
    std::mt19937 random;
    SoakFigures figures;
    std::vector<std::string> shortForms;
    std::deque<Action> actions; // the rest of the current step
    std::int64_t readyAt = 200'000;
    bool clipboardMayChange = false;
    std::optional<std::string> clipboardBefore;
    std::string lastStep;

    explicit Soak(const SoakConfig& c)
        : config(c), folder(FreshFolder(c.fixture)), sim(folder.string()), app(sim),
          random(c.seed) {}
    ~Soak() { fs::remove_all(folder); }

    std::size_t Pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    }
    bool Chance(int percent) { return static_cast<int>(Pick(100)) < percent; }

    // --- The user's keys ---
    std::int64_t Key(std::int64_t at, std::uint8_t key, bool shift) {
        if (shift) sim.schedulePhysicalKey(at, vk::LShift, false);
        sim.schedulePhysicalKey(at + 5'000, key, false);
        sim.schedulePhysicalKey(at + 5'000 + kHold, key, true);
        if (shift) sim.schedulePhysicalKey(at + 10'000 + kHold, vk::LShift, true);
        ++figures.keystrokes;
        return at + kEvery;
    }
    std::int64_t Chord(std::int64_t at, std::vector<std::uint8_t> keys) {
        for (std::size_t i = 0; i < keys.size(); ++i)
            sim.schedulePhysicalKey(at + static_cast<std::int64_t>(i) * 20'000, keys[i], false);
        std::int64_t up = at + static_cast<std::int64_t>(keys.size()) * 20'000 + kHold;
        for (std::size_t i = keys.size(); i-- > 0; up += 20'000)
            sim.schedulePhysicalKey(up, keys[i], true);
        figures.keystrokes += static_cast<std::int64_t>(keys.size());
        return up + kEvery;
    }
    std::int64_t Type(std::int64_t at, const std::string& text) {
        for (char c : text) {
            const std::optional<KeyStroke> k = UsKeyForChar(c == '\n' ? '\r' : c);
            if (k) at = Key(at, k->key, k->shift);
        }
        return at;
    }

    void Then(Action a) { actions.push_back(std::move(a)); }
    void Keys(std::function<std::int64_t(std::int64_t)> keys) {
        Then([this, keys] { return keys(sim.nowMicros()); });
    }
    void Do(UserAction a) {
        Then([this, a] {
            sim.scheduleAction(sim.nowMicros(), a);
            return sim.nowMicros();
        });
    }
    void Menu(const char* item) { Do({UserAction::Kind::Menu, "frmKeyvane", item, -1, 0, 0, {}}); }

    // --- The steps the user takes ---
    std::string Word() {
        std::string w;
        if (!shortForms.empty() && Chance(60)) {
            w = shortForms[Pick(shortForms.size())];
        } else {
            const std::size_t n = 1 + Pick(8);
            for (std::size_t i = 0; i < n; ++i) w += static_cast<char>('a' + Pick(26));
        }
        if (Chance(10)) w.front() = static_cast<char>(w.front() - 'a' + 'A');
        return w;
    }

    void NextStep() {
        if (sim.focusName() != "Document" && Chance(70)) sim.clickInto("Document");
        const std::size_t kind = Pick(100);
        if (kind < 62) {
            lastStep = "words";
            std::string text;
            for (std::size_t n = 1 + Pick(4); n > 0; --n)
                text += Word() + kDelimiters[Pick(kDelimiters.size())];
            Keys([this, text](std::int64_t at) { return Type(at, text); });
        } else if (kind < 66) {
            lastStep = "Alt+S";
            const std::string w = Word();
            Keys([this, w](std::int64_t at) {
                at = Type(at, w);
                at = Chord(at, {vk::Menu, 'S'});
                return Type(at, " ");
            });
        } else if (kind < 69) {
            lastStep = "Backspace";
            Keys([this](std::int64_t at) {
                for (std::size_t n = 1 + Pick(3); n > 0; --n) at = Key(at, vk::Back, false);
                return at;
            });
        } else if (kind < 80) {
            Hotkey();
        } else if (kind < 88) {
            if (Chance(60)) {
                lastStep = kToggles[Pick(kToggles.size())];
            } else {
                lastStep = kClipCommands[Pick(kClipCommands.size())];
                clipboardMayChange = lastStep == "mnuCopy" || lastStep == "mnuCut";
            }
            Menu(lastStep.c_str());
        } else if (kind < 92) {
            Editor();
        } else {
            Clip();
        }
    }

    void Hotkey() {
        static constexpr std::array<const char*, 9> names = {
            "F9", "F11", "Ctrl+F11", "F6", "F2", "Alt+C", "Alt+P", "Ctrl+C", "Ctrl+X"};
        const std::size_t which = Pick(names.size());
        lastStep = names[which];
        std::vector<std::uint8_t> chord;
        switch (which) {
        case 0:
            chord = {vk::F9};
            break;
        case 1:
            chord = {vk::F11};
            break;
        case 2:
            chord = {vk::Control, vk::F11};
            break;
        case 3:
            chord = {vk::F6};
            break;
        case 4:
            chord = {vk::F2};
            break;
        case 5:
            chord = {vk::Menu, 'C'};
            break;
        case 6:
            chord = {vk::Menu, 'P'};
            break;
        default:
            clipboardMayChange = true;
            // Something to copy: the line before the caret, selected with Shift+Home.
            Keys([this, which](std::int64_t at) {
                at = Chord(at, {vk::Shift, vk::Home});
                return Chord(at, {vk::Control, which == 7 ? std::uint8_t('C') : std::uint8_t('X')});
            });
            return;
        }
        Keys([this, chord](std::int64_t at) { return Chord(at, chord); });
    }

    // The short-form editor: a short form and its expansion, kept in memory or saved.
    void Editor() {
        lastStep = "editor";
        Menu("mnuAddSF");
        const std::string shortForm = Word();
        std::string expansion;
        for (std::size_t n = 1 + Pick(3); n > 0; --n) expansion += Word() + " ";
        const auto set = [this](const char* control, std::string text) {
            Then([this, control, text] {
                if (Control* c = FindControl(app.frmEdit, control)) c->text = text;
                sim.scheduleAction(sim.nowMicros(),
                                   {UserAction::Kind::Change, "frmEdit", control, -1, 0, 0, {}});
                return sim.nowMicros();
            });
        };
        set("txtShFm", shortForm);
        if (Chance(25)) expansion.clear();
        set("txtExpTo", expansion);
        const std::array buttons = {"cmdRepeatNoSave", "cmdExitSave", "cmdDelete"};
        Do({UserAction::Kind::Click, "frmEdit", buttons[Pick(buttons.size())], -1, 0, 0, {}});
        Do({UserAction::Kind::Close, "frmEdit", {}, -1, 0, 0, {}});
    }

    // The user copies in another application, then uses the clip.
    void Clip() {
        lastStep = "clip";
        clipboardMayChange = true;
        std::string clip;
        if (Chance(50))
            clip = "Total " + std::to_string(Pick(1000)) + "." + std::to_string(Pick(100)) +
                   " and " + std::to_string(Pick(50));
        else
            clip = Word() + " " + Word() + (Chance(30) ? "\r\n" + Word() : "");
        Then([this, clip] {
            sim.setClipboardText(clip);
            return sim.nowMicros();
        });
        const std::array after = {"mnuPasteToPick", "mnuCalcPaste", "Alt+C", "Ctrl+V"};
        const std::string use = after[Pick(after.size())];
        if (use == "Alt+C")
            Keys([this](std::int64_t at) { return Chord(at, {vk::Menu, 'C'}); });
        else if (use == "Ctrl+V")
            Keys([this](std::int64_t at) { return Chord(at, {vk::Control, 'V'}); });
        else
            Menu(use == "mnuPasteToPick" ? "mnuPasteToPick" : "mnuCalcPaste");
    }

    // --- The invariants, after every step ---
    void Broken(const std::string& what) {
        if (figures.broken.size() < 20)
            figures.broken.push_back("step " + std::to_string(figures.steps) + " (" + lastStep +
                                     "): " + what);
    }

    void CheckGroups() {
        for (std::size_t g = 0; g < app.db.groups.size(); ++g) {
            const std::string& group = app.db.groups[g];
            if (!group.starts_with(CrLf) || group.size() < 3 ||
                group[2] != static_cast<char>('a' + g)) {
                Broken("letter group " + std::string(1, static_cast<char>('a' + g)) +
                       " is empty or holds another letter");
                continue;
            }
            std::string_view previous;
            for (std::size_t at = 0; at < group.size();) {
                const std::size_t end = RecordEnd(group, at + 2);
                const std::string_view shortForm =
                    SplitRecord(std::string_view(group).substr(at + 2, end - at - 2)).shortForm;
                if (at > 0 && !(previous < shortForm)) Broken("a letter group is out of order");
                previous = shortForm;
                at = end;
            }
        }
    }

    void CheckStep() {
        ++figures.invariantChecks;
        CheckGroups();
        // What is on disk is what the program holds whenever it holds no unsaved change.
        if (!app.db.databaseChanged) {
            const LoadResult onDisk = LoadDatabase(sim);
            if (!onDisk.db || onDisk.db->groups != app.db.groups)
                Broken("the saved database does not load back as the program holds it");
        }
        for (std::uint8_t k : kModifiers)
            if (sim.isDown(k)) Broken("modifier key " + std::to_string(k) + " left down");
        if (!clipboardMayChange && sim.clipboard() != clipboardBefore)
            Broken("the clipboard was not given back");
        const std::string& activated = app.stats.activatedList;
        if (static_cast<std::size_t>(std::count(activated.begin(), activated.end(), '\n')) >
            kActivatedLines)
            Broken("more than 15 lines of activated short forms");
        const StateBytes now = Measure(app);
        if (figures.keystrokes >= config.keystrokes / 10) {
            if (figures.atWarmUp.other == 0 && figures.atWarmUp.database == 0)
                figures.atWarmUp = now;
            figures.largest.database = std::max(figures.largest.database, now.database);
            figures.largest.other = std::max(figures.largest.other, now.other);
        }
        figures.atEnd = now;
        figures.saves = static_cast<std::int64_t>(sim.filesWritten().size());
    }

    void StartStep() {
        clipboardMayChange = false;
        clipboardBefore = sim.clipboard();
        // The user starts a new document now and then, as the Document would otherwise grow
        // with the whole run.
        if (sim.document().text.size() > kDocumentLimit) sim.document() = {};
        NextStep();
    }

    void OnIdle() {
        if (sim.nowMicros() < readyAt) return;
        if (actions.empty()) {
            if (figures.steps > 0) {
                CheckStep();
                figures.messageBoxes += static_cast<std::int64_t>(sim.takeMessages().size());
                if (config.progress) config.progress(figures);
            }
            if (figures.keystrokes >= config.keystrokes || !app.frmKeyvane.open) {
                sim.stopProgram();
                return;
            }
            ++figures.steps;
            StartStep();
        }
        const Action a = std::move(actions.front());
        actions.pop_front();
        readyAt = a() + kGap;
    }

    void Run() {
        sim.setIdleHook([this] { OnIdle(); });
        // The short forms the user knows are those of the database the program starts with.
        if (const LoadResult start = LoadDatabase(sim); start.db)
            shortForms = ShortFormsOf(*start.db);
        RunProgram(app);
        figures.virtualSeconds = static_cast<double>(sim.nowMicros()) / 1e6;
        figures.expansions = app.stats.expansions;
        for (const std::string& path : sim.filesWritten())
            figures.filesWritten.push_back(fs::path(path).filename().string());
        for (const fs::directory_entry& e : fs::directory_iterator(folder))
            figures.folderAtEnd.push_back(e.path().filename().string());
        std::sort(figures.folderAtEnd.begin(), figures.folderAtEnd.end());
    }
};

} // namespace

SoakFigures RunSoak(const SoakConfig& config) {
    Soak soak(config);
    soak.Run();
    return soak.figures;
}
