#pragma once

#include "engine/ProgramWindows.h"

struct App;

// The program's windows as the engine asks for them: each request goes to the window code that
// owns that window.
class AppWindows final : public ProgramWindows {
  public:
    explicit AppWindows(App& app) : app_(app) {}

    void setDisplayText(std::string_view text) override;
    std::string displayText() override;
    void setMainCaption(std::string_view caption) override;
    bool mainWindowMinimized() override;
    void showMainWindow(const TwipRect& rect) override;
    bool isOwnWindow(WindowId window) override;
    void showStartWindows() override;

    void setPanelCaption(std::string_view caption) override;
    std::string panelCaption() override;
    void setPanelWidth(int twips) override;
    void showPanel() override;
    void hidePanel() override;
    bool panelVisible() override;
    TwipRect panelRect() override;
    void movePanel(std::int32_t left, std::int32_t top) override;
    void positionFloatingPanel() override;
    void placeFloatingPanel(std::int32_t left, std::int32_t top) override;
    void cycleDisplayPanel() override;
    void toggleHighlightDisplay() override;
    void showStatisticsWhileTyping() override;

    void captureCopyOrCut() override;
    void calculateCapturedClip() override;
    void runMultiClipboard() override;
    void toggleQuibList() override;

    AddResult addShortForm(std::string_view shortForm, std::string_view expansion,
                           char state) override;

  private:
    App& app_;
};
