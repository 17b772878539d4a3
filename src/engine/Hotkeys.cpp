#include "engine/Hotkeys.h"

#include "app/App.h"
#include "engine/ClipHooks.h"
#include "engine/LookUp.h"
#include "engine/MainLoop.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"

void RunAltHotkeys(App& app) {
    if (PollKey(app.platform, 'S') == 0) return;
    WaitKeyAndAltUp(app, 'S');
    app.engine.expansion.useLevelOverride = true;
    // Pressed after the word's last letter, the override must still reach this word, whose
    // look-up refused it a moment ago.
    if (app.engine.word.wordActive && !app.engine.expansion.armed) LookUpWhileTyping(app);
}

void RunCtrlHotkeys(App& app) {
    Platform& p = app.platform;
    if (PollKey(p, 'C') == 0 && PollKey(p, 'X') == 0) return;
    for (;;) {
        bool down = false;
        for (std::uint8_t key :
             {std::uint8_t('C'), std::uint8_t('X'), vk::Control, vk::LControl, vk::RControl})
            down = PollKey(p, key) != 0 || down;
        if (!down) break;
    }
    CaptureCopyOrCut(app);
}
