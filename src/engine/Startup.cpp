#include "engine/Startup.h"

#include "app/App.h"
#include "engine/Display.h"
#include "engine/MainLoop.h"
#include "engine/WindowOps.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"
#include "store/Dictionary.h"
#include "store/Normalise.h"
#include "store/Save.h"

namespace {

// Alt+Space, R: the system menu's Restore for the window in front, which is the running copy
// when the user starts the program again from its icon.
void RestoreRunningInstance(Platform& p) {
    p.keyEvent(vk::Menu, false);
    p.keyEvent(vk::Space, false);
    p.keyEvent(vk::Space, true);
    p.keyEvent(vk::Menu, true);
    p.keyEvent('R', false);
    p.keyEvent('R', true);
    PollKey(p, vk::Menu);
    PollKey(p, vk::Space);
    PollKey(p, 'R');
}

bool LoadStore(App& app) {
    Platform& p = app.platform;
    LoadResult loaded = LoadDatabase(p);
    if (!loaded.db) {
        p.messageBox(loaded.error, "Quibnote", MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    app.db = std::move(*loaded.db);
    app.options = ParseSettings(app.db.settingsLine);
    // A clean file is never rewritten at start: only a normalisation that changed records saves.
    if (NormaliseErasures(app.db) > 0) {
        const FileStatus saved = SaveDatabase(p, app.db, app.options, true);
        if (!saved.ok)
            p.messageBox("Quibnote could not save the short forms it tidied at start.\r\n" +
                             saved.error + "\r\n\r\nNothing was lost: they are saved at exit.",
                         "Quibnote", MsgButtons::Ok, MsgIcon::Exclamation);
    }
    return true;
}

} // namespace

bool StartUp(App& app) {
    Platform& p = app.platform;
    if (p.otherInstanceRunning()) {
        RestoreRunningInstance(p);
        return false;
    }
    app.dictionary = LoadDictionarySettings(p);
    if (!LoadStore(app)) return false;
    if (!app.options.expanderOn) {
        SetMainCaption(app, kCaptionOff);
        SetPanelCaption(app, kPanelOff);
    }
    app.frmKeyvane.rect = {app.options.mainLeft, app.options.mainTop, app.options.mainWidth,
                           app.options.mainHeight};
    p.showForm(app.frmKeyvane, false);
    ShowStartWindows(app);
    FlushLetterKeys(app);
    const std::int16_t caps = p.getKeyState(vk::Capital);
    app.out.capsLock = caps == 1 || caps == -127;
    FlushTypingKeys(app);
    return true;
}
