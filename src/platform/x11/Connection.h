#pragma once

#include <X11/Xlib.h>
#include <string>
#include <vector>

// The backend's own connection to the X server, apart from the toolkit's: it carries the raw
// key events, synthetic input, the clipboard and every question about other windows, so the
// key state can be brought up to date without running the toolkit's event loop.

struct Atoms {
    Atom clipboard, targets, timestamp, utf8String, text, textPlain, textPlainUtf8, incr;
    Atom transfer;  // the property that clipboard transfers arrive in
    Atom timeProbe; // an empty property appended to learn the server's time
    Atom inputDone; // an empty property appended after a batch of synthetic input
    Atom netActiveWindow, netSupportingWmCheck, netClientList, netWmName, wmState;
    Atom capsLockIndicator, numLockIndicator, scrollLockIndicator;
};

struct Connection {
    Display* display = nullptr;
    // A second connection for synthetic input alone: the server holds a client's requests while
    // an XTest event waits out its delay, and questions asked meanwhile on `display` must not
    // wait for a batch's gaps. All synthetic input goes here, so it reaches the server in order.
    Display* input = nullptr;
    Window root = 0;
    int screen = 0;
    int xiOpcode = 0; // XInput2's major opcode, to recognise its events
    // The devices XTest types with: the program's own keys come back as raw events from one of
    // them (other programs' synthetic keys too).
    std::vector<int> xtestKeyboards;
    int xkbEventBase = 0;
    Window own = 0; // an unmapped window of our own: clipboard owner and transfer target
    Atoms atoms{};
};

// Opens the connections and checks for XInput2 2.2, XTest and XKB. On failure the text says
// what is missing and the connection is closed.
bool OpenConnection(Connection& c, std::string& error);
void CloseConnection(Connection& c);

// Xlib reports protocol errors through one process-wide handler whose default ends the
// program; a window can vanish between two questions about it, so errors are caught instead.
// Everything between BeginErrorTrap and EndErrorTrap is synchronised; EndErrorTrap is true when
// an error happened in between.
void InstallErrorHandler();
void BeginErrorTrap(Display* d);
bool EndErrorTrap(Display* d);
