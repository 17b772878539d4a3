#pragma once

#include "platform/Platform.h"
#include "platform/sim/KeyboardLayout.h"
#include "platform/sim/SimEditor.h"
#include "platform/sim/SimPixels.h"
#include "platform/sim/SimTerminal.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The simulated desktop: a deterministic, headless desktop on a virtual clock. A scripted user
// presses keys at given virtual times and acts on the program's form models by name; another
// application, "Document", has the focus at start and takes every key event; a "Terminal"
// stands beside it.
class SimDesktop final : public Platform {
  public:
    static constexpr WindowId kDocument = 1;
    static constexpr WindowId kTerminal = 2;
    // What one synthetic key event costs the program, as a keybd_event or an XTest request with
    // its round trip does: the user's keys that fall due meanwhile reach the focused window
    // between the program's keys.
    static constexpr std::int64_t kSyntheticKeyMicros = 300;
    // Monday 2026-01-05 09:00:00, so dates in a run are repeatable.
    static constexpr LocalTime kEpoch{2026, 1, 5, 9, 0, 0, 1};

    explicit SimDesktop(std::string folder);

    // --- The scripted user and the test's view of the desktop ---
    std::int64_t nowMicros() const { return now_; }
    // A physical key event at a virtual time (not before now).
    void schedulePhysicalKey(std::int64_t atMicros, std::uint8_t key, bool up);
    // A user action on a form, delivered when the program next lets events run after atMicros.
    void scheduleAction(std::int64_t atMicros, UserAction action);
    bool hasScheduled() const { return !scheduled_.empty(); }
    // Runs whenever the program lets events run at its loop head with nothing scheduled.
    void setIdleHook(std::function<void()> hook) { idleHook_ = std::move(hook); }
    // From now on the program is told that none of its windows is open, so it ends.
    void stopProgram() { stopped_ = true; }
    bool inHandler() const { return handlerDepth_ > 0; }

    void queueAnswer(std::string answer) { answers_.push_back(std::move(answer)); }
    std::vector<std::string> takeMessages();
    const std::vector<std::string>& programsStarted() const { return programsStarted_; }
    const std::vector<std::string>& windowsActivated() const { return windowsActivated_; }
    // Items chosen from a window's system menu (Alt+Space, then a letter), as "Title: R".
    const std::vector<std::string>& systemMenuChoices() const { return systemMenuChoices_; }
    void setOtherInstanceRunning(bool on) { otherInstance_ = on; }
    // How often a second copy brought the running one's main window forward.
    int instanceBroughtForward() const { return broughtForward_; }
    // Each change of the start at login the program asked for, in order.
    const std::vector<bool>& startAtLoginRequests() const { return startAtLoginRequests_; }
    // Makes every following write and copy fail as a full disk, a read-only folder or a failed
    // rename would: the target is left as it was and the failure is reported. With a file name,
    // only writes to a file of that name fail (the second copy of a database switch, say).
    enum class FileFault { None, DiskFull, ReadOnlyFolder, RenameFails };
    void setFileFault(FileFault fault, std::string onlyFile = {}) {
        fileFault_ = fault;
        faultyFile_ = std::move(onlyFile);
    }
    // Every file the program wrote or tried to write, by its full path, in order.
    const std::vector<std::string>& filesWritten() const { return filesWritten_; }
    // A program that startProgram can start: it opens an editor window with this title.
    void installProgram(std::string path, std::string windowTitle);

    SimEditor& document() { return windows_.front().editor; }
    SimTerminal& terminal() { return *windows_[1].terminal; }
    // The keyboard layout the user types with and the windows read keys through.
    void setLayout(const KeyboardLayout& layout) { layout_ = &layout; }
    const KeyboardLayout& layout() const { return *layout_; }
    // How a simulated application window draws itself for the program's pixel reading.
    void setLook(WindowId w, SimLook look);
    std::optional<std::string>& clipboard() { return clipboard_; }
    // Whether the key is down as the windows have it, with every synthetic event that arrived.
    bool isDown(std::uint8_t key) const { return windowsDown_[key]; }
    bool capsLockOn() const { return capsToggle_; }
    int sleepCount() const { return sleeps_; }
    Form* findForm(std::string_view name);
    // The user clicks into a window (the Document, the Terminal, or a form by name) and, when
    // given, into one of its controls. False when there is no such visible window or control to
    // take the focus.
    bool clickInto(std::string_view window, std::string_view control = {}, int index = -1);
    // The window and control with the keyboard focus: "Document", "Terminal", "frmEdit" or
    // "frmEdit.txtShFm".
    std::string focusName();
    // The editor of a simulated application window with that title, if there is one.
    SimEditor* editorOf(std::string_view title);

