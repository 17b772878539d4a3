#include "app/SimDriver.h"

#include "app/Program.h"
#include "app/SimScript.h"
#include "engine/Startup.h"
#include "keyout/KeyScript.h"
#include "platform/keys.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimTypist.h"
#include "platform/text.h"
#include "ui/App.h"
#include "ui/MainWindow.h"
#include "ui/Statistics.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <vector>

namespace {

constexpr std::int64_t kMs = 1000;
constexpr std::int64_t kKeyHeld = 30 * kMs; // a typed key is held this long
constexpr std::int64_t kKeyGap = 60 * kMs;  // and this long passes before the next
constexpr std::int64_t kSettle = 100 * kMs; // between the last action of a command and the next

struct ScriptError {
    std::string message;
};

struct Run {
    SimDesktop& sim;
    App& app;
    std::ostream& out;
    std::vector<ScriptLine> lines;
    std::size_t next = 0;
    std::int64_t readyAt = 0;
    bool programRunning = true;
    bool expectFailed = false;
    std::optional<std::string> error;
};

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::istringstream in{std::string(text)};
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

std::optional<int> Number(std::string_view s) {
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

void ActionDone(Run& r, std::int64_t lastAction) {
    r.readyAt = lastAction + kSettle;
}

void RequireProgram(const Run& r) {
    if (!r.programRunning) throw ScriptError{"the program is not running"};
}

// A second copy of the program starts on the same desktop while this one runs: it finds this one
// running and ends; whatever it does to the desktop stays for the script to observe.
void SecondCopy(Run& r) {
    RequireProgram(r);
    App second(r.sim);
    r.sim.setOtherInstanceRunning(true);
    const bool started = StartUp(second);
    r.sim.setOtherInstanceRunning(false);
    if (started) throw ScriptError{"the second copy did not end"};
    ActionDone(r, r.sim.nowMicros());
}

// The first word of a text, and the text after it and its space.
std::pair<std::string, std::string> FirstWord(std::string_view text) {
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos) return {std::string(text), ""};
    return {std::string(text.substr(0, space)), std::string(text.substr(space + 1))};
}

void TypeText(Run& r, std::string_view text, const TypingPace& pace) {
    const std::string typed = UnescapeTyped(text);
    if (const std::optional<char> c = Untypable(r.sim.layout(), typed))
        throw ScriptError{"no key of the " + std::string(r.sim.layout().name) + " layout types \"" +
                          EscapeForPrint(std::string(1, *c)) + "\""};
    ActionDone(r, ScheduleTyping(r.sim, r.sim.nowMicros(), typed, pace));
}

// `burst HOLD GAP TEXT`: a fast typist, each key held HOLD ms, GAP ms from its release to the
// next press.
void Burst(Run& r, std::string_view text) {
    const auto [hold, rest] = FirstWord(text);
    const auto [gap, typed] = FirstWord(rest);
    const std::optional<int> holdMs = Number(hold);
    const std::optional<int> gapMs = Number(gap);
    if (!holdMs || !gapMs || *holdMs < 0 || *gapMs < 0) throw ScriptError{"burst HOLD GAP TEXT"};
    TypeText(r, typed, {*holdMs * kMs, *gapMs * kMs, true});
}

void Layout(Run& r, std::string_view name) {
    const KeyboardLayout* layout = LayoutNamed(name);
    if (!layout) throw ScriptError{"layout us, fr or de"};
    r.sim.setLayout(*layout);
}

std::vector<std::uint8_t> Keys(std::string_view text) {
    std::vector<std::uint8_t> keys;
    for (const std::string& name : Words(text)) {
        const std::optional<std::uint8_t> key = KeyByName(name);
        if (!key) throw ScriptError{"unknown key " + name};
        keys.push_back(*key);
    }
    if (keys.empty()) throw ScriptError{"no key given"};
    return keys;
}

void Press(Run& r, std::string_view text) {
    const std::vector<std::uint8_t> keys = Keys(text);
    std::int64_t t = r.sim.nowMicros();
    for (std::size_t i = 0; i < keys.size(); ++i, t += kKeyHeld)
        r.sim.schedulePhysicalKey(t, keys[i], false);
    for (std::size_t i = keys.size(); i-- > 0; t += kKeyHeld)
        r.sim.schedulePhysicalKey(t, keys[i], true);
    ActionDone(r, t - kKeyHeld);
}

std::string Clipboard(Run& r) {
    return r.sim.clipboard().value_or("");
}

std::string ClipboardFromScript(std::string_view text) {
    std::string clip;
    for (char c : UnescapeTyped(text)) clip += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return clip;
}

Form& FormNamed(Run& r, std::string_view name);
std::pair<std::string, std::string> SplitTarget(const std::string& target);

// A control, `FORM.CONTROL` or a name looked for in every window, or else a menu item.
struct Named {
    Control* control = nullptr;
    MenuItem* menu = nullptr;
};

Named FindNamed(Run& r, const std::string& target, int index) {
    const auto [formName, name] = SplitTarget(target);
    for (Form* f : OwnForms(r.app)) {
        if (!formName.empty() && f->name != formName) continue;
        if (Control* c = FindControl(*f, name, index)) return {c, nullptr};
    }
    if (index < 0)
        for (Form* f : OwnForms(r.app)) {
            if (!formName.empty() && f->name != formName) continue;
            if (MenuItem* m = FindMenuItem(*f, name)) return {nullptr, m};
        }
    throw ScriptError{"no control or menu item " + target};
}

bool IsControlArray(Run& r, const std::string& target) {
    const auto [formName, name] = SplitTarget(target);
    for (Form* f : OwnForms(r.app)) {
        if (!formName.empty() && f->name != formName) continue;
        for (const Control& c : f->controls)
            if (c.name == name && c.index >= 0) return true;
    }
    return false;
}

// `control NAME [INDEX]`: a text box's text, or the caption of anything else. INDEX is read only
// for a control array, so an expected text may begin with a number.
std::pair<std::string, std::string> ObserveControl(Run& r, std::string_view text) {
    auto [target, rest] = FirstWord(text);
    if (target.empty()) throw ScriptError{"control needs a name"};
    int index = -1;
    if (IsControlArray(r, target)) {
        auto [number, after] = FirstWord(rest);
        const std::optional<int> n = Number(number);
        if (!n) throw ScriptError{target + " needs an index"};
        index = *n;
        rest = after;
    }
    const Named named = FindNamed(r, target, index);
    if (named.menu) return {named.menu->caption, rest};
    const Control& c = *named.control;
    return {c.kind == ControlKind::TextBox ? c.text : c.caption, rest};
}

// `checked NAME`: a menu item's check mark or a check box, as on or off.
std::pair<std::string, std::string> ObserveChecked(Run& r, std::string_view text) {
    const auto [target, rest] = FirstWord(text);
    if (target.empty()) throw ScriptError{"checked needs a name"};
    const Named named = FindNamed(r, target, -1);
    const bool on = named.menu ? named.menu->checked : named.control->checked;
    return {on ? "on" : "off", rest};
}

// `color NAME`: a window's or a control's colour as six hexadecimal digits, blue first.
std::pair<std::string, std::string> ObserveColor(Run& r, std::string_view text) {
    const auto [target, rest] = FirstWord(text);
    if (target.empty()) throw ScriptError{"color needs a name"};
    std::uint32_t color = 0;
    const auto forms = OwnForms(r.app);
    const auto form =
        std::find_if(forms.begin(), forms.end(), [&](const Form* f) { return f->name == target; });
    if (form != forms.end()) {
        color = (*form)->color;
    } else {
        const Named named = FindNamed(r, target, -1);
        if (!named.control) throw ScriptError{target + " has no colour"};
        color = named.control->color;
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "%06X", color & 0xFFFFFFu);
    return {hex, rest};
}

// `window NAME`: where the window stands in twips, and whether it shows.
std::pair<std::string, std::string> ObserveWindow(Run& r, std::string_view text) {
    const auto [name, rest] = FirstWord(text);
    const Form& f = FormNamed(r, name);
    std::string state = f.visible ? "visible" : "hidden";
    if (f.state == WindowState::Minimized) state += " minimized";
    return {"left " + std::to_string(f.rect.left) + " top " + std::to_string(f.rect.top) +
                " width " + std::to_string(f.rect.width) + " height " +
                std::to_string(f.rect.height) + " " + state,
            rest};
}

// The text a WHAT stands for, and the rest of the command after it.
std::pair<std::string, std::string> Observe(Run& r, std::string_view what) {
    const std::size_t space = what.find(' ');
    const std::string word(what.substr(0, space));
    std::string rest = space == std::string_view::npos ? "" : std::string(what.substr(space + 1));
    if (word == "file") {
        const std::size_t nameEnd = rest.find(' ');
        const std::string name = rest.substr(0, nameEnd);
        if (name.empty()) throw ScriptError{"file needs a name"};
        rest = nameEnd == std::string::npos ? "" : rest.substr(nameEnd + 1);
        const std::optional<std::string> data = r.sim.readFile(r.sim.programFolder() + name);
        return {data.value_or("(missing)"), rest};
    }
    if (word == "document") return {r.sim.document().text, rest};
    if (word == "terminal") return {TerminalText(r.sim.terminal()), rest};
    if (word == "clipboard") return {Clipboard(r), rest};
    if (word == "caption") return {r.app.frmKeyvane.caption, rest};
    if (word == "display") {
        const Control* box = FindControl(r.app.frmKeyvane, "txtDisplay");
        return {box ? box->text : "", rest};
    }
    if (word == "panel") {
        const Control* label = FindControl(r.app.frmKVDisp, "lblKVDisp");
        if (!r.app.frmKVDisp.visible || !label) return {"(hidden)", rest};
        return {label->caption, rest};
    }
    if (word == "focus") return {r.sim.focusName(), rest};
    if (word == "stats") return {StatisticsText(r.app.stats, 1), rest};
    if (word == "control") return ObserveControl(r, rest);
    if (word == "checked") return ObserveChecked(r, rest);
    if (word == "window") return ObserveWindow(r, rest);
    if (word == "color") return ObserveColor(r, rest);
    if (word == "messages") {
        std::string joined;
        for (const std::string& m : r.sim.takeMessages())
            joined += (joined.empty() ? "" : " | ") + m;
        return {joined, rest};
    }
    throw ScriptError{"cannot print " + word};
}

std::string WhatName(std::string_view what, std::string_view rest) {
    const std::size_t restLength = rest.empty() ? 0 : rest.size() + 1;
    return std::string(what.substr(0, what.size() - restLength));
}

Form& FormNamed(Run& r, std::string_view name) {
    for (Form* f : OwnForms(r.app))
        if (f->name == name) return *f;
    throw ScriptError{"no window " + std::string(name)};
}

void ChooseMenu(Run& r, std::string_view name) {
    RequireProgram(r);
    for (Form* f : OwnForms(r.app)) {
        if (const MenuItem* item = FindMenuItem(*f, name)) {
            if (item->enabled && item->visible)
                r.sim.scheduleAction(
                    r.sim.nowMicros(),
                    {UserAction::Kind::Menu, f->name, std::string(name), -1, 0, 0, {}});
            ActionDone(r, r.sim.nowMicros());
            return;
        }
    }
    throw ScriptError{"no menu item " + std::string(name)};
}

// "frmEdit.txtShFm" names a control of a window; a plain name is looked for in every window.
std::pair<std::string, std::string> SplitTarget(const std::string& target) {
    const std::size_t dot = target.find('.');
    if (dot == std::string::npos) return {"", target};
    return {target.substr(0, dot), target.substr(dot + 1)};
}

std::pair<Form*, Control*> FindTarget(Run& r, const std::string& target, int index) {
    const auto [formName, controlName] = SplitTarget(target);
    for (Form* f : OwnForms(r.app)) {
        if (!formName.empty() && f->name != formName) continue;
        if (Control* c = FindControl(*f, controlName, index)) return {f, c};
    }
    throw ScriptError{"no control " + target};
}

void SetText(Run& r, std::string_view text) {
    RequireProgram(r);
    const std::size_t space = text.find(' ');
    const std::string target(text.substr(0, space));
    const std::string value =
        space == std::string_view::npos ? "" : std::string(text.substr(space + 1));
    auto [form, box] = FindTarget(r, target, -1);
    if (box->kind != ControlKind::TextBox) throw ScriptError{target + " is not a text box"};
    if (!r.sim.clickInto(form->name, box->name, box->index))
        throw ScriptError{target + " cannot take the focus"};
    box->text = ClipboardFromScript(value);
    r.sim.scheduleAction(r.sim.nowMicros(),
                         {UserAction::Kind::Change, form->name, box->name, box->index, 0, 0, {}});
    ActionDone(r, r.sim.nowMicros());
}

void Scroll(Run& r, std::string_view text) {
    RequireProgram(r);
    const std::vector<std::string> words = Words(text);
    const std::optional<int> value = words.size() == 2 ? Number(words[1]) : std::nullopt;
    if (!value) throw ScriptError{"scroll NAME.CONTROL VALUE"};
    auto [form, bar] = FindTarget(r, words[0], -1);
    if (bar->kind != ControlKind::ScrollBar) throw ScriptError{words[0] + " is not a scroll bar"};
    bar->value = std::clamp(*value, std::min(bar->min, bar->max), std::max(bar->min, bar->max));
    r.sim.scheduleAction(r.sim.nowMicros(),
                         {UserAction::Kind::Scroll, form->name, bar->name, bar->index, 0, 0, {}});
    ActionDone(r, r.sim.nowMicros());
}

void Focus(Run& r, std::string_view text) {
    const std::vector<std::string> words = Words(text);
    if (words.empty() || words.size() > 2) throw ScriptError{"focus NAME [CONTROL]"};
    if (words[0] != "Document" && words[0] != "Terminal") RequireProgram(r);
    if (!r.sim.clickInto(words[0], words.size() == 2 ? words[1] : "", -1))
        throw ScriptError{"cannot focus " + std::string(text)};
    ActionDone(r, r.sim.nowMicros());
}

void Click(Run& r, std::string_view text) {
    RequireProgram(r);
    const std::vector<std::string> words = Words(text);
    if (words.empty() || words.size() > 4) throw ScriptError{"click NAME [INDEX] [X Y]"};
    std::vector<int> numbers;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::optional<int> n = Number(words[i]);
        if (!n) throw ScriptError{"not a number: " + words[i]};
        numbers.push_back(*n);
    }
    const int index = numbers.size() % 2 == 1 ? numbers.front() : -1;
    const int x = numbers.size() >= 2 ? numbers[numbers.size() - 2] : 0;
    const int y = numbers.size() >= 2 ? numbers.back() : 0;
    auto [form, c] = FindTarget(r, words[0], index);
    if (c->enabled && c->visible && form->visible) {
        if (c->kind == ControlKind::CheckBox) c->checked = !c->checked;
        // A text box hears the button go down at the pointer first, as on every desktop.
        if (c->kind == ControlKind::TextBox)
            r.sim.scheduleAction(r.sim.nowMicros(), {UserAction::Kind::MouseDown, form->name,
                                                     c->name, index, x, y, MouseButton::Left});
        r.sim.scheduleAction(r.sim.nowMicros(),
                             {UserAction::Kind::Click, form->name, c->name, index, x, y, {}});
    }
    ActionDone(r, r.sim.nowMicros());
}

