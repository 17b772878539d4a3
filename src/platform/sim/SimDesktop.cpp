#include "platform/sim/SimDesktop.h"

#include "platform/FileOps.h"
#include "platform/keys.h"

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

// An installed program's name as windowProgram gives it: the file's base name, lower case,
// without its extension ("C:\Tools\NotePad.EXE" is "notepad").
std::string ProgramName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos && dot > 0)
        name = name.substr(0, dot);
    std::string lower(name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return lower;
}

} // namespace

SimDesktop::SimDesktop(std::string folder) : folder_(std::move(folder)) {
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
    windows_.push_back({kDocument, "Document", "document", {0, 0, 900, 700}, {}, {}, {}, {}});
    windows_.push_back(
        {kTerminal, "Terminal", "terminal", {900, 0, 1280, 700}, {}, {}, {}, SimTerminal{}});
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
        if (w.title == title && !w.terminal) return &w.editor;
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

// Moves the virtual clock on, delivering the synthetic events and the user's physical key
// events and auto-repeats that fall due on the way, the user's after any run they fall within.
// Actions on forms wait for the program to let events run.
void SimDesktop::advance(std::int64_t micros) {
    const std::int64_t target = now_ + micros;
    for (;;) {
        auto key = std::find_if(scheduled_.begin(), scheduled_.end(),
                                [](const Scheduled& s) { return s.physicalKey; });
        const std::int64_t keyAt = key != scheduled_.end() ? afterRuns(key->at) : INT64_MAX;
        const std::int64_t repeatAt = repeatKey_ ? afterRuns(nextRepeat_) : INT64_MAX;
        const std::int64_t syntheticAt = synthetic_.empty() ? INT64_MAX : synthetic_.front().at;
        const std::int64_t next = std::min({keyAt, repeatAt, syntheticAt});
        if (next > target) break;
        now_ = std::max(now_, next);
        if (syntheticAt == next) {
            deliverSynthetic();
        } else if (repeatAt <= keyAt) {
            nextRepeat_ += kRepeatEvery;
            applyKey(repeatKey_, false, Source::Repeat);
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
            applyKey(s.key, s.up, Source::User);
        }
    }
    now_ = target;
}

std::int64_t SimDesktop::afterRuns(std::int64_t at) const {
    for (const Run& r : runs_)
        if (at >= r.from && at <= r.to) at = r.to;
    return at;
}

void SimDesktop::queueSynthetic(std::int64_t at, const InputEvent& event, bool endsRun) {
    if (!synthetic_.empty()) at = std::max(at, synthetic_.back().at);
    synthetic_.push_back({at, event, endsRun});
}

void SimDesktop::deliverSynthetic() {
    const Synthetic s = synthetic_.front();
    synthetic_.pop_front();
    if (s.endsRun) runs_.pop_front();
    if (s.event.kind == InputEvent::Kind::Key)
        applyKey(s.event.key, s.event.up, Source::Program);
    else
        deliverChar(s.event.ch);
}

// Sets a key in a key state, and the generic key of a sided modifier with it.
void SimDesktop::setKey(std::array<bool, 256>& down, std::uint8_t key, bool up) {
    down[key] = !up;
    if (const std::uint8_t generic = GenericModifier(key)) {
        const std::uint8_t left = SidedModifier(generic);
        down[generic] = down[left] || down[static_cast<std::uint8_t>(left + 1)];
    }
}

// A change the program reads: a press also reads as pressed until a reading reports it.
void SimDesktop::readKey(std::uint8_t key, bool up, char typed) {
    setKey(down_, key, up);
    if (up) return;
    pressed_[key] = true;
    charOfPress_[key] = typed;
    if (const std::uint8_t generic = GenericModifier(key)) pressed_[generic] = true;
}

// On a layout with AltGr, right Alt also presses left Ctrl, as Windows does.
void SimDesktop::applyKey(std::uint8_t key, bool up, Source source) {
    const bool altGr = layout_->hasAltGr && key == vk::RMenu;
    if (altGr && !up) applyOneKey(vk::LControl, false, source);
    applyOneKey(key, up, source);
    if (altGr && up) applyOneKey(vk::LControl, true, source);
}

// An event reaching the windows. The program's own events moved the state it reads when they
// were sent, so only the user's (and the auto-repeats of their keys) move it here.
void SimDesktop::applyOneKey(std::uint8_t key, bool up, Source source) {
    key = SidedModifier(key);
    if (key == vk::Capital && !up && (source == Source::User || !windowsDown_[key]))
        capsToggle_ = !capsToggle_;
    const char typed = up ? 0 : charOfPress(key, modifiers(windowsDown_));
    setKey(windowsDown_, key, up);
    if (source != Source::Program) readKey(key, up, typed);
    if (!up) deliverKeyDown(key);
}

// The program's own event, just sent: it moves the state the program reads at once, as
// SendInput moves Windows' asynchronous key state, however long it takes to reach the windows.
void SimDesktop::noteOwnKey(std::uint8_t key, bool up) {
    const bool altGr = layout_->hasAltGr && key == vk::RMenu;
    if (altGr && !up) noteOwnKey(vk::LControl, false);
    key = SidedModifier(key);
    readKey(key, up, up ? 0 : charOfPress(key, modifiers(down_)));
    if (altGr && up) noteOwnKey(vk::LControl, true);
}

Modifiers SimDesktop::modifiers(const std::array<bool, 256>& down) const {
    return {down[vk::Shift], down[vk::Control], down[vk::Menu], capsToggle_};
}

// What a press types in an editor with the modifiers held: Enter, Tab, Backspace and Escape their
// control characters; nothing with Ctrl or Alt, unless together they are AltGr.
char SimDesktop::charOfPress(std::uint8_t key, const Modifiers& m) const {
    const bool altGr = m.ctrl && m.alt && layout_->hasAltGr;
    if ((m.ctrl || m.alt) && !altGr) return 0;
    switch (key) {
    case vk::Return:
        return '\r';
    case vk::Tab:
        return '\t';
    case vk::Back:
        return '\b';
    case vk::Escape:
        return '\x1B';
    default:
        return CharForKey(*layout_, key, m.shift, altGr, m.capsLock).value_or(0);
    }
}

void SimDesktop::deliverKeyDown(std::uint8_t key) {
    const Modifiers m = modifiers(windowsDown_);
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
        if (const std::optional<char> c = CharForKey(*layout_, key, false, false, false))
            systemMenuChoices_.push_back(w->title + ": " +
                                         static_cast<char>(*c >= 'a' && *c <= 'z' ? *c - 32 : *c));
        return;
    }
    if (w->terminal)
        TerminalKeyDown(*w->terminal, key, m, *layout_);
    else
        EditorKeyDown(w->editor, key, m, *layout_, clipboard_);
}

