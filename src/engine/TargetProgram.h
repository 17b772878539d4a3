#pragma once

struct Core;

// Takes the target window's program anew, after the target changed or the preferences did:
// whether it is a terminal (key output then refuses command keys there), the pause its keys
// need, and whether the expander pauses while it is in front.
void NoteTargetProgram(Core& core);

// The captions and the panel as the pause has them: off while the paused program is in front,
// back on (with what was typed there forgotten) when it is no longer. Nothing while the expander
// is off altogether.
void ShowPause(Core& core);