// The user takes the display panel by its label's top-left corner and drags it so that the
// panel's top-left corner comes to X Y (screen twips), then lets go, or first presses Esc.
void Drag(Run& r, std::string_view text) {
    RequireProgram(r);
    const std::vector<std::string> words = Words(text);
    const bool esc = words.size() == 4 && words[3] == "esc";
    const std::optional<int> x = words.size() >= 3 ? Number(words[1]) : std::nullopt;
    const std::optional<int> y = words.size() >= 3 ? Number(words[2]) : std::nullopt;
    if (!x || !y || words.size() > 4 || (words.size() == 4 && !esc))
        throw ScriptError{"drag frmKVDisp X Y [esc]"};
    if (words[0] != "frmKVDisp") throw ScriptError{"only the display panel is dragged"};
    const Control* label = FindControl(r.app.frmKVDisp, "lblKVDisp");
    if (!label) throw ScriptError{"the display panel has no label"};
    const int tx = r.sim.twipsPerPixelX();
    const int ty = r.sim.twipsPerPixelY();
    const std::int64_t t = r.sim.nowMicros();
    r.sim.schedulePhysicalKey(t, vk::LButton, false);
    r.sim.scheduleAction(
        t, {UserAction::Kind::MouseDown, "frmKVDisp", "lblKVDisp", -1, 0, 0, MouseButton::Left});
    r.sim.setCursorPos({(*x + label->rect.left) / tx, *y / ty});
    std::int64_t last = t + 50 * kMs;
    if (esc) {
        r.sim.schedulePhysicalKey(last, vk::Escape, false);
        r.sim.schedulePhysicalKey(last += kKeyHeld, vk::Escape, true);
        last += kKeyHeld;
    }
    r.sim.schedulePhysicalKey(last, vk::LButton, true);
    ActionDone(r, last);
}

