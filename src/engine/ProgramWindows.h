#pragma once

#include "platform/Form.h"
#include "store/AddRecord.h"

#include <cstdint>
#include <string>
#include <string_view>

// What the engine asks of the program's own windows. The window code implements it and the run
// holds it in Core, so the engine shows, opens and asks without depending on that code.
class ProgramWindows {
  public:
    virtual ~ProgramWindows() = default;

    // The main window: its caption and display box (a text longer than the box takes is cut,
    // with a note that says how to see the rest), shown at start where the settings put it.
    virtual void setDisplayText(std::string_view text) = 0;
    virtual std::string displayText() = 0;
    virtual void setMainCaption(std::string_view caption) = 0;
    virtual bool mainWindowMinimized() = 0;
    virtual void showMainWindow(const TwipRect& rect) = 0;
    // One of the program's own top-level windows: never taken as the window to type into.
    virtual bool isOwnWindow(WindowId window) = 0;
    // Start-up once the main window shows: the settings applied to the windows, the
    // introduction, start minimized, the floating panel's default place, the tip of the day.
    virtual void showStartWindows() = 0;

    // The display panel: its label's caption and width (the panel is 60 twips wider, for its
    // border), shown without taking the focus, at the anchored place or where it floats.
    virtual void setPanelCaption(std::string_view caption) = 0;
    virtual std::string panelCaption() = 0;
    virtual void setPanelWidth(int twips) = 0;
    virtual void showPanel() = 0;
    virtual void hidePanel() = 0;
    virtual bool panelVisible() = 0;
    virtual TwipRect panelRect() = 0;
    virtual void movePanel(std::int32_t left, std::int32_t top) = 0;
    // Moves the panel to where the floating panel belongs now.
    virtual void positionFloatingPanel() = 0;
    // The floating panel's new place, found by the caret search; the panel moves there.
    virtual void placeFloatingPanel(std::int32_t left, std::int32_t top) = 0;
    // F11: anchored, then floating free, then off, then anchored again; Ctrl+F11: the
    // highlighted suggestion on or off. The display box says which.
    virtual void cycleDisplayPanel() = 0;
    virtual void toggleHighlightDisplay() = 0;
    // "So far" and the session's statistics in the display box, when the user wants them while
    // typing and look-ahead is on.
    virtual void showStatisticsWhileTyping() = 0;

    // The clip tools the hotkeys start. Ctrl+C or Ctrl+X was typed in another application and
    // every key of it is up again: the copied text goes into the multi-clipboard. Alt+C
    // calculates the clip the last capture took, once. Alt+P lists the multi-clipboard; F6 shows
    // or hides the Quib List.
    virtual void captureCopyOrCut() = 0;
    virtual void calculateCapturedClip() = 0;
    virtual void runMultiClipboard() = 0;
    virtual void toggleQuibList() = 0;

    // The add operation as the user meets it: a refusal is shown (or beeped, with messages off);
    // a change shows the changed records in the display box; the keys pressed meanwhile are
    // discarded, so what was typed into the program's windows is not taken for typing. The
    // expansion is the user's text; state the record's new state mark, or '\0'.
    virtual AddResult addShortForm(std::string_view shortForm, std::string_view expansion,
                                   char state) = 0;
};
