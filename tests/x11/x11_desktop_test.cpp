// The X11 backend against a real X server: synthetic and outside key presses in the key state,
// typing and the clipboard route into another application's window, clipboard transfers with
// other clients, the windows of the desktop, and the program's forms as toolkit windows. The
// tests skip themselves without a display; tools/x11-e2e.sh runs them under Xvfb.

#include "EditorProcess.h"
#include "keyout/KeyScript.h"
#include "platform/keys.h"
#include "platform/x11/X11Desktop.h"
#include "store/KnownPrograms.h"
#include "x11_macros.h"

#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kTitle = "Quibnote Test Editor";

void Sleep(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Runs a shell command (xdotool, xclip); its standard output.
std::string Shell(const std::string& command) {
    std::string out;
    if (std::FILE* p = popen(command.c_str(), "r")) {
        char buf[4096];
        std::size_t n = 0;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        pclose(p);
    }
    return out;
}

// What another client reads from the clipboard, while the desktop answers its request.
std::string OtherClientsClipboard(X11Desktop& d) {
    std::string seen;
    bool done = false;
    std::thread reader([&] {
        seen = Shell("xclip -selection clipboard -o");
        done = true;
    });
    for (int i = 0; i < 1000 && !done; ++i) {
        d.doEvents(EventSite::Nested);
        Sleep(2);
    }
    reader.join();
    return seen;
}

// Another client (xclip) takes the clipboard with the file's text, and keeps it until another
// owner comes or the test ends it; returns once the desktop reads the expected program text.
pid_t OtherClientOwnsClipboard(X11Desktop& d, const std::string& file,
                               const std::string& expected) {
    const pid_t pid = static_cast<pid_t>(std::atol(
        Shell("xclip -selection clipboard -i -loops 0 " + file + " >/dev/null 2>&1 & echo $!")
            .c_str()));
    for (int i = 0; i < 100 && d.clipboardText() != expected; ++i) Sleep(50);
    return pid;
}

// The core keymap as another client reads it.
std::vector<unsigned long> CoreKeymap() {
    Display* d = XOpenDisplay(nullptr);
    int first = 0;
    int last = 0;
    XDisplayKeycodes(d, &first, &last);
    int perKeycode = 0;
    KeySym* syms =
        XGetKeyboardMapping(d, static_cast<KeyCode>(first), last - first + 1, &perKeycode);
    std::vector<unsigned long> map(syms, syms + (last - first + 1) * perKeycode);
    XFree(syms);
    XCloseDisplay(d);
    return map;
}

std::vector<InputEvent> Chars(std::string_view text) {
    std::vector<InputEvent> events;
    for (char c : text) events.push_back({InputEvent::Kind::Char, 0, false, c});
    return events;
}

std::vector<InputEvent> Taps(std::initializer_list<std::uint8_t> keys) {
    std::vector<InputEvent> events;
    for (std::uint8_t k : keys) {
        events.push_back({InputEvent::Kind::Key, k, false, 0});
        events.push_back({InputEvent::Kind::Key, k, true, 0});
    }
    return events;
}

std::string WriteTemp(const std::string& folder, const std::string& name, const std::string& text) {
    const std::string path = folder + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    return path;
}

class X11DesktopTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!std::getenv("DISPLAY")) return;
        std::string pattern = (fs::temp_directory_path() / "quibnote-x11-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        desktop_ = std::make_unique<X11Desktop>(folder_);
        if (!desktop_->ok()) return;
        editor_ = StartEditor(kTitle, folder_);
        editorWindow_ = WaitForWindow(*desktop_, kTitle);
    }
    static void TearDownTestSuite() {
        StopEditor(editor_);
        desktop_.reset();
        if (!folder_.empty()) fs::remove_all(folder_);
    }
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display";
        ASSERT_TRUE(desktop_->ok()) << desktop_->error();
        ASSERT_NE(editorWindow_, 0u) << "the test editor's window did not appear";
        ASSERT_TRUE(desktop_->setForegroundWindow(editorWindow_));
        Sleep(30);
        // Start every test on an empty editor.
        desktop_->keyEvent(vk::Control, false);
        desktop_->keyEvent('A', false);
        desktop_->keyEvent('A', true);
        desktop_->keyEvent(vk::Control, true);
        desktop_->keyEvent(vk::Delete, false);
        desktop_->keyEvent(vk::Delete, true);
        ASSERT_EQ(WaitForText(*desktop_, editor_, ""), "");
        for (int k = 1; k < 256; ++k) desktop_->getAsyncKeyState(static_cast<std::uint8_t>(k));
    }

    static X11Desktop& desktop() { return *desktop_; }

    static inline std::string folder_;
    static inline std::unique_ptr<X11Desktop> desktop_;
    static inline EditorProcess editor_;
    static inline WindowId editorWindow_ = 0;
};