// The user moves or resizes a window by its frame; the main window lays itself out anew.
void Move(Run& r, std::string_view text) {
    RequireProgram(r);
    const std::vector<std::string> words = Words(text);
    if (words.size() != 5) throw ScriptError{"move NAME LEFT TOP WIDTH HEIGHT"};
    int v[4];
    for (int i = 0; i < 4; ++i) {
        const std::optional<int> n = Number(words[i + 1]);
        if (!n) throw ScriptError{"not a number: " + words[i + 1]};
        v[i] = *n;
    }
    Form& form = FormNamed(r, words[0]);
    form.rect = {v[0], v[1], v[2], v[3]};
    if (&form == &r.app.frmKeyvane) LayoutMainWindow(r.app);
    ActionDone(r, r.sim.nowMicros());
}

// How the Document draws itself for the program's pixel reading: its style and caret width.
void Look(Run& r, std::string_view text) {
    const std::vector<std::string> words = Words(text);
    const std::optional<int> caret = words.size() == 2 ? Number(words[1]) : std::nullopt;
    if (!caret || *caret < 0 || *caret > 2 || (words[0] != "plain" && words[0] != "pane"))
        throw ScriptError{"look plain|pane CARET (0, 1 or 2)"};
    r.sim.setLook(
        SimDesktop::kDocument,
        {words[0] == "pane" ? SimWindowStyle::ColouredPane : SimWindowStyle::Plain, *caret});
}

