#pragma once

#include "platform/Platform.h"
#include "platform/win32/Win32State.h"

// The Windows desktop: the program's interface to the real keyboard, windows, clipboard, files
// and its own native windows. Each operation is a thin call into this folder's procedures.
class Win32Desktop final : public Platform {
  public:
    Win32Desktop();
    ~Win32Desktop() override;
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    std::int16_t getAsyncKeyState(std::uint8_t key) override;
    std::int16_t getKeyState(std::uint8_t key) override;
    void keyEvent(std::uint8_t key, bool up) override;
    std::int16_t keyForChar(char c) override;
    void sendInput(std::span<const InputEvent> events) override;
    void setSyntheticKeyGap(unsigned ms) override;
    char pressedChar(std::uint8_t key) override;
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
    int twipsPerPixelX() override;
    int twipsPerPixelY() override;
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
    std::string programFolder() override;
    std::optional<std::string> readFile(std::string_view path) override;
    FileStatus writeFile(std::string_view path, std::string_view data) override;
    FileStatus copyFile(std::string_view from, std::string_view to) override;
    bool fileExists(std::string_view path) override;
    bool otherInstanceRunning() override;
    bool bringRunningInstanceForward() override;
    FileStatus setStartAtLogin(bool on) override;

  private:
    Win32State state_;
};
