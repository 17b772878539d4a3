#include "platform/x11/X11Desktop.h"

#include "platform/FileOps.h"
#include "platform/keys.h"
#include "platform/x11/Autostart.h"
#include "platform/x11/DesktopWindows.h"
#include "platform/x11/Dialogs.h"
#include "platform/x11/Labels.h"
#include "platform/x11/Processes.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <poll.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// The key state is read from the server at most this often; in between, a reading takes what
// has already arrived. The main loop reads about thirty keys a pass, a thousand passes a
// second, and a system call for each would cost more than the whole idle budget.
constexpr double kReadEvery = 0.0005;
// The toolkit's events run at most this often inside key readings and waits (and on every
// pass at the loop head).
constexpr double kToolkitEvery = 0.001;
// While keys are pressed, the user's or the program's own, the toolkit's turn (which draws the
// windows the typing changed, on the X server's time) and the windows' update from the form
// models wait until the keys have stopped this long, or at most this long in all: the
// delimiter's expansion then reaches its window in one go, and the windows catch up after it.
constexpr double kTypingQuiet = 0.005;
constexpr double kToolkitWhileTyping = 0.05;
// Changes the program makes to its form models reach the windows at this interval.
constexpr double kSyncEvery = 0.015;
constexpr double kClockSteps = 256;
// A short sleep may stretch to this while the keyboard rests, and it rests after this long.
constexpr int kRestingSleepMs = 15;
constexpr double kRestAfter = 1.0;
// How long a paste of our text may take before the next key goes.
constexpr double kPasteWait = 0.25;
// How long a clipboard owner has to answer.
constexpr double kClipboardWait = 1.0;
// A spare keycode keeps its character this long after the batch that typed it has arrived:
// applications read a changed keymap when they next look up a key, not when it changes, and
// one still handling the key would otherwise find the keycode empty again.
constexpr double kSpareHold = 0.05;

// On the first screen's root window, so that every screen of the display finds it.
Atom MainWindowAtom(Connection& c) {
    return XInternAtom(c.display, "_QUIBNOTE_MAIN_WINDOW", False);
}

void SelectInputEvents(Connection& c) {
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XISetMask(bits, XI_RawButtonPress);
    XISetMask(bits, XI_RawButtonRelease);
    XIEventMask mask{XIAllMasterDevices, static_cast<int>(sizeof bits), bits};
    XISelectEvents(c.display, c.root, &mask, 1);
    const unsigned all = XkbNewKeyboardNotifyMask | XkbMapNotifyMask | XkbStateNotifyMask;
    XkbSelectEvents(c.display, XkbUseCoreKbd, all, all);
    XkbSelectEventDetails(c.display, XkbUseCoreKbd, XkbStateNotify, XkbAllStateComponentsMask,
                          XkbGroupStateMask | XkbModifierStateMask | XkbModifierLockMask);
}

int TwipsPerPixel(Display* d) {
    const char* dpi = XGetDefault(d, "Xft", "dpi");
    const double value = dpi ? std::atof(dpi) : 96.0;
    if (value < 48 || value > 480) return 15;
    return static_cast<int>(std::lround(1440.0 / value));
}

void OnConnectionReadable(int, void* data) {
    static_cast<X11Desktop*>(data)->readInput(true);
}

unsigned ButtonNumber(MouseButton b) {
    return b == MouseButton::Left ? 1 : b == MouseButton::Middle ? 2 : 3;
}

} // namespace

