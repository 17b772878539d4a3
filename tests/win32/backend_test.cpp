// The Windows backend against the real Windows API (run under Wine in CI): text conversion at
// the clipboard, keys, files and paths, the clock and the second-instance check.

#include "platform/keys.h"
#include "platform/win32/Files.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Desktop.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

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

TEST(Win32Keys, ASyntheticKeyMovesTheStateThatThePollingReads) {
    Win32Desktop desktop;
    constexpr std::uint8_t key = 0x87; // F24: no application reacts to it
    desktop.getAsyncKeyState(key);
    desktop.keyEvent(key, false);
    desktop.doEvents(EventSite::Nested);
    EXPECT_NE(desktop.getAsyncKeyState(key) & 0x8000, 0);
    desktop.keyEvent(key, true);
    desktop.doEvents(EventSite::Nested);
    EXPECT_EQ(desktop.getAsyncKeyState(key) & 0x8000, 0);
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
