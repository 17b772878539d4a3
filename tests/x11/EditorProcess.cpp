#include "EditorProcess.h"

#include "platform/FileOps.h"
#include "platform/x11/X11Desktop.h"

#include <chrono>
#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

EditorProcess StartEditor(const std::string& title, const std::string& folder) {
    EditorProcess e;
    e.title = title;
    e.out = folder + "/editor.txt";
    e.pid = fork();
    if (e.pid == 0) {
        execl(QUIBNOTE_TEST_EDITOR, QUIBNOTE_TEST_EDITOR, "--title", title.c_str(), "--out",
              e.out.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return e;
}

void StopEditor(EditorProcess& editor) {
    if (editor.pid <= 0) return;
    kill(editor.pid, SIGTERM);
    waitpid(editor.pid, nullptr, 0);
    editor.pid = -1;
}

std::string EditorText(const EditorProcess& editor) {
    return ReadWholeFile(editor.out).value_or("(no file)");
}

std::string WaitForText(X11Desktop& desktop, const EditorProcess& editor,
                        const std::string& expected, double seconds) {
    const double deadline = Now() + seconds;
    std::string text = EditorText(editor);
    while (text != expected && Now() < deadline) {
        desktop.doEvents(EventSite::Nested);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        text = EditorText(editor);
    }
    return text;
}

unsigned long WaitForWindow(X11Desktop& desktop, const std::string& title, double seconds) {
    const double deadline = Now() + seconds;
    while (Now() < deadline) {
        if (desktop.activateWindowByTitle(title)) return desktop.foregroundWindow();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return 0;
}
