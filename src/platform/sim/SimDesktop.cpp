#include "platform/sim/SimDesktop.h"

#include "platform/FileOps.h"
#include "platform/keys.h"
#include "platform/sim/UsLayout.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

namespace {

constexpr std::int64_t kRepeatDelay = 500'000; // a held key starts repeating after 500 ms
constexpr std::int64_t kRepeatEvery = 33'000;  // and then presses again every 33 ms
constexpr std::int64_t kTick = 15'625;         // the clock steps in 1/64 s

bool Contains(const PixelRect& r, PixelPoint p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

PixelRect PixelsOf(const TwipRect& t) {
    return {t.left / 15, t.top / 15, (t.left + t.width) / 15, (t.top + t.height) / 15};
}

} // namespace

SimDesktop::SimDesktop(std::string folder) : folder_(std::move(folder)) {
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
    windows_.push_back({kDocument, "Document", {0, 0, 900, 700}, {}, {}, {}});
}

void SimDesktop::schedulePhysicalKey(std::int64_t atMicros, std::uint8_t key, bool up) {
    Scheduled s{std::max(atMicros, now_), seq_++, true, key, up, {}};
    scheduled_.insert(std::upper_bound(scheduled_.begin(), scheduled_.end(), s,
                                       [](const Scheduled& a, const Scheduled& b) {
                                           return a.at < b.at || (a.at == b.at && a.seq < b.seq);
                                       }),
                      s);
}

void SimDesktop::scheduleAction(std::int64_t atMicros, UserAction action) {
    Scheduled s{std::max(atMicros, now_), seq_++, false, 0, false, std::move(action)};
    scheduled_.insert(std::upper_bound(scheduled_.begin(), scheduled_.end(), s,
                                       [](const Scheduled& a, const Scheduled& b) {
                                           return a.at < b.at || (a.at == b.at && a.seq < b.seq);
                                       }),
                      s);
}

std::vector<std::string> SimDesktop::takeMessages() {
    std::vector<std::string> out;
    out.swap(messages_);
    return out;
}

void SimDesktop::installProgram(std::string path, std::string windowTitle) {
    installed_[std::move(path)] = std::move(windowTitle);
}

Form* SimDesktop::findForm(std::string_view name) {
    for (Form* f : forms_)
        if (f->name == name) return f;
    return nullptr;
}

SimEditor* SimDesktop::editorOf(std::string_view title) {
    for (AppWindow& w : windows_)
        if (w.title == title) return &w.editor;
    return nullptr;
}

void SimDesktop::setLook(WindowId w, SimLook look) {
    if (AppWindow* a = appWindow(w)) a->look = look;
}

SimDesktop::AppWindow* SimDesktop::appWindow(WindowId w) {
    for (AppWindow& a : windows_)
        if (a.id == w) return &a;
    return nullptr;
}

Form* SimDesktop::formOf(WindowId w) {
    for (Form* f : forms_)
        if (f->window == w && w != 0) return f;
    return nullptr;
}

// Moves the virtual clock on, applying the physical key events and auto-repeats that fall due
// on the way. Actions on forms wait for the program to let events run.
void SimDesktop::advance(std::int64_t micros) {
    const std::int64_t target = now_ + micros;
    for (;;) {
        auto key = std::find_if(scheduled_.begin(), scheduled_.end(),
                                [](const Scheduled& s) { return s.physicalKey; });
        const std::int64_t keyAt = key != scheduled_.end() ? key->at : INT64_MAX;
        const std::int64_t repeatAt = repeatKey_ ? nextRepeat_ : INT64_MAX;
        const std::int64_t next = std::min(keyAt, repeatAt);
        if (next > target) break;
        now_ = std::max(now_, next);
        if (repeatAt <= keyAt) {
            nextRepeat_ += kRepeatEvery;
            applyKey(repeatKey_, false, false);
        } else {
            const Scheduled s = *key;
            scheduled_.erase(key);
            physicallyDown_[s.key] = !s.up;
            if (!s.up) {
                repeatKey_ = s.key;
                nextRepeat_ = now_ + kRepeatDelay;
            } else if (s.key == repeatKey_) {
                repeatKey_ = 0;
            }
            applyKey(s.key, s.up, true);
        }
    }
    now_ = target;
}

void SimDesktop::setKey(std::uint8_t key, bool up) {
    down_[key] = !up;
    if (!up) pressed_[key] = true;
}

void SimDesktop::applyKey(std::uint8_t key, bool up, bool physical) {
    key = SidedModifier(key);
    if (key == vk::Capital && !up && (physical || !down_[key])) capsToggle_ = !capsToggle_;
    setKey(key, up);
    if (const std::uint8_t generic = GenericModifier(key)) {
        const std::uint8_t left = SidedModifier(generic);
        const std::uint8_t right = static_cast<std::uint8_t>(left + 1);
        down_[generic] = down_[left] || down_[right];
        if (!up) pressed_[generic] = true;
    }
    if (!up) deliverKeyDown(key);
}

void SimDesktop::deliverKeyDown(std::uint8_t key) {
    const Modifiers m{down_[vk::Shift], down_[vk::Control], down_[vk::Menu], capsToggle_};
    if (formOf(foreground_)) {
        formKeys_.push_back({foreground_, key, m});
        return;
    }
    AppWindow* w = appWindow(foreground_);
    if (!w) return;
    if (m.alt && key == vk::Space) {
        systemMenuOpen_ = true;
        return;
    }
    if (systemMenuOpen_) {
        if (GenericModifier(key) || key == vk::Shift || key == vk::Control || key == vk::Menu)
            return;
        systemMenuOpen_ = false;
        if (const std::optional<char> c = UsCharForKey(key, false, false))
            systemMenuChoices_.push_back(w->title + ": " +
                                         static_cast<char>(*c >= 'a' && *c <= 'z' ? *c - 32 : *c));
        return;
    }
    EditorKeyDown(w->editor, key, m, clipboard_);
}

std::int16_t SimDesktop::getAsyncKeyState(std::uint8_t key) {
    advance(1);
    const int state = (down_[key] ? 0x8000 : 0) | (pressed_[key] ? 1 : 0);
    pressed_[key] = false;
    return static_cast<std::int16_t>(state);
}

std::int16_t SimDesktop::getKeyState(std::uint8_t key) {
    advance(1);
    const int toggled = key == vk::Capital && capsToggle_ ? 1 : 0;
    return static_cast<std::int16_t>((down_[key] ? 0xFF80 : 0) | toggled);
}

void SimDesktop::keyEvent(std::uint8_t key, bool up) {
    advance(1);
    applyKey(key, up, false);
}

void SimDesktop::sendInput(std::span<const InputEvent> events) {
    for (const InputEvent& e : events) {
        if (e.kind == InputEvent::Kind::Key) {
            keyEvent(e.key, e.up);
            continue;
        }
        // A character typed as itself replaces the selection of the focused application.
        advance(1);
        if (AppWindow* w = appWindow(foreground_)) {
            SimEditor& ed = w->editor;
            const std::size_t from = std::min(ed.caret, ed.anchor);
            ed.text.replace(from, std::max(ed.caret, ed.anchor) - from, 1, e.ch);
            ed.caret = ed.anchor = from + 1;
        }
    }
}

std::int16_t SimDesktop::keyForChar(char c) {
    const std::optional<KeyStroke> k = UsKeyForChar(c);
    if (!k) return -1;
    return static_cast<std::int16_t>(k->key | (k->shift ? 0x100 : 0));
}

void SimDesktop::mouseButton(MouseButton button, bool up) {
    advance(1);
    const std::uint8_t key = button == MouseButton::Left    ? vk::LButton
                             : button == MouseButton::Right ? vk::RButton
                                                            : vk::MButton;
    setKey(key, up);
}

PixelPoint SimDesktop::cursorPos() {
    return cursor_;
}

void SimDesktop::setCursorPos(PixelPoint p) {
    cursor_.x = std::clamp(p.x, 0, screenWidthPixels() - 1);
    cursor_.y = std::clamp(p.y, 0, screenHeightPixels() - 1);
}

WindowId SimDesktop::foregroundWindow() {
    return foreground_;
}

bool SimDesktop::setForegroundWindow(WindowId w) {
    const Form* f = formOf(w);
    if (!appWindow(w) && !(f && f->visible)) return false;
    foreground_ = w;
    return true;
}

WindowId SimDesktop::windowFromPoint(PixelPoint p) {
    for (const Form* f : forms_)
        if (f->visible && f->topmost && Contains(PixelsOf(f->rect), p)) return f->window;
    for (const Form* f : forms_)
        if (f->visible && !f->topmost && Contains(PixelsOf(f->rect), p)) return f->window;
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if (Contains(it->rect, p)) return it->id;
    return 0;
}

std::optional<PixelRect> SimDesktop::windowRect(WindowId w) {
    if (const AppWindow* a = appWindow(w)) return a->rect;
    if (const Form* f = formOf(w)) return PixelsOf(f->rect);
    return std::nullopt;
}

std::optional<std::uint32_t> SimDesktop::windowPixel(WindowId w, PixelPoint p) {
    const std::optional<PixelRect> r = windowRect(w);
    if (!r || p.x < 0 || p.y < 0 || p.x >= r->right - r->left || p.y >= r->bottom - r->top)
        return std::nullopt;
    if (const Form* f = formOf(w)) return f->color;
    AppWindow& a = *appWindow(w);
    return WindowPixel(a.picture, a.editor, a.look, r->right - r->left, r->bottom - r->top, p);
}

bool SimDesktop::activateWindowByTitle(std::string_view title) {
    auto match = std::find_if(windows_.begin(), windows_.end(),
                              [&](const AppWindow& a) { return a.title == title; });
    if (match == windows_.end())
        match = std::find_if(windows_.begin(), windows_.end(),
                             [&](const AppWindow& a) { return a.title.starts_with(title); });
    if (match == windows_.end()) return false;
    foreground_ = match->id;
    windowsActivated_.emplace_back(match->title);
    return true;
}

bool SimDesktop::startProgram(std::string_view path) {
    programsStarted_.emplace_back(path);
    const auto it = installed_.find(std::string(path));
    if (it == installed_.end()) return false;
    const WindowId id = nextWindowId_++;
    windows_.push_back({id, it->second, {100, 100, 700, 500}, {}, {}, {}});
    foreground_ = id;
    return true;
}

void SimDesktop::sleepMs(unsigned ms) {
    ++sleeps_;
    advance(static_cast<std::int64_t>(ms) * 1000);
}

double SimDesktop::clockSeconds() {
    return static_cast<double>(now_ / kTick) / 64.0;
}

LocalTime SimDesktop::localTime() {
    using namespace std::chrono;
    const sys_days epochDay = year{kEpoch.year} / month{static_cast<unsigned>(kEpoch.month)} /
                              day{static_cast<unsigned>(kEpoch.day)};
    const std::int64_t secs =
        kEpoch.hour * 3600 + kEpoch.minute * 60 + kEpoch.second + now_ / 1'000'000;
    const sys_days today = epochDay + days{secs / 86400};
    const year_month_day ymd{today};
    const std::int64_t inDay = secs % 86400;
    return {static_cast<int>(ymd.year()),
            static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(inDay / 3600),
            static_cast<int>(inDay / 60 % 60),
            static_cast<int>(inDay % 60),
            static_cast<int>(weekday{today}.c_encoding())};
}

std::optional<std::string> SimDesktop::clipboardText() {
    return clipboard_;
}

bool SimDesktop::clearClipboard() {
    clipboard_.reset();
    return true;
}

bool SimDesktop::setClipboardText(std::string_view text) {
    clipboard_ = std::string(text);
    return true;
}

void SimDesktop::attachForms(std::span<Form* const> forms) {
    forms_.assign(forms.begin(), forms.end());
}

void SimDesktop::setActionHandler(std::function<void(const UserAction&)> handler) {
    handler_ = std::move(handler);
}

void SimDesktop::showForm(Form& form, bool activate) {
    if (form.window == 0) form.window = nextWindowId_++;
    form.open = true;
    form.visible = true;
    if (!activate) return;
    foreground_ = form.window;
    if (!focusedControl(form)) moveFocus(form, false);
}

void SimDesktop::hideForm(Form& form) {
    form.visible = false;
    if (foreground_ == form.window) foreground_ = kDocument;
}

int SimDesktop::doEvents(EventSite site) {
    advance(2);
    while (!stopped_ && !formKeys_.empty()) {
        const FormKey k = formKeys_.front();
        formKeys_.pop_front();
        handleFormKey(k);
    }
    while (!stopped_) {
        auto due = std::find_if(scheduled_.begin(), scheduled_.end(),
                                [](const Scheduled& s) { return !s.physicalKey; });
        if (due == scheduled_.end() || due->at > now_) break;
        const UserAction action = due->action;
        scheduled_.erase(due);
        dispatch(action);
    }
    if (site == EventSite::LoopHead && handlerDepth_ == 0 && !inIdleHook_ && !stopped_ &&
        scheduled_.empty() && idleHook_) {
        inIdleHook_ = true;
        idleHook_();
        inIdleHook_ = false;
    }
    if (stopped_) return 0;
    return static_cast<int>(
        std::count_if(forms_.begin(), forms_.end(), [](const Form* f) { return f->open; }));
}

std::optional<std::string> SimDesktop::takeAnswer() {
    if (answers_.empty()) return std::nullopt;
    std::string a = std::move(answers_.front());
    answers_.pop_front();
    return a;
}

MsgAnswer SimDesktop::messageBox(std::string_view text, std::string_view, MsgButtons buttons,
                                 MsgIcon) {
    messages_.emplace_back(text);
    const std::optional<std::string> a = takeAnswer();
    // An unanswered box takes its first button, as Enter would.
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (a == "No") return MsgAnswer::No;
    if (a == "Cancel" && buttons == MsgButtons::YesNoCancel) return MsgAnswer::Cancel;
    return MsgAnswer::Yes;
}

std::optional<std::string> SimDesktop::inputBox(std::string_view, std::string_view,
                                                std::string_view) {
    const std::optional<std::string> a = takeAnswer();
    if (!a || *a == "cancel") return std::nullopt;
    return a;
}

std::optional<std::string> SimDesktop::openFileDialog(std::string_view, std::string_view) {
    const std::optional<std::string> a = takeAnswer();
    if (!a || *a == "cancel") return std::nullopt;
    return a;
}

std::optional<std::string> SimDesktop::saveFileDialog(std::string_view, std::string_view) {
    const std::optional<std::string> a = takeAnswer();
    if (!a || *a == "cancel") return std::nullopt;
    return a;
}

void SimDesktop::beep() {
    messages_.emplace_back("(beep)");
}

bool SimDesktop::showHelp(std::string_view path) {
    programsStarted_.emplace_back(path);
    return FileExists(path);
}

std::optional<std::string> SimDesktop::readFile(std::string_view path) {
    return ReadWholeFile(path);
}

// The steps of an atomic write, failing at the step the fault names.
FileStatus SimDesktop::faultyWrite(std::string_view path, std::string_view data) {
    const std::string target(path);
    if (fileFault_ == FileFault::ReadOnlyFolder)
        return {false, "Cannot create " + target + ": Read-only file system"};
    const std::string temp = target + ".new";
    const bool full = fileFault_ == FileFault::DiskFull;
    WriteFileAtomically(temp, full ? data.substr(0, data.size() / 2) : data);
    std::remove(temp.c_str());
    if (full) return {false, "Cannot write " + target + ": No space left on device"};
    return {false, "Cannot replace " + target + ": Input/output error"};
}

bool SimDesktop::faultApplies(std::string_view path) const {
    if (fileFault_ == FileFault::None) return false;
    return faultyFile_.empty() || std::filesystem::path(path).filename() == faultyFile_;
}

FileStatus SimDesktop::writeFile(std::string_view path, std::string_view data) {
    filesWritten_.emplace_back(path);
    if (faultApplies(path)) return faultyWrite(path, data);
    return WriteFileAtomically(path, data);
}

FileStatus SimDesktop::copyFile(std::string_view from, std::string_view to) {
    filesWritten_.emplace_back(to);
    if (!faultApplies(to)) return CopyFileAtomically(from, to);
    const std::optional<std::string> data = ReadWholeFile(from);
    if (!data) return {false, "Cannot read " + std::string(from)};
    return faultyWrite(to, *data);
}

bool SimDesktop::fileExists(std::string_view path) {
    return FileExists(path);
}
