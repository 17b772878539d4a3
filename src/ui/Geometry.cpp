#include "ui/Geometry.h"

#include "ui/App.h"
#include "ui/ControlNames.h"
#include "ui/Handlers.h"
#include "ui/MainWindow.h"

#include <algorithm>

namespace {

constexpr int kBottomMargin = 500;

void ChoosePreset(App& app, SizePreset preset) {
    SetPresetGeometry(app.options, preset, ScreenSize(app), app.frmKeyvane.rect.width);
    ApplyGeometry(app);
    app.db.settingsChanged = true;
}

} // namespace

void FitToScreen(Options& o, ScreenTwips screen, int windowWidth, int windowHeight) {
    if (screen.width - windowWidth < o.mainLeft) o.mainLeft = screen.width - windowWidth;
    if (o.mainTop > screen.height - SmallWindowHeight) o.mainTop = screen.height - windowHeight;
    if (o.mainTop < 0) o.mainTop = 0;
}

void SetPresetGeometry(Options& o, SizePreset preset, ScreenTwips screen, int windowWidth) {
    switch (preset) {
    case SizePreset::MiddleRight:
        o.smallWindow = false;
        o.mainWidth = 4060;
        o.mainHeight = 7950;
        o.mainTop = 2150;
        o.mainLeft = screen.width - o.mainWidth;
        break;
    case SizePreset::TopRightSquare:
        o.smallWindow = false;
        o.mainTop = 0;
        o.mainLeft = screen.width - o.mainWidth;
        o.mainHeight = o.mainWidth;
        break;
    case SizePreset::BottomRightSquare:
        o.smallWindow = false;
        o.mainTop = screen.height - o.mainWidth - kBottomMargin;
        o.mainLeft = screen.width - o.mainWidth;
        o.mainHeight = o.mainWidth;
        break;
    case SizePreset::TopRightSmall:
        o.smallWindow = true;
        o.mainTop = 0;
        o.mainLeft = screen.width - windowWidth;
        break;
    case SizePreset::BottomRightSmall:
        o.smallWindow = true;
        o.mainTop = screen.height - SmallWindowHeight - kBottomMargin;
        o.mainLeft = screen.width - windowWidth;
        break;
    case SizePreset::Default:
        o.mainTop = 2150;
        o.mainLeft = 13300;
        o.mainHeight = 7950;
        o.mainWidth = 4060;
        break;
    case SizePreset::Startup:
        o.mainTop = o.startupTop;
        o.mainLeft = o.startupLeft;
        o.mainHeight = o.startupHeight;
        o.mainWidth = o.startupWidth;
        break;
    }
}

TwipRect WindowRectFor(Options& o, ScreenTwips screen) {
    TwipRect r;
    r.height = o.smallWindow ? SmallWindowHeight : o.mainHeight;
    r.width = o.mainWidth;
    FitToScreen(o, screen, r.width, r.height);
    r.top = o.mainTop;
    r.left = o.mainLeft;
    return r;
}

ScreenTwips ScreenSize(App& app) {
    Platform& p = app.platform;
    return {p.screenWidthPixels() * p.twipsPerPixelX(),
            p.screenHeightPixels() * p.twipsPerPixelY()};
}

void ApplyGeometry(App& app) {
    app.frmKeyvane.rect = WindowRectFor(app.options, ScreenSize(app));
    LayoutMainWindow(app);
}

void CheckSizeAndPos(App& app) {
    Form& f = app.frmKeyvane;
    Options& o = app.options;
    f.state = WindowState::Normal;
    const TwipRect r = f.rect;
    if (r.top == o.mainTop && r.left == o.mainLeft && r.height == o.mainHeight &&
        r.width == o.mainWidth)
        return;
    o.mainTop = r.top;
    o.mainLeft = r.left;
    o.mainHeight = r.height;
    o.mainWidth = r.width;
    // A small window's height is never saved, so being small alone is no change to save.
    if (!o.smallWindow) app.db.settingsChanged = true;
}

void SetSmallWindow(App& app, bool on) {
    Form& f = app.frmKeyvane;
    app.options.smallWindow = on;
    f.rect.height = on ? SmallWindowHeight : app.options.mainHeight;
    // Whichever height it takes, the whole window stays on the screen.
    const int screenHeight = ScreenSize(app).height;
    if (f.rect.top + f.rect.height > screenHeight)
        f.rect.top = std::max(0, screenHeight - f.rect.height);
    LayoutMainWindow(app);
    app.db.settingsChanged = true;
}

void AddGeometryHandlers(Handlers& h) {
    const std::pair<std::string_view, SizePreset> presets[] = {
        {kMnuMRNormal, SizePreset::MiddleRight},       {kMnuTRSquare, SizePreset::TopRightSquare},
        {kMnuBRSquare, SizePreset::BottomRightSquare}, {kMnuTRSmall, SizePreset::TopRightSmall},
        {kMnuBRSmall, SizePreset::BottomRightSmall},   {kMnuReturnDefPos, SizePreset::Default},
        {kMnuReturnStartup, SizePreset::Startup},
    };
    for (const auto& [menu, preset] : presets)
        h.menus.emplace(menu, [preset](App& app) { ChoosePreset(app, preset); });
    h.menus.emplace(kMnuSmallWindow,
                    [](App& app) { SetSmallWindow(app, !app.options.smallWindow); });
}