X11Desktop::X11Desktop(std::string folder) : folder_(std::move(folder)) {
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
    start_ = Now();
    // The toolkit ends the process when it cannot open the display, so ours is opened first.
    if (!OpenConnection(conn_, error_)) return;
    fl_open_display();
    InstallErrorHandler();
    views_.twipsPerPixel = TwipsPerPixel(conn_.display);
    SelectInputEvents(conn_);
    keymap_ = ReadKeyboardMap(conn_.display);
    char down[32] = {};
    XQueryKeymap(conn_.display, down);
    for (unsigned kc = 0; kc < 256; ++kc)
        if ((down[kc / 8] >> (kc % 8)) & 1) ApplyKeyEvent(keys_, keymap_, kc, true, start_);
    keys_.pressed = {};
    keys_.repeatKey = 0;
    XkbStateRec state{};
    XkbGetState(conn_.display, XkbUseCoreKbd, &state);
    keys_.numLock = (state.locked_mods & keymap_.numLockMask) != 0;
    keys_.xkbMods = state.mods;
    keys_.xkbGroup = state.group;
    Fl::add_fd(ConnectionNumber(conn_.display), FL_READ, OnConnectionReadable, this);
    XSync(conn_.display, False);
}

X11Desktop::~X11Desktop() {
    if (!conn_.display) return;
    restoreSpares(Now(), true);
    Fl::remove_fd(ConnectionNumber(conn_.display));
    views_.views.clear();
    CloseConnection(conn_);
    if (lockFd_ >= 0) close(lockFd_);
}

void X11Desktop::dispatch(XEvent& e) {
    Display* d = conn_.display;
    lastInput_ = Now();
    if (e.type == GenericEvent && e.xcookie.extension == conn_.xiOpcode &&
        XGetEventData(d, &e.xcookie)) {
        const auto* raw = static_cast<const XIRawEvent*>(e.xcookie.data);
        const auto detail = static_cast<unsigned>(raw->detail);
        switch (e.xcookie.evtype) {
        case XI_RawKeyPress:
            lastKeyAt_ = Now();
            if (!ownKeyEvent(raw->sourceid, detail, true))
                ApplyKeyEvent(keys_, keymap_, detail, true, lastKeyAt_);
            break;
        case XI_RawKeyRelease:
            if (!ownKeyEvent(raw->sourceid, detail, false))
                ApplyKeyEvent(keys_, keymap_, detail, false, Now());
            break;
        case XI_RawButtonPress:
            ApplyButtonEvent(keys_, detail, true);
            break;
        case XI_RawButtonRelease:
            ApplyButtonEvent(keys_, detail, false);
            break;
        default:
            break;
        }
        XFreeEventData(d, &e.xcookie);
        return;
    }
    if (e.type == conn_.xkbEventBase) {
        const auto& x = reinterpret_cast<const XkbEvent&>(e);
        if (x.any.xkb_type == XkbNewKeyboardNotify || x.any.xkb_type == XkbMapNotify) {
            keymap_ = ReadKeyboardMap(d);
        } else if (x.any.xkb_type == XkbStateNotify) {
            if (x.state.changed & XkbGroupStateMask) keymap_ = ReadKeyboardMap(d);
            keys_.numLock = (x.state.locked_mods & keymap_.numLockMask) != 0;
            keys_.xkbMods = x.state.mods;
            keys_.xkbGroup = x.state.group;
        }
        return;
    }
    if (e.type == PropertyNotify && e.xproperty.window == conn_.own &&
        e.xproperty.atom == conn_.atoms.inputDone) {
        batchArrived(lastInput_);
        return;
    }
    if (e.type == MappingNotify) {
        XRefreshKeyboardMapping(&e.xmapping);
        keymap_ = ReadKeyboardMap(d);
        return;
    }
    if (e.type == SelectionRequest) {
        AnswerSelectionRequest(conn_, clip_, e.xselectionrequest);
        return;
    }
    NoteClipboardEvent(conn_, clip_, e);
}

// The program's own key events moved the key state when they were sent; coming back, however
// late a gap makes them, they are nobody's typing.
bool X11Desktop::ownKeyEvent(int device, unsigned keycode, bool press) {
    const std::vector<int>& xtest = conn_.xtestKeyboards;
    if (!xtest.empty() && std::find(xtest.begin(), xtest.end(), device) == xtest.end())
        return false;
    return TakeOwnKeyEvent(keys_, keymap_, keycode, press);
}

