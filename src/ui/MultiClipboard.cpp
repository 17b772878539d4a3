#include "ui/MultiClipboard.h"

#include "clip/ClipCase.h"
#include "clip/ClipRing.h"
#include "keyout/KeyScript.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"
#include "ui/App.h"
#include "ui/ControlNames.h"
#include "ui/Display.h"
#include "ui/Geometry.h"
#include "ui/MainWindow.h"

#include <string>

namespace {

// The main window's caption and menu bars and borders, above and below its inner area, as its
// layout takes them.
constexpr int kMainFrameHeight = 690;
constexpr std::uint8_t kLastKeyReleasedOnCopy = 0x5A;
// Typed and at once erased ahead of a single clip.
constexpr std::string_view kTypedAndErased = "I\b";

// Held down now. A Shift pressed and let go before, the program's own typing of a capital
// included, leaves its pressed mark behind, and the expander-off loop never reads it away.
bool ShiftHeld(Platform& p) {
    bool held = false;
    for (const std::uint8_t key : {vk::Shift, vk::LShift, vk::RShift})
        held = (p.getAsyncKeyState(key) & 0x8000) != 0 || held;
    return held;
}

void RestoreMainWindow(App& app) {
    app.frmKeyvane.state = WindowState::Normal;
    LayoutMainWindow(app);
}

void FitMainWindowToList(App& app) {
    Form& f = app.frmKeyvane;
    if (f.state == WindowState::Minimized) f.state = WindowState::Normal;
    const ScreenTwips screen = ScreenSize(app);
    const ListWindowFit fit = FitWindowForList(app.clip.multi, f.rect, kMainFrameHeight,
                                               app.options.fontSize, screen.width, screen.height);
    if (fit.enlarged) app.clip.multi.enlargedForList = true;
    f.rect = fit.rect;
    LayoutMainWindow(app);
}

} // namespace

void CaptureClip(App& app) {
    Platform& p = app.platform;
    MultiClipboardState& m = app.clip.multi;
    if (!app.options.addClipsToRing) return;
    if (app.options.showClipsOnCopy) {
        // The list is about to come up: no key of the copy may still read as held down.
        for (std::uint8_t key = 1; key <= kLastKeyReleasedOnCopy; ++key) {
            p.keyEvent(key, true);
            PollKey(p, key);
        }
    }
    // The application needs a moment to put the text on the clipboard, longest the first time.
    Pause(p, m.captured ? 0.1f : 0.25f);
    m.captured = true;
    WaitForTick(p, app.out, 0.25f);
    const std::string clip = p.clipboardText().value_or("");
    if (!IsCapturable(clip)) return;
    StoreClip(m, clip);
    if (ShowsClipList(DisplayText(app))) RunMultiClipboard(app);
    if (!app.options.showClipsOnCopy) return;
    const bool minimized = MainWindowMinimized(app);
    if (minimized) RestoreMainWindow(app);
    if (!ShowsClipList(DisplayText(app))) RunMultiClipboard(app);
    if (minimized) {
        app.frmKeyvane.state = WindowState::Minimized;
        LayoutMainWindow(app);
    }
}

void RunMultiClipboard(App& app) {
    Platform& p = app.platform;
    MultiClipboardState& m = app.clip.multi;
    // Taken at once: a click while a clip is being typed asks for its own paste.
    const std::uint8_t selection = m.selection;
    m.selection = MultiClipboardState::kNone;
    if (StoredClipCount(m) == 0) {
        SetDisplayText(app,
                       ShowsEmptyClipboardMessage(DisplayText(app)) ? "" : kEmptyClipboardMessage);
        return;
    }
    FitMainWindowToList(app);
    SetDisplayText(app, ClipListText(m));
    // Clips are typed as they were copied: braces in them are characters, not key tokens.
    app.out.literalMode = true;
    if (selection >= 1 && selection <= StoredClipCount(m)) {
        Pause(p, 0.1f);
        std::string clip = ClipForPasting(m, selection);
        if (ShiftHeld(p)) {
            ReleaseShiftKeys(p);
            clip = ChangeClipCase(clip);
        } else {
            clip.insert(0, kTypedAndErased);
        }
        TypeKeyScript(p, app.out, clip);
    } else if (selection == MultiClipboardState::kPasteAll ||
               selection == MultiClipboardState::kPasteAllAsList) {
        Pause(p, 0.01f);
        TypeKeyScript(p, app.out,
                      JoinedClips(m, selection == MultiClipboardState::kPasteAllAsList));
    } else if (selection == MultiClipboardState::kClearList) {
        ClearClips(m);
        SetDisplayText(app, kEmptyClipboardMessage);
    }
    if (selection >= MultiClipboardState::kPasteAll && selection <= MultiClipboardState::kClearList)
        WaitForTick(p, app.out, 0.15f);
    app.out.literalMode = false;
}

void txtDisplay_MouseDown(App& app, int x, int y) {
    MultiClipboardState& m = app.clip.multi;
    const std::string text = DisplayText(app);
    if (!ShowsClipList(text)) return;
    // The line under the pointer as the window lays the list out: at a narrow width or a large
    // font the heading wraps over more rows than it has lines.
    const std::optional<std::size_t> index =
        app.platform.textIndexAt(app.frmKeyvane, kTxtDisplay, x, y);
    if (!index) return;
    m.selection = SelectionOnLine(m, LineOfIndex(text, *index));
    if (m.selection == MultiClipboardState::kNone) return;
    RefocusTarget(app.platform, app.engine.target);
    RunMultiClipboard(app);
}

void mnuMultiPaste(App& app) {
    if (ShowsClipList(DisplayText(app))) {
        SetDisplayText(app, "");
        app.clip.multi.enlargedForList = false;
        return;
    }
    RefocusTarget(app.platform, app.engine.target);
    RunMultiClipboard(app);
}
