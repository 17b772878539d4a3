#pragma once

struct App;

// What the main loop's hotkeys ask of the clip tools. The clip windows' code defines these; the
// engine only names them here, so it never depends on that code.

// Ctrl+C or Ctrl+X was typed in another application and every key of it is up again: the text
// it copied goes into the multi-clipboard, and Alt+C may now calculate it.
void CaptureCopyOrCut(App& app);
// Alt+C: calculates the clip that the last copy or cut captured and types the result, once; with
// no capture since, nothing.
void CalculateCapturedClip(App& app);
// Alt+P: the multi-clipboard's list in the main window's display box.
void RunMultiClipboard(App& app);
// F6: shows the Quib List beside the main window, or hides it when it shows.
void ToggleQuibList(App& app);