void X11Desktop::readInput(bool now) {
    Display* d = conn_.display;
    const double t = Now();
    // After synthetic input a round trip brings in its raw events: the program reads its own
    // keys back right after sending them and must find them there, not later as new typing.
    // A run with gaps between its events arrives over time; meanwhile the readings take what
    // has come, so the program never waits for it.
    const bool sync = unsynced_ && lastDelayedBatch_ <= batchesDone_;
    if (sync) {
        XSync(conn_.input, False);
        XSync(d, False);
        unsynced_ = false;
        lastRead_ = t;
    } else if (now || t - lastRead_ >= kReadEvery) {
        XEventsQueued(d, QueuedAfterReading);
        lastRead_ = t;
    }
    while (XEventsQueued(d, QueuedAlready) > 0) {
        XEvent e;
        XNextEvent(d, &e);
        dispatch(e);
    }
    // Everything sent has come back: an own event still waiting was dropped by the server.
    if (sync) ForgetOwnKeyEvents(keys_, batchesSent_ + 1);
    ApplyRepeats(keys_, keymap_, t);
    restoreSpares(t, false);
}

void X11Desktop::pump(double seconds) {
    XFlush(conn_.display);
    if (XEventsQueued(conn_.display, QueuedAlready) == 0) {
        pollfd p{ConnectionNumber(conn_.display), POLLIN, 0};
        poll(&p, 1, std::clamp(static_cast<int>(seconds * 1000), 1, 50));
    }
    readInput(true);
}

std::int16_t X11Desktop::getAsyncKeyState(std::uint8_t key) {
    readInput(false);
    const std::int16_t state = TakeAsyncState(keys_, key);
    if (state & 1) pressReported_ = true;
    return state;
}

std::int16_t X11Desktop::getKeyState(std::uint8_t key) {
    readInput(false);
    int state = keys_.down[key] ? 0xFF80 : 0;
    const Atom indicator = key == vk::Capital ? conn_.atoms.capsLockIndicator
                           : key == 0x90      ? conn_.atoms.numLockIndicator
                           : key == 0x91      ? conn_.atoms.scrollLockIndicator
                                              : None;
    Bool on = False;
    if (indicator != None &&
        XkbGetNamedIndicator(conn_.display, indicator, nullptr, &on, nullptr, nullptr) && on)
        state |= 1;
    return static_cast<std::int16_t>(state);
}

void X11Desktop::keyEvent(std::uint8_t key, bool up) {
    if (key == vk::LButton || key == vk::RButton || key == vk::MButton)
        return mouseButton(key == vk::LButton   ? MouseButton::Left
                           : key == vk::RButton ? MouseButton::Right
                                                : MouseButton::Middle,
                           up);
    const std::uint8_t sided = SidedModifier(key);
    const unsigned keycode = keymap_.keycodeOfKey[sided];
    if (keycode == 0) return;
    lastKeyAt_ = Now();
    if (!up) {
        readInput(false);
        waitForPaste();
    }
    orderAfterMain();
    // The server drops a press of a key that is already down (held on the keyboard, as the
    // delimiter still is when the expansion retypes it), where Windows types it again; a
    // release first lets the press through.
    // Until the next batch's end is reported, the key may still be on its way.
    const std::uint64_t batch = batchesSent_ + 1;
    if (!up && keys_.down[sided]) {
        ApplyOwnKeyEvent(keys_, keymap_, keycode, false, batch);
        XTestFakeKeyEvent(conn_.input, keycode, False, CurrentTime);
    }
    // Ctrl+V with our text on the clipboard: the target fetches it asynchronously, after keys
    // sent meanwhile, where on Windows it reads it while handling the keys.
    if (!up && key == 'V' && keys_.down[vk::Control] && clip_.owned) {
        clip_.textServed = false;
        pasteDeadline_ = Now() + kPasteWait;
    }
    ApplyOwnKeyEvent(keys_, keymap_, keycode, !up, batch);
    XTestFakeKeyEvent(conn_.input, keycode, up ? False : True, CurrentTime);
    XFlush(conn_.input);
    lastSyntheticAt_ = Now();
    unsynced_ = true;
}