TEST_F(X11DesktopTest, SyntheticKeysAreInTheKeyStateAtOnceAndOnlyOnce) {
    X11Desktop& d = desktop();
    d.keyEvent(vk::Shift, false);
    EXPECT_EQ(d.getAsyncKeyState(vk::Shift), static_cast<std::int16_t>(0x8001));
    EXPECT_EQ(d.getAsyncKeyState(vk::LShift), static_cast<std::int16_t>(0x8001));
    EXPECT_EQ(d.getAsyncKeyState(vk::Shift), static_cast<std::int16_t>(0x8000));
    d.keyEvent('Q', false);
    d.keyEvent('Q', true);
    d.keyEvent(vk::Shift, true);
    EXPECT_EQ(d.getAsyncKeyState('Q'), 1);
    EXPECT_EQ(d.getAsyncKeyState('Q'), 0);
    EXPECT_EQ(d.getAsyncKeyState(vk::Shift), 0);
    // Nothing of the program's own typing turns up later as new typing.
    Sleep(60);
    d.doEvents(EventSite::Nested);
    EXPECT_EQ(d.getAsyncKeyState('Q'), 0);
    EXPECT_EQ(d.getAsyncKeyState(vk::Shift), 0);
    EXPECT_EQ(WaitForText(d, editor_, "Q"), "Q");
}

TEST_F(X11DesktopTest, KeysFromAnotherClientReadPressedUntilRead) {
    X11Desktop& d = desktop();
    Shell("xdotool key --delay 20 k F9");
    Sleep(50);
    EXPECT_EQ(d.getAsyncKeyState('K'), 1);
    EXPECT_EQ(d.getAsyncKeyState(vk::F9), 1);
    EXPECT_EQ(d.getAsyncKeyState('K'), 0);
    Shell("xdotool keydown j");
    Sleep(30);
    EXPECT_EQ(d.getAsyncKeyState('J'), static_cast<std::int16_t>(0x8001));
    Shell("xdotool keyup j");
    Sleep(30);
    EXPECT_EQ(d.getAsyncKeyState('J'), 0);
    EXPECT_EQ(WaitForText(d, editor_, "kj"), "kj");
}

TEST_F(X11DesktopTest, CapsLockToggleComesFromTheIndicator) {
    X11Desktop& d = desktop();
    EXPECT_EQ(d.getKeyState(vk::Capital) & 1, 0);
    d.keyEvent(vk::Capital, false);
    d.keyEvent(vk::Capital, true);
    EXPECT_EQ(d.getKeyState(vk::Capital) & 1, 1);
    // X turns the lock off when the key comes up again.
    d.keyEvent(vk::Capital, false);
    EXPECT_EQ(d.getKeyState(vk::Capital), static_cast<std::int16_t>(0xFF81));
    d.keyEvent(vk::Capital, true);
    EXPECT_EQ(d.getKeyState(vk::Capital) & 1, 0);
}

