#include "engine/TargetProgram.h"

#include "engine/Captions.h"
#include "engine/Core.h"
#include "engine/LookUp.h"
#include "engine/WordAssembly.h"
#include "keyout/KeyFlush.h"
#include "store/KnownPrograms.h"

void NoteTargetProgram(Core& core) {
    TargetProgramState& t = core.engine.targetProgram;
    const bool wasPaused = t.paused;
    t.name = core.platform.windowProgram(core.engine.target);
    t.terminal = IsTerminalProgram(core.prefs, t.name);
    t.paused = IsPausedProgram(core.prefs, t.name);
    core.out.terminalWindow = t.terminal ? core.engine.target : 0;
    core.platform.setSyntheticKeyGap(SyntheticKeyGapMs(core.prefs, t.name));
    if (t.paused != wasPaused) ShowPause(core);
}

void ShowPause(Core& core) {
    if (!core.options.expanderOn) return;
    ResetWordState(core);
    ResetDisplay(core);
    const Options& o = core.options;
    if (core.engine.targetProgram.paused) {
        core.windows.setPanelCaption(kPanelOff);
        core.windows.setMainCaption(kCaptionPaused);
        if (o.panelAlwaysVisible) core.windows.hidePanel();
        return;
    }
    // The letters typed in the paused program are not the start of a word here.
    FlushLetterKeys(core.platform);
    core.windows.setPanelCaption("");
    core.windows.setMainCaption(kCaption);
    if (o.usePanel && o.panelAlwaysVisible) core.windows.showPanel();
}