    // --- Platform ---
    std::int16_t getAsyncKeyState(std::uint8_t key) override;
    std::int16_t getKeyState(std::uint8_t key) override;
    void keyEvent(std::uint8_t key, bool up) override;
    std::int16_t keyForChar(char c) override;
    void sendInput(std::span<const InputEvent> events) override;
    void setSyntheticKeyGap(unsigned ms) override { keyGapMicros_ = std::int64_t{ms} * 1000; }
    char pressedChar(std::uint8_t key) override { return reportedChar_[key]; }
    void mouseButton(MouseButton button, bool up) override;
    PixelPoint cursorPos() override;
    void setCursorPos(PixelPoint p) override;
    WindowId foregroundWindow() override;
    bool setForegroundWindow(WindowId w) override;
    WindowId windowFromPoint(PixelPoint p) override;
    std::optional<PixelRect> windowRect(WindowId w) override;
    std::optional<std::uint32_t> windowPixel(WindowId w, PixelPoint p) override;
    bool activateWindowByTitle(std::string_view title) override;
    std::string windowProgram(WindowId w) override;
    bool startProgram(std::string_view path) override;
    int screenWidthPixels() override { return 1280; }
    int screenHeightPixels() override { return 800; }
    int twipsPerPixelX() override { return 15; }
    int twipsPerPixelY() override { return 15; }
    void sleepMs(unsigned ms) override;
    double clockSeconds() override;
    LocalTime localTime() override;
    std::optional<std::string> clipboardText() override;
    bool clearClipboard() override;
    bool setClipboardText(std::string_view text) override;
    void attachForms(std::span<Form* const> forms) override;
    void setActionHandler(std::function<void(const UserAction&)> handler) override;
    void showForm(Form& form, bool activate) override;
    void hideForm(Form& form) override;
    std::optional<std::size_t> textIndexAt(const Form& form, std::string_view control, int x,
                                           int y) override;
    int doEvents(EventSite site) override;
    MsgAnswer messageBox(std::string_view text, std::string_view title, MsgButtons buttons,
                         MsgIcon icon) override;
    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view initial) override;
    std::optional<std::string> openFileDialog(std::string_view title,
                                              std::string_view pattern) override;
    std::optional<std::string> saveFileDialog(std::string_view title,
                                              std::string_view pattern) override;
    void beep() override;
    std::string helpFileName() override { return "QNHelp.chm"; }
    bool showHelp(std::string_view path) override;
    std::string programFolder() override { return folder_; }
    std::optional<std::string> readFile(std::string_view path) override;
    FileStatus writeFile(std::string_view path, std::string_view data) override;
    FileStatus copyFile(std::string_view from, std::string_view to) override;
    bool fileExists(std::string_view path) override;
    bool otherInstanceRunning() override { return otherInstance_; }
    bool bringRunningInstanceForward() override;
    FileStatus setStartAtLogin(bool on) override;

  private:
    struct Scheduled {
        std::int64_t at;
        std::uint64_t seq; // keeps events of one instant in the order they were scheduled
        bool physicalKey;
        std::uint8_t key;
        bool up;
        UserAction action;
    };
    struct AppWindow {
        WindowId id;
        std::string title;
        std::string program; // as windowProgram names it
        PixelRect rect;
        SimEditor editor;
        SimLook look;
        SimPicture picture;
        std::optional<SimTerminal> terminal; // a terminal window; then `editor` is unused
    };
    // A synthetic event on its way: keyEvent's and sendInput's events reach the desktop in the
    // order sent, at their virtual times. A run of sendInput spans from its call to its last
    // event; the user's keys that fall due within it wait until after it.
    struct Synthetic {
        std::int64_t at;
        InputEvent event;
        bool endsRun;
    };
    struct Run {
        std::int64_t from;
        std::int64_t to;
    };

    void advance(std::int64_t micros);
    std::int64_t afterRuns(std::int64_t at) const;
    void queueSynthetic(std::int64_t at, const InputEvent& event, bool endsRun);
    void deliverSynthetic();
    // Where a key event comes from: the user's keyboard, its auto-repeat, or the program.
    enum class Source { User, Repeat, Program };
    void applyKey(std::uint8_t key, bool up, Source source);
    void applyOneKey(std::uint8_t key, bool up, Source source);
    void noteOwnKey(std::uint8_t key, bool up);
    static void setKey(std::array<bool, 256>& down, std::uint8_t key, bool up);
    void readKey(std::uint8_t key, bool up, char typed);
    Modifiers modifiers(const std::array<bool, 256>& down) const;
    char charOfPress(std::uint8_t key, const Modifiers& m) const;
    void deliverKeyDown(std::uint8_t key);
    void deliverChar(char c);
    // Keys for the program's own windows wait, as window messages do, until it lets events run.
    struct FormKey {
        WindowId window;
        std::uint8_t key; // 0 for a character typed as itself
        Modifiers modifiers;
        char ch = 0;
    };
    void handleFormKey(const FormKey& k);
    Control* focusedControl(Form& form);
    void moveFocus(Form& form, bool backwards);
    void dispatch(const UserAction& action);
    std::optional<std::string> takeAnswer();
    AppWindow* appWindow(WindowId w);
    Form* formOf(WindowId w);

    std::string folder_;
    std::int64_t now_ = 0;
    std::uint64_t seq_ = 0;
    std::vector<Scheduled> scheduled_; // sorted by (at, seq)
    std::deque<Synthetic> synthetic_;  // in time order
    std::deque<Run> runs_;             // the runs not yet delivered whole
    std::int64_t keyGapMicros_ = 0;
    const KeyboardLayout* layout_ = &UsLayout();
    // Two key states, as on Windows: the one the program reads, which its own events move when
    // they are sent, and the one the windows type with, which every event moves when it arrives.
    // They differ while synthetic events are on their way.
    std::array<bool, 256> down_{};
    std::array<bool, 256> pressed_{};
    std::array<bool, 256> windowsDown_{};
    std::array<char, 256> charOfPress_{};  // what the latest press of each key typed
    std::array<char, 256> reportedChar_{}; // the same, as of the last reading that reported it
    bool capsToggle_ = false;
    std::uint8_t repeatKey_ = 0; // the physically held key that auto-repeats
    std::int64_t nextRepeat_ = 0;
    std::array<bool, 256> physicallyDown_{};
    PixelPoint cursor_{640, 400};
    WindowId foreground_ = kDocument;
    std::vector<AppWindow> windows_;
    std::map<std::string, std::string> installed_;
    std::vector<Form*> forms_;
    std::deque<FormKey> formKeys_;
    std::map<WindowId, std::pair<std::string, int>> formFocus_; // control name and index
    std::map<std::string, SimEditor> textBoxes_;                // caret and selection by box
    WindowId nextWindowId_ = 100;
    std::function<void(const UserAction&)> handler_;
    std::function<void()> idleHook_;
    int handlerDepth_ = 0;
    bool inIdleHook_ = false;
    bool stopped_ = false;
    bool otherInstance_ = false;
    int broughtForward_ = 0;
    std::vector<bool> startAtLoginRequests_;
    FileFault fileFault_ = FileFault::None;
    std::string faultyFile_;
    std::vector<std::string> filesWritten_;
    bool faultApplies(std::string_view path) const;
    FileStatus faultyWrite(std::string_view path, std::string_view data);
    std::optional<std::string> clipboard_;
    std::deque<std::string> answers_;
    std::vector<std::string> messages_;
    std::vector<std::string> programsStarted_;
    std::vector<std::string> windowsActivated_;
    std::vector<std::string> systemMenuChoices_;
    bool systemMenuOpen_ = false;
    int sleeps_ = 0;
};