// A character typed as itself leaves the key state as it is (Windows reports it as VK_PACKET,
// which the program never reads).
void SimDesktop::deliverChar(char c) {
    if (formOf(foreground_)) {
        formKeys_.push_back({foreground_, 0, modifiers(windowsDown_), c});
        return;
    }
    AppWindow* w = appWindow(foreground_);
    if (!w) return;
    systemMenuOpen_ = false;
    if (w->terminal)
        TerminalChar(*w->terminal, c);
    else
        EditorChar(w->editor, c);
}

std::int16_t SimDesktop::getAsyncKeyState(std::uint8_t key) {
    advance(1);
    const int state = (down_[key] ? 0x8000 : 0) | (pressed_[key] ? 1 : 0);
    if (pressed_[key]) reportedChar_[key] = charOfPress_[key];
    pressed_[key] = false;
    return static_cast<std::int16_t>(state);
}

std::int16_t SimDesktop::getKeyState(std::uint8_t key) {
    advance(1);
    const int toggled = key == vk::Capital && capsToggle_ ? 1 : 0;
    return static_cast<std::int16_t>((down_[key] ? 0xFF80 : 0) | toggled);
}

void SimDesktop::keyEvent(std::uint8_t key, bool up) {
    noteOwnKey(key, up);
    // Sent while a run is still on its way, the key arrives after it and joins it: the user's
    // keys that fall due meanwhile wait for it too, so the windows get them in the order the
    // program read them, after its own.
    const bool joinsRun = !runs_.empty();
    if (joinsRun) synthetic_.back().endsRun = false;
    queueSynthetic(now_ + kSyntheticKeyMicros, {InputEvent::Kind::Key, key, up, 0}, joinsRun);
    if (joinsRun) runs_.back().to = synthetic_.back().at;
    advance(kSyntheticKeyMicros);
}

