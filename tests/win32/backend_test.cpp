// The Windows backend against the real Windows API (run under Wine in CI): text conversion at
// the clipboard, keys and synthetic input, files and paths, the clock and the second-instance
// check.

#include "platform/keys.h"
#include "platform/win32/Files.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Desktop.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A fresh folder under the temporary folder, removed at the end of the test.
struct TempFolder {
    fs::path path;
    explicit TempFolder(const std::wstring& name) {
        path = fs::temp_directory_path() / name;
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    // The folder as program text, ending with the separator.
    std::string program() const { return ProgramPath(path.wstring() + L"\\"); }
};

std::wstring RawClipboard() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST(Win32Clipboard, TextGoesOutAsUnicodeAndComesBackAsTheSameBytes) {
    Win32Desktop desktop;
    const std::string text = "caf\xE9 \x80 5\xB0 \x93quoted\x94\r\nline two";
    ASSERT_TRUE(desktop.setClipboardText(text));
    EXPECT_EQ(RawClipboard(), L"caf\u00E9 \u20AC 5\u00B0 \u201Cquoted\u201D\r\nline two");
    EXPECT_EQ(desktop.clipboardText(), text);

    ASSERT_TRUE(desktop.clearClipboard());
    EXPECT_EQ(desktop.clipboardText(), std::nullopt);
}

TEST(Win32Clipboard, CharactersWithoutAWindows1252ByteComeBackAsQuestionMarks) {
    Win32Desktop desktop;
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const wchar_t text[] = L"\u0416x";
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    std::memcpy(GlobalLock(data), text, sizeof text);
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
    EXPECT_EQ(desktop.clipboardText(), "?x");
}

TEST(Win32Keys, CharactersFindTheirKeysAndShiftOnTheLayout) {
    Win32Desktop desktop;
    EXPECT_EQ(desktop.keyForChar('a'), 'A');
    EXPECT_EQ(desktop.keyForChar('A'), 0x100 | 'A');
    EXPECT_EQ(desktop.keyForChar('1'), '1');
    EXPECT_EQ(desktop.keyForChar('!'), 0x100 | '1');
    EXPECT_EQ(desktop.keyForChar(' '), vk::Space);
    // The test desktop has a US layout: no key gives an e-acute, so it goes by the clipboard.
    EXPECT_EQ(desktop.keyForChar('\xE9'), -1);
}

// A text box of this process in the foreground: it takes the keys, and the raw input of keys
// sent to it reaches the program as typing (Wine gives a program in the background no raw input
// of synthetic keys, only of the keyboard's).
struct ForegroundEditor {
    Win32Desktop& desktop;
    HWND window = nullptr;

    explicit ForegroundEditor(Win32Desktop& d) : desktop(d) {
        window =
            CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE, 40,
                            40, 400, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        desktop.setForegroundWindow(reinterpret_cast<WindowId>(window));
        SetFocus(window);
        settle();
    }
    ~ForegroundEditor() { DestroyWindow(window); }
    ForegroundEditor(const ForegroundEditor&) = delete;
    ForegroundEditor& operator=(const ForegroundEditor&) = delete;

