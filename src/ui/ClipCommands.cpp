#include "ui/ClipCommands.h"

#include "calc/CalcAndPaste.h"
#include "keyout/KeyScript.h"
#include "keyout/Primitives.h"
#include "ui/App.h"
#include "ui/ControlNames.h"
#include "ui/Handlers.h"
#include "ui/MultiClipboard.h"
#include "ui/QuibListWindow.h"

// The Edit menu's clipboard commands and the command buttons act on the window the user was
// typing in, not on the program's own: each gives it the focus back and sends the chord there.

namespace {

void mnuCopy(App& app) {
    Platform& p = app.platform;
    app.out.literalMode = false;
    Pause(p, 0.1f);
    RefocusTarget(p, app.engine.target);
    TypeKeyScript(p, app.out, "{^c}");
    CaptureCopyOrCut(app);
    // The copied text stays where it was, with the caret after it instead of a selection.
    TypeKeyScript(p, app.out, "{R1}");
}

void mnuCut(App& app) {
    RefocusTarget(app.platform, app.engine.target);
    TypeKeyScript(app.platform, app.out, "{^x}");
    CaptureCopyOrCut(app);
}

void mnuPaste(App& app) {
    RefocusTarget(app.platform, app.engine.target);
    TypeKeyScript(app.platform, app.out, "{^v}");
}

// "Copy, Calculate && Paste Result".
void mnuCCP(App& app) {
    mnuCopy(app);
    CalcAndPaste(app);
}

} // namespace

void CaptureCopyOrCut(App& app) {
    app.clip.capturePending = true;
    CaptureClip(app);
}

void CalculateCapturedClip(App& app) {
    if (!app.clip.capturePending) return;
    CalcAndPaste(app);
    app.clip.capturePending = false;
}

void AddClipHandlers(Handlers& h) {
    h.menus.emplace(kMnuCopy, mnuCopy);
    h.menus.emplace(kMnuCut, mnuCut);
    h.menus.emplace(kMnuPaste, mnuPaste);
    h.menus.emplace(kMnuCCP, mnuCCP);
    h.menus.emplace(kMnuMultiPaste, mnuMultiPaste);
    h.menus.emplace(kMnuPasteToPick, mnuPasteToPick);
    h.menus.emplace(kMnuPick, mnuPick);
    using K = UserAction::Kind;
    const auto on = [&h](std::string_view form, std::string_view control, K kind,
                         void (*handler)(App&, const UserAction&)) {
        h.events.emplace(EventKey(form, control, kind), handler);
    };
    on(kFrmKeyvane, kCmdCopy, K::Click, [](App& app, const UserAction&) { mnuCopy(app); });
    on(kFrmKeyvane, kCmdCSPaste, K::Click,
       [](App& app, const UserAction&) { mnuPasteToPick(app); });
    on(kFrmKeyvane, kCmdMPaste, K::Click, [](App& app, const UserAction&) { mnuMultiPaste(app); });
    on(kFrmKeyvane, kTxtDisplay, K::MouseDown,
       [](App& app, const UserAction& a) { txtDisplay_MouseDown(app, a.x, a.y); });
    on(kFrmPick, kTxtExp, K::MouseDown,
       [](App& app, const UserAction& a) { txtExp_MouseDown(app, a.x, a.y); });
    on(kFrmPick, kTxtShFm, K::MouseDown,
       [](App& app, const UserAction& a) { txtShFm_MouseDown(app, a.y); });
    on(kFrmPick, "", K::Close, [](App& app, const UserAction&) { CloseQuibList(app); });
}
