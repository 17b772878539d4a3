#pragma once

#include "platform/Form.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The one boundary between the program and a desktop. Everything above it is portable; each
// backend (simulated, Win32, X11) implements it. Key codes are Windows virtual-key codes; texts
// are Windows-1252 bytes, converted only inside a backend.

struct PixelPoint {
    int x = 0;
    int y = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct LocalTime {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 0; // 0 is Sunday
};

enum class MouseButton { Left, Right, Middle };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Question, Exclamation };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// Where the program lets pending interface events run: the main loop's head, or anywhere else
// (inside a key reading or a wait, nested in whatever the program is doing).
enum class EventSite { Nested, LoopHead };

// Something the user did to one of the program's windows, for the program's handlers.
struct UserAction {
    enum class Kind { Menu, Click, Change, Scroll, MouseDown, MouseMove, MouseUp, Close };
    Kind kind = Kind::Click;
    std::string form;
    std::string control; // control or menu item name
    int index = -1;      // control array index
    int x = 0;           // twips inside the control (mouse), or screen twips for a form drag
    int y = 0;
    MouseButton button = MouseButton::Left;
};

struct FileStatus {
    bool ok = true;
    std::string error; // the platform's description when !ok
};

// One synthetic input event: a key going down or up, or a character typed as itself whatever
// the layout (the desktop's Unicode input), for a character that no key of the layout gives.
struct InputEvent {
    enum class Kind { Key, Char };
    Kind kind = Kind::Key;
    std::uint8_t key = 0; // Kind::Key: the virtual-key code
    bool up = false;      // Kind::Key
    char ch = 0;          // Kind::Char: the character, Windows-1252
};

class Platform {
  public:
    virtual ~Platform() = default;

    // Keyboard state. An asynchronous reading has 0x8000 set while the key is down and 0x0001
    // when it was pressed since the previous asynchronous reading of that key, which clears it.
    virtual std::int16_t getAsyncKeyState(std::uint8_t key) = 0;
    // The synchronous state: 0x8000 bits while down, low bit the toggle (Caps Lock on).
    virtual std::int16_t getKeyState(std::uint8_t key) = 0;

    // Synthetic input, delivered to whatever has the keyboard focus.
    virtual void keyEvent(std::uint8_t key, bool up) = 0;
    // The key for a character in the current layout: low byte the key, high byte the shift
    // state (1 Shift, 2 Ctrl, 4 Alt); -1 when no key produces the character.
    virtual std::int16_t keyForChar(char c) = 0;
    // Sends the events as one uninterrupted run: keys the user presses meanwhile land before or
    // after it, never among its events. Returns at once; it never sleeps on the caller's thread.
    virtual void sendInput(std::span<const InputEvent> events) = 0;
    // The pause the desktop leaves between two synthetic events of a run (some applications
    // drop keys that arrive back to back).
    virtual void setSyntheticKeyGap(unsigned ms) = 0;
    // The character that the user's keyboard layout gave the latest press of this key that an
    // asynchronous reading has reported, with the modifiers held at that press; 0 when none.
    virtual char pressedChar(std::uint8_t key) = 0;
    virtual void mouseButton(MouseButton button, bool up) = 0;
    virtual PixelPoint cursorPos() = 0;
    virtual void setCursorPos(PixelPoint p) = 0;

    // Windows of the desktop.
    virtual WindowId foregroundWindow() = 0;
    virtual bool setForegroundWindow(WindowId w) = 0;
    virtual WindowId windowFromPoint(PixelPoint p) = 0;
    virtual std::optional<PixelRect> windowRect(WindowId w) = 0;
    // One pixel of a window, at a point relative to its top-left corner, as 0xBBGGRR.
    virtual std::optional<std::uint32_t> windowPixel(WindowId w, PixelPoint p) = 0;
    virtual bool activateWindowByTitle(std::string_view title) = 0;

    // The program that owns a window, lower case: the executable's name without ".exe" on
    // Windows, the WM_CLASS class on X11, "document" and "terminal" on the simulated desktop;
    // "" when unknown.
    virtual std::string windowProgram(WindowId w) = 0;
    virtual bool startProgram(std::string_view path) = 0;

    // Screen metrics.
    virtual int screenWidthPixels() = 0;
    virtual int screenHeightPixels() = 0;
    virtual int twipsPerPixelX() = 0;
    virtual int twipsPerPixelY() = 0;

    // Time. The clock is monotonic and advances in the platform's steps (a 1/64 s tick on
    // Windows); waits measure with it. localTime is the wall clock, for dates.
    virtual void sleepMs(unsigned ms) = 0;
    virtual double clockSeconds() = 0;
    virtual LocalTime localTime() = 0;

    // The clipboard's text.
    virtual std::optional<std::string> clipboardText() = 0;
    virtual bool clearClipboard() = 0;
    virtual bool setClipboardText(std::string_view text) = 0;

    // The program's own windows. The forms stay owned by the program; a backend renders them
    // and reports what the user does through the action handler.
    virtual void attachForms(std::span<Form* const> forms) = 0;
    virtual void setActionHandler(std::function<void(const UserAction&)> handler) = 0;
    virtual void showForm(Form& form, bool activate) = 0;
    virtual void hideForm(Form& form) = 0;
    // Lets pending interface events run; returns how many of the program's windows are open.
    virtual int doEvents(EventSite site = EventSite::Nested) = 0;

    // Dialogs.
    virtual MsgAnswer messageBox(std::string_view text, std::string_view title, MsgButtons buttons,
                                 MsgIcon icon) = 0;
    virtual std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                                std::string_view initial) = 0;
    virtual std::optional<std::string> openFileDialog(std::string_view title,
                                                      std::string_view pattern) = 0;
    virtual std::optional<std::string> saveFileDialog(std::string_view title,
                                                      std::string_view pattern) = 0;
    virtual void beep() = 0;
    virtual bool showHelp(std::string_view path) = 0;

    // Files. The program folder ends with the platform's separator. writeFile and copyFile
    // write a new file beside the target and replace the target atomically.
    virtual std::string programFolder() = 0;
    virtual std::optional<std::string> readFile(std::string_view path) = 0;
    virtual FileStatus writeFile(std::string_view path, std::string_view data) = 0;
    virtual FileStatus copyFile(std::string_view from, std::string_view to) = 0;
    virtual bool fileExists(std::string_view path) = 0;

    // True when another instance of the program is already running.
    virtual bool otherInstanceRunning() = 0;
};
