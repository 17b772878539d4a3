#pragma once

struct App;

// Ctrl+C or Ctrl+X was typed in another application and every key of it is up again: the text
// it copied goes into the multi-clipboard, and Alt+C may now calculate it.
void CaptureCopyOrCut(App& app);
// Alt+C: calculates the clip that the last copy or cut captured and types the result, once; with
// no capture since, nothing.
void CalculateCapturedClip(App& app);