// Runs the command; false when it has to wait for the program before the next may start.
bool Execute(Run& r, const ScriptLine& line) {
    const std::string& c = line.command;
    const std::string& text = line.text;
    if (c == "type") {
        TypeText(r, text, {kKeyHeld, kKeyGap, false});
    } else if (c == "burst") {
        Burst(r, text);
    } else if (c == "layout") {
        Layout(r, text);
        return true;
    } else if (c == "press") {
        Press(r, text);
    } else if (c == "hold" || c == "release") {
        const std::vector<std::uint8_t> keys = Keys(text);
        if (keys.size() != 1) throw ScriptError{c + " takes one key"};
        r.sim.schedulePhysicalKey(r.sim.nowMicros(), keys[0], c == "release");
        ActionDone(r, r.sim.nowMicros());
    } else if (c == "wait") {
        const std::optional<int> ms = Number(text);
        if (!ms || *ms < 0) throw ScriptError{"wait takes milliseconds"};
        r.readyAt = std::max(r.readyAt, r.sim.nowMicros() + *ms * kMs);
    } else if (c == "clipboard") {
        r.sim.setClipboardText(ClipboardFromScript(text));
        ActionDone(r, r.sim.nowMicros());
    } else if (c == "readonly") {
        // The user (or another program) takes the write permission off a file of the folder.
        std::error_code ec;
        std::filesystem::permissions(r.sim.programFolder() + Cp1252FromUtf8(text),
                                     std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                                     std::filesystem::perm_options::remove, ec);
        ActionDone(r, r.sim.nowMicros());
    } else if (c == "keyscript") {
        RequireProgram(r);
        TypeKeyScript(r.sim, r.app.out, Cp1252FromUtf8(text));
        ActionDone(r, r.sim.nowMicros());
    } else if (c == "menu") {
        ChooseMenu(r, text);
    } else if (c == "click") {
        Click(r, text);
    } else if (c == "focus") {
        Focus(r, text);
    } else if (c == "set") {
        SetText(r, text);
    } else if (c == "scroll") {
        Scroll(r, text);
    } else if (c == "drag") {
        Drag(r, text);
    } else if (c == "move") {
        Move(r, text);
    } else if (c == "look") {
        Look(r, text);
        return true;
    } else if (c == "start") {
        SecondCopy(r);
    } else if (c == "close") {
        RequireProgram(r);
        Form& form = FormNamed(r, text);
        r.sim.scheduleAction(r.sim.nowMicros(),
                             {UserAction::Kind::Close, form.name, {}, -1, 0, 0, {}});
        ActionDone(r, r.sim.nowMicros());
    } else if (c == "answer") {
        r.sim.queueAnswer(UnescapeTyped(text));
        return true;
    } else if (c == "print") {
        const auto [value, rest] = Observe(r, text);
        if (!rest.empty()) throw ScriptError{"print takes no text after " + WhatName(text, rest)};
        r.out << text << ": \"" << EscapeForPrint(value) << "\"\n";
        return true;
    } else if (c == "expect") {
        const auto [value, expected] = Observe(r, text);
        const std::string got = EscapeForPrint(value);
        const std::string want = EscapeForPrint(UnescapePrinted(expected));
        if (got != want) {
            r.expectFailed = true;
            r.out << "line " << line.number << ": expected " << WhatName(text, expected) << ": \""
                  << want << "\", got \"" << got << "\"\n";
        }
        return true;
    } else {
        throw ScriptError{"unknown command " + c};
    }
    return false;
}