// One batch of XTest requests, flushed once: the server takes them in a row, so the user's keys
// come before or after. The gap goes with each event as XTest's delay, which the server waits
// out, not the program.
void X11Desktop::sendInput(std::span<const InputEvent> events) {
    if (events.empty()) return;
    readInput(false);
    waitForPaste();
    refreshSpares();
    const std::uint64_t batch = ++batchesSent_;
    sendSteps(PlanBatch(keymap_, keys_.keycodeDown, keys_.xkbMods, events, spares_, batch), batch);
    notePaste(events);
}

// Requests on the backend's own connection that the server may not have taken yet (the answer
// to a paste, an activation) go before synthetic input, which takes the other connection.
void X11Desktop::orderAfterMain() {
    Display* d = conn_.display;
    if (NextRequest(d) - 1 != LastKnownRequestProcessed(d)) XSync(d, False);
}

void X11Desktop::sendSteps(const std::vector<XTestStep>& steps, std::uint64_t batch) {
    orderAfterMain();
    Display* in = conn_.input;
    const double t = Now();
    unsigned delay = t - lastSyntheticAt_ < keyGapMs_ / 1000.0 ? keyGapMs_ : 0;
    unsigned delayed = 0;
    for (const XTestStep& s : steps) {
        switch (s.kind) {
        case XTestStep::Kind::Map: {
            KeySym keysyms[2] = {s.keysyms[0], s.keysyms[1]};
            XChangeKeyboardMapping(in, static_cast<int>(s.code), 2, keysyms, 1);
            continue;
        }
        case XTestStep::Kind::Key:
            ApplyOwnKeyEvent(keys_, keymap_, s.code, s.press, batch);
            XTestFakeKeyEvent(in, s.code, s.press ? True : False, delay);
            break;
        case XTestStep::Kind::Button:
            XTestFakeButtonEvent(in, s.code, s.press ? True : False, delay);
            break;
        }
        delayed += delay;
        delay = keyGapMs_;
    }
    // The server reports this property's change once it has taken every request before it.
    XChangeProperty(in, conn_.own, conn_.atoms.inputDone, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XFlush(in);
    if (delayed > 0) lastDelayedBatch_ = batch;
    lastSyntheticAt_ = t + delayed / 1000.0;
    lastKeyAt_ = t;
    unsynced_ = true;
}

// Ctrl+V with our text on the clipboard: the next key waits until the target has fetched it,
// as after keyEvent's.
void X11Desktop::notePaste(std::span<const InputEvent> events) {
    bool ctrl = keys_.down[vk::Control];
    for (const InputEvent& e : events) {
        if (e.kind != InputEvent::Kind::Key) continue;
        if (GenericModifier(SidedModifier(e.key)) == vk::Control) ctrl = !e.up;
        if (e.key == 'V' && !e.up && ctrl && clip_.owned) {
            clip_.textServed = false;
            pasteDeadline_ = Now() + kPasteWait;
        }
    }
}

void X11Desktop::batchArrived(double now) {
    ++batchesDone_;
    ForgetOwnKeyEvents(keys_, batchesDone_);
    for (SpareKey& s : spares_)
        if (s.batch == batchesDone_) s.doneAt = now;
}

// The spares are the keycodes without keysyms in the current map, and those mapped by a batch.
void X11Desktop::refreshSpares() {
    const std::vector<std::uint8_t>& free = keymap_.spareKeycodes;
    std::erase_if(spares_, [&](const SpareKey& s) {
        return s.keysyms[0] == NoSymbol &&
               std::find(free.begin(), free.end(), s.keycode) == free.end();
    });
    for (const std::uint8_t kc : free)
        if (std::none_of(spares_.begin(), spares_.end(),
                         [kc](const SpareKey& s) { return s.keycode == kc; }))
            spares_.push_back({kc, {NoSymbol, NoSymbol}, 0, -1});
}

void X11Desktop::restoreSpares(double now, bool all) {
    bool changed = false;
    for (SpareKey& s : spares_) {
        if (s.keysyms[0] == NoSymbol) continue;
        if (!all && (s.doneAt < 0 || now - s.doneAt < kSpareHold)) continue;
        // Only a mapping of ours goes back: a new layout may have given the keycode keys.
        int perKeycode = 0;
        KeySym* current = XGetKeyboardMapping(conn_.display, s.keycode, 1, &perKeycode);
        const bool ours = current && perKeycode > 0 && current[0] == s.keysyms[0];
        if (current) XFree(current);
        if (ours) {
            KeySym none = NoSymbol;
            XChangeKeyboardMapping(conn_.input, s.keycode, 1, &none, 1);
            changed = true;
        }
        s.keysyms = {NoSymbol, NoSymbol};
        s.doneAt = -1;
    }
    if (changed && all) XSync(conn_.input, False);
    if (changed && !all) XFlush(conn_.input);
}

// The first key pressed after a paste of our text waits until the target has fetched it.
void X11Desktop::waitForPaste() {
    if (pasteDeadline_ == 0) return;
    while (!clip_.textServed && clip_.owned && Now() < pasteDeadline_) pump(pasteDeadline_ - Now());
    pasteDeadline_ = 0;
}

std::int16_t X11Desktop::keyForChar(char c) {
    readInput(false);
    return ScanOfChar(keymap_, c);
}

void X11Desktop::mouseButton(MouseButton button, bool up) {
    orderAfterMain();
    XTestFakeButtonEvent(conn_.input, ButtonNumber(button), up ? False : True, CurrentTime);
    XFlush(conn_.input);
    lastSyntheticAt_ = Now();
    unsynced_ = true;
}

PixelPoint X11Desktop::cursorPos() {
    readInput(false);
    Window root = 0;
    Window child = 0;
    int x = 0;
    int y = 0;
    int wx = 0;
    int wy = 0;
    unsigned mask = 0;
    XQueryPointer(conn_.display, conn_.root, &root, &child, &x, &y, &wx, &wy, &mask);
    return {x, y};
}

void X11Desktop::setCursorPos(PixelPoint p) {
    orderAfterMain();
    XTestFakeMotionEvent(conn_.input, conn_.screen, std::clamp(p.x, 0, screenWidthPixels() - 1),
                         std::clamp(p.y, 0, screenHeightPixels() - 1), CurrentTime);
    XFlush(conn_.input);
    unsynced_ = true;
}

WindowId X11Desktop::foregroundWindow() {
    return ActiveWindow(conn_);
}

bool X11Desktop::setForegroundWindow(WindowId w) {
    return ActivateWindow(conn_, w);
}

WindowId X11Desktop::windowFromPoint(PixelPoint p) {
    return WindowAt(conn_, p);
}

std::optional<PixelRect> X11Desktop::windowRect(WindowId w) {
    return WindowRectangle(conn_, w);
}

std::optional<std::uint32_t> X11Desktop::windowPixel(WindowId w, PixelPoint p) {
    return WindowPixel(conn_, snapshot_, w, p, Now());
}

std::string X11Desktop::windowProgram(WindowId w) {
    return WindowClass(conn_, w);
}

bool X11Desktop::activateWindowByTitle(std::string_view title) {
    const WindowId w = FindWindowByTitle(conn_, title);
    return w != 0 && ActivateWindow(conn_, w);
}

bool X11Desktop::startProgram(std::string_view path) {
    struct stat st {};
    const std::string file(path);
    if (stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || access(file.c_str(), X_OK) != 0)
        return false;
    return StartDetached({file});
}

int X11Desktop::screenWidthPixels() {
    return DisplayWidth(conn_.display, conn_.screen);
}

int X11Desktop::screenHeightPixels() {
    return DisplayHeight(conn_.display, conn_.screen);
}

// Sleep(1) on Windows lasts until the system timer's next 1/64 s tick. Here a short sleep lasts
// its own time while the user types, and stretches to that tick once the keyboard has rested a
// second, ending early (though never before its own time) when an event arrives: every key
// press reaches the program as an event on its connection, so resting costs no latency, and
// the idle loop does not wake a thousand times a second.
void X11Desktop::sleepMs(unsigned ms) {
    const double t = Now();
    const double until = t + ms / 1000.0;
    const bool shortPause = ms < kRestingSleepMs;
    // A press read since the last pause is what the pass acts on next (the delimiter is read
    // before the pause, its expansion typed after it): waiting would only delay the expansion.
    // The loop already runs without its pause at full speed.
    if (std::exchange(pressReported_, false) && shortPause) return;
    const bool resting = shortPause && t - lastInput_ > kRestAfter &&
                         XEventsQueued(conn_.display, QueuedAlready) == 0 &&
                         XEventsQueued(fl_display, QueuedAlready) == 0;
    // While the user types, a pass's pause ends when the server sends a key, so the pass reads
    // it at once instead of after the pause: the delimiter's expansion starts that much sooner.
    if (shortPause && !resting) {
        if (XEventsQueued(conn_.display, QueuedAlready) == 0) {
            pollfd p{ConnectionNumber(conn_.display), POLLIN, 0};
            const auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::chrono::duration<double>(until - t));
            const timespec wait{0, static_cast<long>(left.count())};
            ppoll(&p, 1, &wait, nullptr);
        }
        readInput(true);
        return;
    }
    if (resting) {
        pollfd fds[2] = {{ConnectionNumber(conn_.display), POLLIN, 0},
                         {ConnectionNumber(fl_display), POLLIN, 0}};
        poll(fds, 2, kRestingSleepMs);
    }
    const double left = until - Now();
    if (left > 0) std::this_thread::sleep_for(std::chrono::duration<double>(left));
}

