// quibnote-test-editor --title TITLE --out FILE [--log FILE]: the other application of the
// end-to-end tests, a plain text editor window. After every change it writes its whole text
// (UTF-8) to FILE; with --log it appends, for every key it takes, the monotonic time in
// nanoseconds, the length of its text afterwards and the key, so a test can time when typing
// arrived.

#include <FL/Fl.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>
#include <FL/Fl_Window.H>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

namespace {

struct EditorFiles {
    std::string out;
    std::FILE* log = nullptr;
    Fl_Text_Buffer* buffer = nullptr;
};

long long MonotonicNanos() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

class LoggingEditor : public Fl_Text_Editor {
  public:
    LoggingEditor(int x, int y, int w, int h, EditorFiles& files)
        : Fl_Text_Editor(x, y, w, h), files_(files) {}

    int handle(int event) override {
        const int handled = CollapsesSelection(event) ? 1 : Fl_Text_Editor::handle(event);
        if (event == FL_KEYBOARD && files_.log) {
            std::fprintf(files_.log, "%lld %d %d\n", MonotonicNanos(), files_.buffer->length(),
                         Fl::event_key());
            std::fflush(files_.log);
        }
        return handled;
    }

  private:
    // Left or Right without Shift ends a selection at its start or end, as in the editors of
    // Windows and GTK (the toolkit's own editor moves the caret by one from where it stands).
    bool CollapsesSelection(int event) {
        const int key = Fl::event_key();
        if (event != FL_KEYBOARD || (key != FL_Left && key != FL_Right) ||
            (Fl::event_state() & (FL_SHIFT | FL_CTRL | FL_ALT)) != 0)
            return false;
        int start = 0;
        int end = 0;
        if (!buffer()->selection_position(&start, &end)) return false;
        buffer()->unselect();
        insert_position(key == FL_Left ? start : end);
        show_insert_position();
        return true;
    }

    EditorFiles& files_;
};

// Written beside and renamed over, so a reader never sees half a text; not flushed to disk,
// which would make the editor too slow to keep up with typing.
void Write(const std::string& path, const char* text) {
    const std::string temp = path + ".new";
    std::ofstream(temp, std::ios::binary) << text;
    std::rename(temp.c_str(), path.c_str());
}

void Save(void* data) {
    auto* files = static_cast<EditorFiles*>(data);
    char* text = files->buffer->text();
    Write(files->out, text);
    std::free(text);
}

// A burst of typing is saved once, shortly after it, so saving never slows the editor down
// while keys arrive.
void SaveSoon(int, int, int, int, const char*, void* data) {
    Fl::remove_timeout(Save, data);
    Fl::add_timeout(0.005, Save, data);
}

} // namespace

int main(int argc, char** argv) {
    std::string title = "Test Editor";
    EditorFiles files;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--title")
            title = argv[i + 1];
        else if (arg == "--out")
            files.out = argv[i + 1];
        else if (arg == "--log")
            files.log = std::fopen(argv[i + 1], "a");
    }
    if (files.out.empty()) {
        std::cerr << "usage: quibnote-test-editor --title TITLE --out FILE [--log FILE]\n";
        return 2;
    }
    Fl_Window window(20, 20, 640, 300, title.c_str());
    window.xclass("quibnote-test-editor");
    Fl_Text_Buffer buffer;
    files.buffer = &buffer;
    LoggingEditor editor(0, 0, 640, 300, files);
    editor.buffer(&buffer);
    editor.textsize(16);
    window.resizable(editor);
    window.end();
    buffer.add_modify_callback(SaveSoon, &files);
    Write(files.out, "");
    window.show();
    editor.take_focus();
    const int status = Fl::run();
    if (files.log) std::fclose(files.log);
    return status;
}
