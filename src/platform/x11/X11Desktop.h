#pragma once

#include "platform/Platform.h"
#include "platform/x11/Clipboard.h"
#include "platform/x11/Connection.h"
#include "platform/x11/DesktopWindows.h"
#include "platform/x11/FormView.h"
#include "platform/x11/InputBatch.h"
#include "platform/x11/Keyboard.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The Linux desktop under X11: key state from XInput2 raw events, synthetic input through
// XTest, the layout from XKB, the CLIPBOARD selection, windows through EWMH, and the program's
// own windows through FLTK.
class X11Desktop final : public Platform {
  public:
    // The pause between two synthetic events of a run unless set otherwise. None: only a run
    // without pauses reaches the server whole, so a fast typist's next key cannot land inside
    // an expansion; the applications that need a pause are named in docs/linux.md.
    static constexpr unsigned kDefaultSyntheticKeyGapMs = 0;

    // The program folder, ending with '/'. Check ok() before use.
    explicit X11Desktop(std::string folder);
    ~X11Desktop() override;
    X11Desktop(const X11Desktop&) = delete;
    X11Desktop& operator=(const X11Desktop&) = delete;

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

    std::int16_t getAsyncKeyState(std::uint8_t key) override;
    std::int16_t getKeyState(std::uint8_t key) override;
    void keyEvent(std::uint8_t key, bool up) override;
    std::int16_t keyForChar(char c) override;
    void sendInput(std::span<const InputEvent> events) override;
    void setSyntheticKeyGap(unsigned ms) override { keyGapMs_ = ms; }
    char pressedChar(std::uint8_t key) override { return keys_.reportedChar[key]; }
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
    int screenWidthPixels() override;
    int screenHeightPixels() override;
    int twipsPerPixelX() override { return views_.twipsPerPixel; }
    int twipsPerPixelY() override { return views_.twipsPerPixel; }
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
    std::string helpFileName() override { return "QNHelp.html"; }
    bool showHelp(std::string_view path) override;
    std::string programFolder() override { return folder_; }
    std::optional<std::string> readFile(std::string_view path) override;
    FileStatus writeFile(std::string_view path, std::string_view data) override;
    FileStatus copyFile(std::string_view from, std::string_view to) override;
    bool fileExists(std::string_view path) override;
    bool otherInstanceRunning() override;
    bool bringRunningInstanceForward() override;
    FileStatus setStartAtLogin(bool on) override;

    // Brings the key state up to date with every event the server has sent so far, answering
    // clipboard requests on the way. Also run by the toolkit's loop while a dialog is open.
    void readInput(bool now);

  private:
    void dispatch(XEvent& event);
    bool ownKeyEvent(int device, unsigned keycode, bool press);
    void pump(double seconds);
    void runActions();
    void waitForPaste();
    void notePaste(std::span<const InputEvent> events);
    void orderAfterMain();
    void sendSteps(const std::vector<XTestStep>& steps, std::uint64_t batch);
    void batchArrived(double now);
    void refreshSpares();
    // Maps spare keycodes back to nothing once their batches have arrived and a moment has
    // passed (all of them at once with `all`, waiting until the server has done it).
    void restoreSpares(double now, bool all);

    std::string folder_;
    std::string error_;
    Connection conn_;
    KeyboardMap keymap_;
    KeyState keys_;
    ClipboardState clip_;
    PixelSnapshot snapshot_;
    FormViews views_;
    std::function<void(const UserAction&)> handler_;
    bool unsynced_ = false; // synthetic input sent since the server last answered
    unsigned keyGapMs_ = kDefaultSyntheticKeyGapMs;
    std::vector<SpareKey> spares_;
    std::uint64_t batchesSent_ = 0;
    std::uint64_t batchesDone_ = 0;      // the batches whose end the server has reported
    std::uint64_t lastDelayedBatch_ = 0; // the latest batch sent with gaps between its events
    double lastSyntheticAt_ = -1;        // when the server takes the latest synthetic event
    double start_ = 0;
    double lastRead_ = -1;
    double lastToolkit_ = -1;
    double lastKeyAt_ = -1; // the last key pressed, by the user or by the program
    double lastSync_ = -1;
    double lastInput_ = 0;       // the last event from the server
    bool pressReported_ = false; // a reading reported a press since the last pause
    double pasteDeadline_ = 0;   // a paste of our text is under way until it is fetched or then
    int lockFd_ = -3;
    const Form* mainForm_ = nullptr; // the first form attached
};