// Steps of 1/256 s. The waits after key tokens last until the clock's next step (a 1/64 s tick
// on Windows); X delivers synthetic keys in order, so a shorter step keeps the pacing without
// its cost, and short pauses (the 10 ms around a pasted character) last their time instead of
// anywhere up to a whole 1/64 s tick.
double X11Desktop::clockSeconds() {
    return std::floor((Now() - start_) * kClockSteps) / kClockSteps;
}

LocalTime X11Desktop::localTime() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
            tm.tm_min,         tm.tm_sec,     tm.tm_wday};
}

std::optional<std::string> X11Desktop::clipboardText() {
    readInput(true);
    const std::optional<std::string> utf8 = ReadClipboard(
        conn_, clip_, [this](double s) { pump(s); }, kClipboardWait);
    if (!utf8) return std::nullopt;
    return ProgramText(*utf8);
}

bool X11Desktop::clearClipboard() {
    waitForPaste();
    ReleaseClipboard(conn_, clip_, [this](double s) { pump(s); });
    return true;
}

bool X11Desktop::setClipboardText(std::string_view text) {
    waitForPaste();
    return OwnClipboard(conn_, clip_, EditText(text), [this](double s) { pump(s); });
}

void X11Desktop::attachForms(std::span<Form* const> forms) {
    AttachFormViews(views_, forms);
    mainForm_ = forms.empty() ? nullptr : forms.front();
}