TEST_F(X11DesktopTest, CharactersMapToKeysOfTheUsLayout) {
    X11Desktop& d = desktop();
    const struct {
        char c;
        std::int16_t scan;
    } cases[] = {{'a', 'A'},       {'A', 0x141},       {'1', '1'},      {'!', 0x131},
                 {' ', vk::Space}, {'\r', vk::Return}, {'\t', vk::Tab}, {'\b', vk::Back},
                 {'~', 0x1C0},     {'"', 0x1DE},       {'\xE9', -1},    {'\x80', -1},
                 {'\n', -1}};
    for (const auto& c : cases)
        EXPECT_EQ(d.keyForChar(c.c), c.scan)
            << "character 0x" << std::hex << (static_cast<int>(c.c) & 0xFF);
}

TEST_F(X11DesktopTest, KeyScriptsReachTheFocusedWindow) {
    X11Desktop& d = desktop();
    KeyOutState k;
    TypeKeyScript(d, k, "Hello, World! {B1}?\rnext line\ta~b");
    EXPECT_EQ(WaitForText(d, editor_, "Hello, World!?\nnext line\ta~b"),
              "Hello, World!?\nnext line\ta~b");
    TypeKeyScript(d, k, "{H1}[{E1}]");
    EXPECT_EQ(WaitForText(d, editor_, "Hello, World!?\n[next line\ta~b]"),
              "Hello, World!?\n[next line\ta~b]");
}

TEST_F(X11DesktopTest, CharactersWithoutAKeyArePastedAndTheClipboardIsGivenBack) {
    X11Desktop& d = desktop();
    // Another client owns the clipboard, as the user's last copy would.
    const pid_t owner = OtherClientOwnsClipboard(
        d, WriteTemp(folder_, "kept.txt", "kept \xE2\x82\xAC"), "kept \x80");
    KeyOutState k;
    TypeKeyScript(d, k, "caf\xE9 \xA1ol\xE9! 5\x80");
    EXPECT_EQ(WaitForText(d, editor_, "caf\xC3\xA9 \xC2\xA1ol\xC3\xA9! 5\xE2\x82\xAC"),
              "caf\xC3\xA9 \xC2\xA1ol\xC3\xA9! 5\xE2\x82\xAC");
    EXPECT_EQ(d.clipboardText(), "kept \x80");
    EXPECT_EQ(OtherClientsClipboard(d), "kept \xE2\x82\xAC");
    kill(owner, SIGTERM);
}

TEST_F(X11DesktopTest, ABatchArrivesWholeAndInOrder) {
    X11Desktop& d = desktop();
    d.sendInput(Chars("Abt"));
    std::vector<InputEvent> events = Taps({vk::Back, vk::Back, vk::Back});
    for (const InputEvent& e : Chars("About the \"1st\" ~ day.")) events.push_back(e);
    const std::vector<InputEvent> keys = Taps({vk::Left, 'X', vk::End, vk::Space});
    events.insert(events.end(), keys.begin(), keys.end());
    d.sendInput(events);
    EXPECT_EQ(WaitForText(d, editor_, "About the \"1st\" ~ dayx. "), "About the \"1st\" ~ dayx. ");
    // The program reads its own keys back as it always has, once the batch has arrived.
    EXPECT_EQ(d.getAsyncKeyState('X'), 1);
}

TEST_F(X11DesktopTest, CharactersWithoutAKeyArriveAsThemselvesAndTheKeymapIsRestored) {
    X11Desktop& d = desktop();
    const std::vector<unsigned long> before = CoreKeymap();
    ASSERT_TRUE(d.setClipboardText("kept"));
    d.sendInput(Chars("caf\xE9 \x80\xC9 5\xB0"));
    d.sendInput(Chars("\xE9t\xE9"));
    const std::string typed = "caf\xC3\xA9 \xE2\x82\xAC\xC3\x89 5\xC2\xB0\xC3\xA9t\xC3\xA9";
    EXPECT_EQ(WaitForText(d, editor_, typed), typed);
    std::vector<unsigned long> after = CoreKeymap();
    for (int i = 0; i < 200 && after != before; ++i) {
        d.doEvents(EventSite::Nested);
        Sleep(10);
        after = CoreKeymap();
    }
    EXPECT_TRUE(after == before) << "the keymap is left changed";
    EXPECT_EQ(d.clipboardText(), "kept");
}

