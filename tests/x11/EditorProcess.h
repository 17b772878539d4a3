#pragma once

#include <string>
#include <sys/types.h>

class X11Desktop;

// The test editor as a child process, and its text as it last wrote it.
struct EditorProcess {
    pid_t pid = -1;
    std::string title;
    std::string out;
};

EditorProcess StartEditor(const std::string& title, const std::string& folder);
void StopEditor(EditorProcess& editor);
std::string EditorText(const EditorProcess& editor);
// Waits until the editor's text is the expected one, letting the desktop's events run (the
// editor may be pasting from a clipboard the desktop owns). Returns the text it saw last.
std::string WaitForText(X11Desktop& desktop, const EditorProcess& editor,
                        const std::string& expected, double seconds = 5);
// Waits for the editor's window; 0 when it did not appear.
unsigned long WaitForWindow(X11Desktop& desktop, const std::string& title, double seconds = 10);
