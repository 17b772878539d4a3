#pragma once

struct App;

// The multi-clipboard as the user meets it: every copy and cut goes into its ring of nine clips,
// and its list in the main window's display box types a clip, all of them, or all of them as a
// list where the user was typing.

// The clipboard's text, just copied or cut, into the ring; the list shows it when it is on show,
// or when the user wants it shown after every copy.
void CaptureClip(App& app);
// A click on the list at x, y twips inside the display box: the clip or command on that line.
void txtDisplay_MouseDown(App& app, int x, int y);
// "Paste from &last 9 clips ('MPaste')  Alt+P" and the MPaste button: the list, or away with it.
void mnuMultiPaste(App& app);
// Alt+P: the multi-clipboard's list in the main window's display box.
void RunMultiClipboard(App& app);