TEST_F(X11DesktopTest, PressedCharIsWhatTheLayoutTypedOnAFrenchKeyboard) {
    X11Desktop& d = desktop();
    Shell("setxkbmap fr");
    for (int i = 0; i < 200 && d.keyForChar('&') != '1'; ++i) Sleep(10);
    ASSERT_EQ(d.keyForChar('&'), '1');
    const std::int16_t period = d.keyForChar('.');
    ASSERT_EQ(period & 0xFF00, 0x100); // Shift and the key right of the comma
    const auto key = static_cast<std::uint8_t>(period & 0xFF);
    d.keyEvent(vk::Shift, false);
    d.keyEvent(key, false);
    d.keyEvent(key, true);
    d.keyEvent(vk::Shift, true);
    EXPECT_EQ(d.getAsyncKeyState(key), 1);
    EXPECT_EQ(d.pressedChar(key), '.');
    d.keyEvent(key, false);
    d.keyEvent(key, true);
    EXPECT_EQ(d.pressedChar(key), '.'); // until a reading reports the next press
    EXPECT_EQ(d.getAsyncKeyState(key), 1);
    EXPECT_EQ(d.pressedChar(key), ';');
    // A batch types characters on this layout too, AltGr's among them.
    d.sendInput(Chars("@a1"));
    EXPECT_EQ(WaitForText(d, editor_, ".;@a1"), ".;@a1");
    Shell("setxkbmap us");
    for (int i = 0; i < 200 && d.keyForChar('&') != 0x137; ++i) Sleep(10);
}

TEST_F(X11DesktopTest, ClipboardTextCrossesToOtherClientsBothWays) {
    X11Desktop& d = desktop();
    ASSERT_TRUE(d.setClipboardText("one\r\ntwo \xE9"));
    EXPECT_EQ(OtherClientsClipboard(d), "one\ntwo \xC3\xA9");

    pid_t owner = OtherClientOwnsClipboard(d, WriteTemp(folder_, "lines.txt", "x\ny \xC3\xA9"),
                                           "x\r\ny \xE9");
    EXPECT_EQ(d.clipboardText(), "x\r\ny \xE9");
    kill(owner, SIGTERM);

    // A large text comes in pieces (INCR) from xclip.
    const std::string big(400'000, 'z');
    owner = OtherClientOwnsClipboard(d, WriteTemp(folder_, "big.txt", big), big);
    const std::optional<std::string> got = d.clipboardText();
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(got->size(), big.size());
    EXPECT_EQ(*got, big);
    kill(owner, SIGTERM);

    ASSERT_TRUE(d.clearClipboard());
    EXPECT_EQ(d.clipboardText(), std::nullopt);
}

TEST_F(X11DesktopTest, WindowsAreFoundByFocusPointAndTitle) {
    X11Desktop& d = desktop();
    EXPECT_EQ(d.foregroundWindow(), editorWindow_);
    EXPECT_EQ(d.windowProgram(editorWindow_), "quibnote-test-editor");
    const std::optional<PixelRect> r = d.windowRect(editorWindow_);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->right - r->left, 640);
    EXPECT_EQ(r->bottom - r->top, 300);
    EXPECT_EQ(d.windowFromPoint({(r->left + r->right) / 2, (r->top + r->bottom) / 2}),
              editorWindow_);
    EXPECT_EQ(d.windowPixel(editorWindow_, {600, 250}), 0xFFFFFFu);
    EXPECT_EQ(d.windowPixel(editorWindow_, {640, 10}), std::nullopt);
    EXPECT_TRUE(d.activateWindowByTitle("Quibnote Test"));
    EXPECT_FALSE(d.activateWindowByTitle("No Such Window"));
    EXPECT_FALSE(d.setForegroundWindow(0));
    EXPECT_FALSE(d.startProgram("/no/such/program"));
}

