// quibnote-typist [--hold MS] [--gap MS] [--lead MS] ITEM...: types as a user at the X server's
// keyboard would. An ITEM "text:WORDS" types the words (after the colon, literally); any other
// ITEM is a chord of keysym names joined by '+' ("ctrl+a", "F9", "Return", "alt+o").

#include "Typist.h"

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    Typist t;
    if (!OpenTypist(t)) {
        std::cerr << "quibnote-typist: cannot open the display\n";
        return 2;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--hold" && i + 1 < argc) {
            t.holdMs = std::atoi(argv[++i]);
        } else if (arg == "--gap" && i + 1 < argc) {
            t.gapMs = std::atoi(argv[++i]);
        } else if (arg == "--lead" && i + 1 < argc) {
            t.leadMs = std::atoi(argv[++i]);
        } else if (arg.starts_with("text:")) {
            TypeText(t, arg.substr(5));
        } else if (!PressChord(t, arg)) {
            std::cerr << "quibnote-typist: no key " << arg << '\n';
            status = 2;
        }
    }
    CloseTypist(t);
    return status;
}