void X11Desktop::setActionHandler(std::function<void(const UserAction&)> handler) {
    handler_ = std::move(handler);
    views_.runNow = [this](const UserAction& a) {
        if (handler_) handler_(a);
    };
}

void X11Desktop::showForm(Form& form, bool activate) {
    ShowFormView(views_, form, activate);
    if (activate) ActivateWindow(conn_, form.window);
    // The copy that holds the display's lock names its main window on the root window, where a
    // second start finds it; the name is only read while the lock is held.
    if (&form == mainForm_ && lockFd_ >= 0) {
        const auto window = static_cast<long>(form.window);
        XChangeProperty(conn_.display, RootWindow(conn_.display, 0), MainWindowAtom(conn_),
                        XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&window), 1);
        XFlush(conn_.display);
    }
}

void X11Desktop::hideForm(Form& form) {
    HideFormView(views_, form);
}

std::optional<std::size_t> X11Desktop::textIndexAt(const Form& form, std::string_view control,
                                                   int x, int y) {
    return TextIndexAt(views_, form, control, x, y);
}

void X11Desktop::runActions() {
    while (!views_.actions.empty()) {
        const UserAction action = std::move(views_.actions.front());
        views_.actions.pop_front();
        if (handler_) handler_(action);
        SyncFormViews(views_);
        lastSync_ = Now();
    }
}