    // Lets the keys sent so far arrive.
    void settle() {
        for (int i = 0; i < 20; ++i) {
            desktop.doEvents(EventSite::Nested);
            Sleep(5);
        }
    }
    std::wstring text() const {
        std::wstring t(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
        t.resize(
            static_cast<std::size_t>(GetWindowTextW(window, t.data(), static_cast<int>(t.size()))));
        return t;
    }
};

// Keys as another program or a keyboard sends them: without the program's mark.
void SendForeign(std::initializer_list<std::pair<std::uint8_t, bool>> keys) {
    std::vector<INPUT> inputs;
    for (auto [key, up] : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Passes of a main loop that reads the letters from A to Z, as the engine's letter scan does:
// the first letter each pass reads pressed, with the character the layout gave it.
std::string ReadLetterPasses(Win32Desktop& desktop) {
    std::string seen;
    for (int pass = 0; pass < 200; ++pass) {
        desktop.doEvents(EventSite::LoopHead);
        for (std::uint8_t key = 'A'; key <= 'Z'; ++key) {
            if ((desktop.getAsyncKeyState(key) & 1) == 0) continue;
            seen += static_cast<char>(key);
            seen += desktop.pressedChar(key);
            break;
        }
        Sleep(1);
    }
    return seen;
}

TEST(Win32Keys, KeysTypedBetweenTwoReadingsAreReadInTheOrderTheyWereTyped) {
    Win32Desktop desktop;
    ForegroundEditor editor(desktop);
    ASSERT_EQ(desktop.foregroundWindow(), reinterpret_cast<WindowId>(editor.window));
    // Z, then Shift+B, then A, all before the program reads again.
    SendForeign({{'Z', false},
                 {'Z', true},
                 {vk::LShift, false},
                 {'B', false},
                 {'B', true},
                 {vk::LShift, true},
                 {'A', false},
                 {'A', true}});
    EXPECT_EQ(ReadLetterPasses(desktop), "ZzBBAa");
    EXPECT_EQ(editor.text(), L"zBa");
}

TEST(Win32Keys, APressGivesTheCharacterOfTheLayoutWithTheModifiersHeldAtIt) {
    Win32Desktop desktop;
    ForegroundEditor editor(desktop);
    SendForeign({{vk::OemPeriod, false}, {vk::OemPeriod, true}});
    SendForeign({{vk::LShift, false}, {'1', false}, {'1', true}, {vk::LShift, true}});
    SendForeign({{vk::RShift, false}, {vk::Oem2, false}, {vk::Oem2, true}, {vk::RShift, true}});
    std::string seen;
    for (int pass = 0; pass < 2000 && seen.size() < 3; ++pass) {
        desktop.doEvents(EventSite::LoopHead);
        for (std::uint8_t key : {vk::OemPeriod, std::uint8_t('1'), vk::Oem2})
            if (desktop.getAsyncKeyState(key) & 1) seen += desktop.pressedChar(key);
        Sleep(1);
    }
    EXPECT_EQ(seen, ".!?");
    EXPECT_EQ(desktop.pressedChar(vk::OemComma), '\0');
}

TEST(Win32Keys, ASyntheticKeyMovesTheStateThatThePollingReadsAndIsNoTyping) {
    Win32Desktop desktop;
    ForegroundEditor editor(desktop);
    constexpr std::uint8_t key = 0x87; // F24: no application reacts to it
    desktop.getAsyncKeyState(key);
    desktop.keyEvent(key, false);
    EXPECT_EQ(desktop.getAsyncKeyState(key), static_cast<std::int16_t>(0x8001));
    desktop.keyEvent(key, true);
    EXPECT_EQ(desktop.getAsyncKeyState(key), 0);
    // Its raw input comes back marked as the program's own, and is not served as a press.
    for (int pass = 0; pass < 5; ++pass) {
        editor.settle();
        desktop.doEvents(EventSite::LoopHead);
        EXPECT_EQ(desktop.getAsyncKeyState(key), 0);
    }
}

TEST(Win32Input, ARunArrivesWholeAndCharactersWithoutAKeyAsThemselves) {
    Win32Desktop desktop;
    ForegroundEditor editor(desktop);
    std::vector<InputEvent> run;
    for (char c : std::string("CAF")) {
        run.push_back({InputEvent::Kind::Key, static_cast<std::uint8_t>(c), false, 0});
        run.push_back({InputEvent::Kind::Key, static_cast<std::uint8_t>(c), true, 0});
    }
    for (char c : std::string("\xE9 \x80\x93"))
        run.push_back({InputEvent::Kind::Char, 0, false, c});
    desktop.sendInput(run);
    editor.settle();
    EXPECT_EQ(editor.text(), L"caf\u00E9 \u20AC\u201C");
    // The program's keys are its own: they read released, and not as typing.
    for (std::uint8_t key : {std::uint8_t('C'), std::uint8_t('A'), std::uint8_t('F')})
        EXPECT_EQ(desktop.getAsyncKeyState(key) & 0x8000, 0);
    EXPECT_EQ(ReadLetterPasses(desktop), "");
}

TEST(Win32Input, WithAGapTheRunIsSentFromAThreadOfItsOwnAndStillInOrder) {
    Win32Desktop desktop;
    ForegroundEditor editor(desktop);
    desktop.setSyntheticKeyGap(2);
    std::vector<InputEvent> run;
    for (char c : std::string("GAP")) {
        run.push_back({InputEvent::Kind::Key, static_cast<std::uint8_t>(c), false, 0});
        run.push_back({InputEvent::Kind::Key, static_cast<std::uint8_t>(c), true, 0});
    }
    run.push_back({InputEvent::Kind::Char, 0, false, '\xE9'});
    desktop.sendInput(run);
    desktop.keyEvent(vk::Space, false);
    desktop.keyEvent(vk::Space, true);
    desktop.sendInput(run);
    for (int i = 0; i < 100 && editor.text().size() < 9; ++i) editor.settle();
    EXPECT_EQ(editor.text(), L"gap\u00E9 gap\u00E9");
}

TEST(Win32Windows, AWindowsProgramIsItsExecutablesNameInLowerCase) {
    Win32Desktop desktop;
    ForegroundEditor editor(desktop);
    EXPECT_EQ(desktop.windowProgram(reinterpret_cast<WindowId>(editor.window)), "test_win32");
    EXPECT_EQ(desktop.windowProgram(0), "");
}

// The toggle must be the current one, also for a program that reads no keyboard messages.
TEST(Win32Keys, CapsLockPressedBySyntheticKeysTogglesTheStateRead) {
    Win32Desktop desktop;
    const bool before = (desktop.getKeyState(vk::Capital) & 1) != 0;
    for (bool expected : {!before, before}) {
        desktop.keyEvent(vk::Capital, false);
        desktop.keyEvent(vk::Capital, true);
        desktop.doEvents(EventSite::Nested);
        EXPECT_EQ((desktop.getKeyState(vk::Capital) & 1) != 0, expected);
    }
}

TEST(Win32Files, AWriteReplacesTheWholeFileAndLeavesNoTemporaryBehind) {
    TempFolder folder(L"quibnote-win32-files");
    Win32Desktop desktop;
    const std::string path = folder.program() + "QNhForms.dta";
    const std::string first = "abt\tabt\xA1\xA1\xA1"
                              "about\xB7\r\n";
    ASSERT_TRUE(desktop.writeFile(path, first).ok);
    EXPECT_EQ(desktop.readFile(path), first);
    ASSERT_TRUE(desktop.writeFile(path, "short\r\n").ok);
    EXPECT_EQ(desktop.readFile(path), "short\r\n");
    EXPECT_FALSE(desktop.fileExists(path + ".new"));
    EXPECT_TRUE(desktop.fileExists(path));
    EXPECT_FALSE(desktop.fileExists(folder.program()));

    ASSERT_TRUE(desktop.copyFile(path, folder.program() + "QNCustom.dta").ok);
    EXPECT_EQ(desktop.readFile(folder.program() + "QNCustom.dta"), "short\r\n");
}

TEST(Win32Files, FailuresNameTheFileAndTouchNothing) {
    TempFolder folder(L"quibnote-win32-fail");
    Win32Desktop desktop;
    const std::string missing = folder.program() + "no such folder\\QNhForms.dta";
    const FileStatus written = desktop.writeFile(missing, "x");
    EXPECT_FALSE(written.ok);
    EXPECT_NE(written.error.find("Cannot create"), std::string::npos) << written.error;
    EXPECT_NE(written.error.find(missing), std::string::npos) << written.error;

    const FileStatus copied = desktop.copyFile(folder.program() + "absent.dta", missing);
    EXPECT_FALSE(copied.ok);
    EXPECT_NE(copied.error.find("absent.dta"), std::string::npos) << copied.error;
    EXPECT_EQ(desktop.readFile(folder.program() + "absent.dta"), std::nullopt);
}

// A folder name with characters that Windows-1252 lacks still gives a path the program can use.
TEST(Win32Files, AFolderOutsideTheCodePageIsReachedByItsShortName) {
    TempFolder folder(L"quibnote-\u0416\u0443\u0440\u043D\u0430\u043B");
    std::ofstream(folder.path / L"QNTips.txt", std::ios::binary) << "1\r\n";
    const std::string program = folder.program();
    EXPECT_EQ(program.find('?'), std::string::npos) << program;
    EXPECT_EQ(program.back(), '\\');
    Win32Desktop desktop;
    EXPECT_EQ(desktop.readFile(program + "QNTips.txt"), "1\r\n");
}

TEST(Win32Files, TheProgramFolderIsTheExecutablesFolder) {
    Win32Desktop desktop;
    const std::string folder = desktop.programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_TRUE(desktop.fileExists(folder + "test_win32.exe")) << folder;
}

TEST(Win32Clock, TheClockStepsInSixtyFourthsOfASecondAndNeverGoesBack) {
    Win32Desktop desktop;
    double last = desktop.clockSeconds();
    bool stepped = false;
    for (int i = 0; i < 100 && !stepped; ++i) {
        desktop.sleepMs(2);
        const double now = desktop.clockSeconds();
        EXPECT_GE(now, last);
        EXPECT_DOUBLE_EQ(now * 64, static_cast<double>(static_cast<long long>(now * 64)));
        if (now > last) {
            EXPECT_GE(now - last, 1.0 / 64);
            stepped = true;
        }
        last = now;
    }
    EXPECT_TRUE(stepped);
    const LocalTime t = desktop.localTime();
    EXPECT_GE(t.year, 2024);
    EXPECT_GE(t.weekday, 0);
    EXPECT_LE(t.weekday, 6);
}

TEST(Win32Instance, ASecondRunFindsTheFirstAndTheFirstFindsNone) {
    Win32Desktop first;
    EXPECT_FALSE(first.otherInstanceRunning());
    {
        Win32Desktop second;
        EXPECT_TRUE(second.otherInstanceRunning());
    }
    EXPECT_FALSE(first.otherInstanceRunning());
}

TEST(Win32Screen, TwipsFollowTheDisplayResolution) {
    Win32Desktop desktop;
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(desktop.twipsPerPixelX(), 1440 / dpi);
    EXPECT_EQ(desktop.screenWidthPixels(), GetSystemMetrics(SM_CXSCREEN));
}

} // namespace