void Fail(Run& r, const ScriptLine& line, const ScriptError& e) {
    r.error = "line " + std::to_string(line.number) + ": " + e.message;
}

// Runs what is due; called whenever the program waits at its loop head with nothing pending.
void Step(Run& r) {
    while (!r.error && r.sim.nowMicros() >= r.readyAt) {
        if (r.next == r.lines.size()) {
            r.sim.stopProgram();
            return;
        }
        const ScriptLine& line = r.lines[r.next++];
        try {
            if (!Execute(r, line)) return;
        } catch (const ScriptError& e) {
            Fail(r, line, e);
            r.sim.stopProgram();
        }
    }
}

} // namespace

int RunSimScript(std::string_view script, const std::string& folder, std::ostream& out,
                 std::ostream& err) {
    SimDesktop sim(folder);
    App app(sim);
    Run run{sim, app, out, ParseScript(script), 0, 0, true, false, std::nullopt};
    sim.setIdleHook([&run] { Step(run); });
    RunProgram(app);
    run.programRunning = false;
    sim.setActionHandler(nullptr);
    // Whatever the script still holds runs on the desktop without the program.
    while (!run.error && run.next < run.lines.size()) {
        while (sim.nowMicros() < run.readyAt) sim.sleepMs(1);
        const ScriptLine& line = run.lines[run.next++];
        try {
            Execute(run, line);
        } catch (const ScriptError& e) {
            Fail(run, line, e);
        }
    }
    if (run.error) {
        err << "quibnote-sim: " << *run.error << '\n';
        return 2;
    }
    return run.expectFailed ? 1 : 0;
}
