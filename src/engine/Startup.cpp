#include "engine/Startup.h"

#include "engine/Captions.h"
#include "engine/Core.h"
#include "engine/MainLoop.h"
#include "keyout/KeyFlush.h"
#include "platform/keys.h"
#include "store/Dictionary.h"
#include "store/KnownPrograms.h"
#include "store/Normalise.h"
#include "store/Preferences.h"
#include "store/Save.h"

namespace {

bool LoadStore(Core& core) {
    Platform& p = core.platform;
    LoadResult loaded = LoadDatabase(p);
    if (!loaded.db) {
        p.messageBox(loaded.error, "Quibnote", MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    core.db = std::move(*loaded.db);
    core.options = ParseSettings(core.db.settingsLine);
    // A clean file is never rewritten at start: only a normalisation that changed records saves.
    if (NormaliseErasures(core.db) > 0) {
        const FileStatus saved = SaveDatabase(p, core.db, core.options, true);
        if (!saved.ok)
            p.messageBox("Quibnote could not save the short forms it tidied at start.\r\n" +
                             saved.error + "\r\n\r\nNothing was lost: they are saved at exit.",
                         "Quibnote", MsgButtons::Ok, MsgIcon::Exclamation);
    }
    return true;
}

// A line of the preferences that cannot be used is said once at start; the rest still apply.
void LoadPrefs(Core& core) {
    PreferencesRead read = LoadPreferences(core.platform);
    core.prefs = std::move(read.prefs);
    core.platform.setSyntheticKeyGap(SyntheticKeyGapMs(core.prefs, ""));
    if (read.problems.empty()) return;
    std::string text;
    for (const std::string& problem : read.problems) text += problem + "\r\n";
    core.platform.messageBox(text, "Quibnote", MsgButtons::Ok, MsgIcon::Exclamation);
}

} // namespace

bool StartUp(Core& core) {
    Platform& p = core.platform;
    if (p.otherInstanceRunning()) {
        if (!p.bringRunningInstanceForward())
            p.messageBox("Quibnote is already running, but its window could not be brought to "
                         "the front.",
                         "Quibnote", MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
    core.dictionary = LoadDictionarySettings(p);
    if (!LoadStore(core)) return false;
    LoadPrefs(core);
    if (!core.options.expanderOn) {
        core.windows.setMainCaption(kCaptionOff);
        core.windows.setPanelCaption(kPanelOff);
    }
    core.windows.showMainWindow({core.options.mainLeft, core.options.mainTop,
                                 core.options.mainWidth, core.options.mainHeight});
    core.windows.showStartWindows();
    FlushLetterKeys(core.platform);
    const std::int16_t caps = p.getKeyState(vk::Capital);
    core.out.capsLock = caps == 1 || caps == -127;
    FlushTypingKeys(core.platform);
    return true;
}
