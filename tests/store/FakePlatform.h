#pragma once

#include "platform/Platform.h"

#include <map>
#include <string>

// A desktop with nothing on it but files: they live in a map keyed by full path, and a write
// can be made to fail. Everything else answers with neutral values.
struct FakePlatform : Platform {
    std::string folder = "/prog/";
    std::map<std::string, std::string, std::less<>> files;
    bool failWrites = false;
    int writes = 0;

    std::string programFolder() override { return folder; }
    std::optional<std::string> readFile(std::string_view path) override {
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    FileStatus writeFile(std::string_view path, std::string_view data) override {
        ++writes;
        if (failWrites) return {false, "disk full"};
        files[std::string(path)] = data;
        return {};
    }
    FileStatus copyFile(std::string_view from, std::string_view to) override {
        const auto data = readFile(from);
        if (!data) return {false, "not found"};
        return writeFile(to, *data);
    }
    bool fileExists(std::string_view path) override { return files.contains(path); }

    std::int16_t getAsyncKeyState(std::uint8_t) override { return 0; }
    std::int16_t getKeyState(std::uint8_t) override { return 0; }
    void keyEvent(std::uint8_t, bool) override {}
    std::int16_t keyForChar(char) override { return -1; }
    void sendInput(std::span<const InputEvent> events) override {
        for (const InputEvent& e : events)
            if (e.kind == InputEvent::Kind::Key) keyEvent(e.key, e.up);
    }
    void setSyntheticKeyGap(unsigned) override {}
    char pressedChar(std::uint8_t) override { return 0; }
    void mouseButton(MouseButton, bool) override {}
    PixelPoint cursorPos() override { return {}; }
    void setCursorPos(PixelPoint) override {}
    WindowId foregroundWindow() override { return 0; }
    bool setForegroundWindow(WindowId) override { return false; }
    WindowId windowFromPoint(PixelPoint) override { return 0; }
    std::optional<PixelRect> windowRect(WindowId) override { return std::nullopt; }
    std::optional<std::uint32_t> windowPixel(WindowId, PixelPoint) override { return std::nullopt; }
    bool activateWindowByTitle(std::string_view) override { return false; }
    std::string windowProgram(WindowId) override { return ""; }
    bool startProgram(std::string_view) override { return false; }
    int screenWidthPixels() override { return 1920; }
    int screenHeightPixels() override { return 1080; }
    int twipsPerPixelX() override { return 15; }
    int twipsPerPixelY() override { return 15; }
    void sleepMs(unsigned) override {}
    double clockSeconds() override { return 0; }
    LocalTime localTime() override { return {}; }
    std::optional<std::string> clipboardText() override { return std::nullopt; }
    bool clearClipboard() override { return false; }
    bool setClipboardText(std::string_view) override { return false; }
    void attachForms(std::span<Form* const>) override {}
    void setActionHandler(std::function<void(const UserAction&)>) override {}
    void showForm(Form&, bool) override {}
    void hideForm(Form&) override {}
    int doEvents(EventSite) override { return 0; }
    MsgAnswer messageBox(std::string_view, std::string_view, MsgButtons, MsgIcon) override {
        return MsgAnswer::Ok;
    }
    std::optional<std::string> inputBox(std::string_view, std::string_view,
                                        std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> openFileDialog(std::string_view, std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFileDialog(std::string_view, std::string_view) override {
        return std::nullopt;
    }
    void beep() override {}
    bool showHelp(std::string_view) override { return false; }
    bool otherInstanceRunning() override { return false; }
};