// The run goes out as one call (one synthetic key's cost) and reaches the desktop from then on,
// its events the gap apart; the caller goes on meanwhile. The user's keys that fall due from
// the call to the run's last event come after it: the desktop takes a run whole, as it does
// SendInput's array and a batch of XTest requests.
void SimDesktop::sendInput(std::span<const InputEvent> events) {
    if (events.empty()) return;
    const std::int64_t from = now_;
    std::int64_t at = now_ + kSyntheticKeyMicros;
    if (!synthetic_.empty()) at = std::max(at, synthetic_.back().at + keyGapMicros_);
    const std::int64_t to = at + keyGapMicros_ * static_cast<std::int64_t>(events.size() - 1);
    runs_.push_back({from, to});
    for (std::size_t i = 0; i < events.size(); ++i, at += keyGapMicros_) {
        if (events[i].kind == InputEvent::Kind::Key) noteOwnKey(events[i].key, events[i].up);
        queueSynthetic(at, events[i], i + 1 == events.size());
    }
    advance(kSyntheticKeyMicros);
}

std::int16_t SimDesktop::keyForChar(char c) {
    const std::optional<KeyStroke> k = KeyForChar(*layout_, c);
    if (!k) return -1;
    return static_cast<std::int16_t>(k->key | (k->shift ? 0x100 : 0) | (k->altGr ? 0x600 : 0));
}

void SimDesktop::mouseButton(MouseButton button, bool up) {
    advance(1);
    const std::uint8_t key = button == MouseButton::Left    ? vk::LButton
                             : button == MouseButton::Right ? vk::RButton
                                                            : vk::MButton;
    setKey(windowsDown_, key, up);
    readKey(key, up, 0);
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
    const int width = r->right - r->left;
    const int height = r->bottom - r->top;
    if (a.terminal)
        return WindowPixel(a.picture, TerminalView(*a.terminal), a.look, width, height, p);
    return WindowPixel(a.picture, a.editor, a.look, width, height, p);
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

std::string SimDesktop::windowProgram(WindowId w) {
    if (const AppWindow* a = appWindow(w)) return a->program;
    if (formOf(w)) return "quibnote";
    return {};
}

bool SimDesktop::startProgram(std::string_view path) {
    programsStarted_.emplace_back(path);
    const auto it = installed_.find(std::string(path));
    if (it == installed_.end()) return false;
    const WindowId id = nextWindowId_++;
    windows_.push_back({id, it->second, ProgramName(path), {100, 100, 700, 500}, {}, {}, {}, {}});
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
        scheduled_.empty() && synthetic_.empty() && idleHook_) {
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
    // The piece only has to have been there: the write fails either way, and it is removed.
    static_cast<void>(WriteFileAtomically(temp, full ? data.substr(0, data.size() / 2) : data));
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

// The running copy is the program whose forms are attached; its main window is the first of them.
bool SimDesktop::bringRunningInstanceForward() {
    if (forms_.empty() || !forms_.front()->visible) return false;
    Form& main = *forms_.front();
    main.state = WindowState::Normal;
    foreground_ = main.window;
    ++broughtForward_;
    return true;
}

// The login entry is a file of the desktop's own, outside the program folder: a fault made for
// every file fails it too.
FileStatus SimDesktop::setStartAtLogin(bool on) {
    startAtLoginRequests_.push_back(on);
    if (fileFault_ != FileFault::None && faultyFile_.empty())
        return {false, "Cannot write the login entry: No space left on device"};
    return {};
}

bool SimDesktop::fileExists(std::string_view path) {
    return FileExists(path);
}