// The program decides whether a window is a terminal by the name the desktop gives its program;
// xterm in front must be known as one, or Enter after a short form would run the line and then
// type the expansion as a command of its own.
TEST_F(X11DesktopTest, AnXtermInFrontIsATerminal) {
    X11Desktop& d = desktop();
    const pid_t xterm = fork();
    if (xterm == 0) {
        std::freopen("/dev/null", "w", stderr); // its complaints about missing fonts
        execlp("xterm", "xterm", "-title", "Quibnote Test xterm", "-e", "cat",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    // The window in front, as the program takes its target.
    const WindowId w = WaitForWindow(d, "Quibnote Test xterm");
    const std::string program = w != 0 ? d.windowProgram(w) : "";
    kill(xterm, SIGTERM);
    waitpid(xterm, nullptr, 0);
    ASSERT_NE(w, 0u) << "xterm's window did not appear";
    EXPECT_EQ(program, "xterm");
    EXPECT_TRUE(IsTerminalProgram(Preferences{}, program));
}

TEST_F(X11DesktopTest, OneInstancePerDisplay) {
    X11Desktop& d = desktop();
    EXPECT_FALSE(d.otherInstanceRunning());
    X11Desktop second(folder_);
    ASSERT_TRUE(second.ok());
    EXPECT_TRUE(second.otherInstanceRunning());
}

TEST_F(X11DesktopTest, FormsBecomeWindowsAndClicksBecomeActions) {
    X11Desktop& d = desktop();
    Form form;
    form.name = "frmTest";
    form.caption = "Quibnote Form Test";
    form.rect = {1500, 1500, 4500, 3000};
    form.menus = {
        {"mnuFile", "&File", false, true, true, {{"mnuGo", "&Go", true, true, true, {}}}}};
    Control button;
    button.name = "cmdGo";
    button.kind = ControlKind::Button;
    button.caption = "&Go";
    button.rect = {150, 150, 1200, 450};
    form.controls.push_back(button);
    Control check = button;
    check.name = "chkOn";
    check.kind = ControlKind::CheckBox;
    check.caption = "On";
    check.rect = {150, 900, 1500, 300};
    form.controls.push_back(check);
    Form* forms[] = {&form};
    d.attachForms(forms);
    std::vector<UserAction> seen;
    d.setActionHandler([&](const UserAction& a) { seen.push_back(a); });
    d.showForm(form, true);
    EXPECT_NE(form.window, 0u);
    EXPECT_TRUE(form.open);
    for (int i = 0; i < 50; ++i) {
        d.doEvents(EventSite::LoopHead);
        Sleep(2);
    }
    EXPECT_EQ(d.windowProgram(form.window), "quibnote");
    const std::optional<PixelRect> r = d.windowRect(form.window);
    ASSERT_TRUE(r.has_value());
    // The button sits under the menu bar, 10 pixels in.
    const auto click = [&](int x, int y) {
        d.setCursorPos({r->left + x, r->top + y});
        d.mouseButton(MouseButton::Left, false);
        d.mouseButton(MouseButton::Left, true);
        for (int i = 0; i < 50; ++i) {
            d.doEvents(EventSite::LoopHead);
            Sleep(2);
        }
    };
    click(20, 20 + 20);
    click(15, 20 + 70);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].kind, UserAction::Kind::Click);
    EXPECT_EQ(seen[0].control, "cmdGo");
    EXPECT_EQ(seen[1].control, "chkOn");
    EXPECT_TRUE(form.controls[1].checked);
    // A caption the program changes reaches the window.
    form.caption = "Renamed";
    for (int i = 0; i < 20; ++i) {
        d.doEvents(EventSite::LoopHead);
        Sleep(2);
    }
    EXPECT_TRUE(d.activateWindowByTitle("Renamed"));
    d.hideForm(form);
    EXPECT_FALSE(form.visible);
    d.setActionHandler({});
    d.attachForms({});
}

} // namespace
