#include "engine/Expander.h"

#include "engine/Captions.h"
#include "engine/Core.h"
#include "engine/TargetProgram.h"
#include "keyout/Primitives.h"

void TurnExpanderOffByKey(Core& core) {
    core.windows.setPanelCaption(kPanelOff);
    core.windows.setMainCaption(kCaptionOff);
    core.options.expanderOn = false;
    if (core.options.panelAlwaysVisible) core.windows.hidePanel();
    Pause(core.platform, 0.5f);
}

void ToggleExpanderByMenu(Core& core) {
    core.db.settingsChanged = true;
    if (core.options.expanderOn) {
        core.windows.setPanelCaption(kPanelOff);
        core.windows.setMainCaption(kCaptionOff);
        core.options.expanderOn = false;
    } else {
        core.windows.setMainCaption(kCaption);
        core.windows.setPanelCaption("");
        core.engine.expanderToggleRequest = true;
    }
}

void TurnExpanderOn(Core& core) {
    core.windows.setMainCaption(kCaption);
    if (core.windows.panelCaption() == kPanelOff) core.windows.setPanelCaption("");
    Pause(core.platform, 0.5f);
    core.options.expanderOn = true;
    core.engine.expansion.floatingPanelCycle = 1;
    if (core.options.usePanel && core.options.panelAlwaysVisible) core.windows.showPanel();
    core.engine.expanderToggleRequest = false;
    if (core.engine.targetProgram.paused) ShowPause(core);
}
