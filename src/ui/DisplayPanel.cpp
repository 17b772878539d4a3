#include "ui/DisplayPanel.h"

#include "keyout/Primitives.h"
#include "platform/keys.h"
#include "ui/App.h"
#include "ui/ControlNames.h"
#include "ui/Display.h"
#include "ui/Handlers.h"

#include <algorithm>

namespace {

constexpr int kLabelLeft = 90; // the label's offset inside the panel

void ShowPanel(App& app) {
    app.frmKVDisp.topmost = true;
    app.platform.showForm(app.frmKVDisp, false);
}

void MoveToAnchor(App& app) {
    app.frmKVDisp.rect.left = app.options.panelLeft;
    app.frmKVDisp.rect.top = app.options.panelTop;
}

// The anchored place is kept in 16-bit settings fields; a place beyond them would not load back.
int SettingsTwips(int twips) {
    return std::clamp(twips, -32768, 32767);
}

void UsePanelMenu(App& app) {
    Options& o = app.options;
    o.usePanel = !o.usePanel;
    if (!o.usePanel)
        HidePanel(app);
    else if (o.panelAnchored)
        ShowAnchored(app);
    else
        ShowFloating(app);
    app.db.settingsChanged = true;
}

void HighlightMenu(App& app) {
    app.options.highlightDisplay = !app.options.highlightDisplay;
    app.db.settingsChanged = true;
}

void AnchorMenu(App& app) {
    if (app.options.panelAnchored) {
        ShowFloating(app);
    } else {
        app.options.panelAnchored = true;
        MoveToAnchor(app);
    }
    app.db.settingsChanged = true;
}

void VisibilityMenu(App& app) {
    Options& o = app.options;
    if (!o.panelAlwaysVisible) {
        o.panelAlwaysVisible = true;
        ShowPanel(app);
    } else {
        o.panelAlwaysVisible = false;
    }
    app.db.settingsChanged = true;
}

} // namespace

void ShowAnchored(App& app) {
    app.options.panelAnchored = true;
    MoveToAnchor(app);
    ShowPanel(app);
}

void PositionFloatingPanel(App& app) {
    app.frmKVDisp.rect.left = app.view.panel.floatingLeft;
    app.frmKVDisp.rect.top = app.view.panel.floatingTop;
}

void PlaceFloatingPanel(App& app, std::int32_t left, std::int32_t top) {
    app.view.panel.floatingLeft = left;
    app.view.panel.floatingTop = top;
    PositionFloatingPanel(app);
}

void ShowFloating(App& app) {
    app.options.panelAnchored = false;
    // The caret is looked for at the next word's end, so the panel soon follows the typing.
    app.engine.expansion.floatingPanelCycle = 1;
    PositionFloatingPanel(app);
    ShowPanel(app);
}

void SetFloatingDefault(App& app) {
    Platform& p = app.platform;
    const int tx = p.twipsPerPixelX();
    const int ty = p.twipsPerPixelY();
    const TwipRect panel = app.frmKVDisp.rect;
    PanelState& s = app.view.panel;
    const WindowId middle =
        p.windowFromPoint({p.screenWidthPixels() / 2, p.screenHeightPixels() / 2});
    const std::optional<PixelRect> r = middle ? p.windowRect(middle) : std::nullopt;
    if (r && r->top > 10) {
        s.floatingTop = r->top * ty - panel.height;
        s.floatingLeft = (r->left + r->right) / 2 * tx - panel.width / 2;
    } else {
        s.floatingTop = 414;
        s.floatingLeft = (p.screenWidthPixels() * tx - panel.width) / 3;
    }
}

void PlacePanelAtStart(App& app) {
    const Options& o = app.options;
    if (o.usePanel && !o.panelAnchored)
        PositionFloatingPanel(app);
    else
        MoveToAnchor(app);
}

void ShowOrHidePanelWithMainWindow(App& app) {
    const Options& o = app.options;
    app.frmKVDisp.topmost = true;
    // A panel the user has switched off stays off, whatever else holds.
    if (o.usePanel && o.panelAlwaysVisible && o.expanderOn)
        ShowPanel(app);
    else
        HidePanel(app);
}

void CycleDisplayPanel(App& app) {
    Options& o = app.options;
    HidePanel(app);
    if (o.panelAnchored && o.usePanel) {
        ShowFloating(app);
        SetDisplayText(app,
                       "Display panel now 'floating free'\r\n\r\nPress F11 again to turn it off");
    } else if (o.usePanel) {
        o.usePanel = false;
        SetDisplayText(app, "Display panel now 'Off'\r\n\r\nPress F11 again to show it 'anchored'");
    } else {
        o.usePanel = true;
        ShowAnchored(app);
        SetDisplayText(app, "Display panel now 'anchored'\r\n\r\nPress F11 again to 'float' it");
    }
}

void ToggleHighlightDisplay(App& app) {
    Options& o = app.options;
    o.highlightDisplay = !o.highlightDisplay;
    SetDisplayText(app,
                   o.highlightDisplay
                       ? "Highlight Display now on\r\n\r\nPress Ctrl + F11 again to turn it off"
                       : "Highlight Display now off\r\n\r\nPress Ctrl + F11 again to turn it "
                         "back on");
}

void DragPanel(App& app, int x, int y) {
    Platform& p = app.platform;
    Form& panel = app.frmKVDisp;
    if (!panel.visible) return;
    const int top = panel.rect.top;
    const int left = panel.rect.left;
    PollKey(p, vk::Escape); // an Esc pressed before the drag does not end it
    bool buttonDown = true;
    for (;;) {
        const PixelPoint pointer = p.cursorPos();
        panel.rect.left = pointer.x * p.twipsPerPixelX() - x - kLabelLeft;
        panel.rect.top = pointer.y * p.twipsPerPixelY() - y;
        const bool esc = PollKey(p, vk::Escape) != 0;
        buttonDown = (PollKey(p, vk::LButton) & 0x8000) != 0;
        if (esc || !buttonDown) break;
    }
    if (buttonDown) {
        panel.rect.top = top;
        panel.rect.left = left;
        return;
    }
    Options& o = app.options;
    o.panelAnchored = true;
    o.panelTop = SettingsTwips(panel.rect.top);
    o.panelLeft = SettingsTwips(panel.rect.left);
    MoveToAnchor(app);
    app.db.settingsChanged = true;
    app.db.databaseChanged = true;
    SetDisplayText(app, "Display panel now 'anchored'\r\n\r\nPress F11 to 'free' it");
}

void AddDisplayPanelHandlers(Handlers& h) {
    h.menus.emplace(kMnuDispPanel, UsePanelMenu);
    h.menus.emplace(kMnuHighlightDisp, HighlightMenu);
    h.menus.emplace(kMnuAnchor, AnchorMenu);
    h.menus.emplace(kMnuVisibility, VisibilityMenu);
    h.events.emplace(EventKey(kFrmKVDisp, kLblKVDisp, UserAction::Kind::MouseDown),
                     [](App& app, const UserAction& a) {
                         if (a.button == MouseButton::Left) DragPanel(app, a.x, a.y);
                     });
}