int X11Desktop::doEvents(EventSite site) {
    readInput(false);
    const double t = Now();
    const bool typing = t - lastKeyAt_ < kTypingQuiet;
    const double toolkitEvery = typing ? kToolkitWhileTyping : kToolkitEvery;
    if (site == EventSite::LoopHead || t - lastToolkit_ >= toolkitEvery) {
        lastToolkit_ = t;
        Fl::check();
        runActions();
    }
    if (t - lastSync_ >= (typing ? kToolkitWhileTyping : kSyncEvery)) {
        lastSync_ = t;
        SyncFormViews(views_);
    }
    return static_cast<int>(std::count_if(views_.views.begin(), views_.views.end(),
                                          [](const auto& v) { return v->form->open; }));
}

MsgAnswer X11Desktop::messageBox(std::string_view text, std::string_view title, MsgButtons buttons,
                                 MsgIcon icon) {
    return ShowMessageBox(text, title, buttons, icon);
}

std::optional<std::string> X11Desktop::inputBox(std::string_view prompt, std::string_view title,
                                                std::string_view initial) {
    return AskForText(prompt, title, initial);
}

std::optional<std::string> X11Desktop::openFileDialog(std::string_view title,
                                                      std::string_view pattern) {
    return ChooseFile(title, pattern, false);
}

std::optional<std::string> X11Desktop::saveFileDialog(std::string_view title,
                                                      std::string_view pattern) {
    return ChooseFile(title, pattern, true);
}

void X11Desktop::beep() {
    XBell(conn_.display, 0);
    XFlush(conn_.display);
}

bool X11Desktop::showHelp(std::string_view path) {
    return FileExists(path) && StartDetached({"xdg-open", std::string(path)});
}

std::optional<std::string> X11Desktop::readFile(std::string_view path) {
    return ReadWholeFile(path);
}

FileStatus X11Desktop::writeFile(std::string_view path, std::string_view data) {
    return WriteFileAtomically(path, data);
}

FileStatus X11Desktop::copyFile(std::string_view from, std::string_view to) {
    return CopyFileAtomically(from, to);
}

bool X11Desktop::fileExists(std::string_view path) {
    return FileExists(path);
}

bool X11Desktop::otherInstanceRunning() {
    if (lockFd_ == -3) lockFd_ = LockForLife(InstanceLockPath(DisplayString(conn_.display)));
    return lockFd_ == -1;
}

bool X11Desktop::bringRunningInstanceForward() {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    WindowId main = 0;
    if (XGetWindowProperty(conn_.display, RootWindow(conn_.display, 0), MainWindowAtom(conn_), 0, 1,
                           False, XA_WINDOW, &type, &format, &count, &after, &data) == Success &&
        type == XA_WINDOW && format == 32 && count == 1)
        main = static_cast<WindowId>(*reinterpret_cast<unsigned long*>(data));
    if (data) XFree(data);
    if (!RestoreAndActivateWindow(conn_, main)) return false;
    // Without a taskbar button to flash, the user would not know why nothing new appeared.
    messageBox("Quibnote is already running on this display; its window is now in front.",
               "Quibnote", MsgButtons::Ok, MsgIcon::Information);
    return true;
}

FileStatus X11Desktop::setStartAtLogin(bool on) {
    return SetAutostartEntry(on);
}
