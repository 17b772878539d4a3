#include "platform/x11/Connection.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <cstring>

namespace {

// Errors since the last BeginErrorTrap. Xlib offers no per-call error channel, so this one
// counter is the backend's only process-wide state.
int g_trappedErrors = 0;

int CountError(Display*, XErrorEvent*) {
    ++g_trappedErrors;
    return 0;
}

Atom Intern(Display* d, const char* name) {
    return XInternAtom(d, name, False);
}

std::vector<int> XTestKeyboards(Display* d) {
    std::vector<int> ids;
    int count = 0;
    XIDeviceInfo* devices = XIQueryDevice(d, XIAllDevices, &count);
    for (int i = 0; i < count; ++i)
        if (devices[i].use == XISlaveKeyboard && std::strstr(devices[i].name, "XTEST keyboard"))
            ids.push_back(devices[i].deviceid);
    if (devices) XIFreeDeviceInfo(devices);
    return ids;
}

} // namespace

void InstallErrorHandler() {
    XSetErrorHandler(CountError);
}

void BeginErrorTrap(Display* d) {
    XSync(d, False);
    g_trappedErrors = 0;
}

bool EndErrorTrap(Display* d) {
    XSync(d, False);
    const bool failed = g_trappedErrors != 0;
    g_trappedErrors = 0;
    return failed;
}

bool OpenConnection(Connection& c, std::string& error) {
    int xkbMajor = XkbMajorVersion;
    int xkbMinor = XkbMinorVersion;
    int xkbError = 0;
    int reason = 0;
    c.display = XkbOpenDisplay(nullptr, &c.xkbEventBase, &xkbError, &xkbMajor, &xkbMinor, &reason);
    if (!c.display) {
        error = reason == XkbOD_ConnectionRefused || reason == XkbOD_BadLibraryVersion
                    ? "cannot open the X display (is DISPLAY set?)"
                    : "the X server has no XKB extension";
        return false;
    }
    int event = 0;
    int xiError = 0;
    int major = 2;
    int minor = 2;
    int xtestEvent = 0;
    int xtestError = 0;
    int xtestMajor = 0;
    int xtestMinor = 0;
    c.input = XOpenDisplay(DisplayString(c.display));
    if (!c.input) {
        error = "cannot open a second connection to the X display";
    } else if (!XQueryExtension(c.display, "XInputExtension", &c.xiOpcode, &event, &xiError) ||
               XIQueryVersion(c.display, &major, &minor) != Success) {
        error = "the X server has no XInput2 2.2 extension";
    } else if (!XTestQueryExtension(c.input, &xtestEvent, &xtestError, &xtestMajor, &xtestMinor)) {
        error = "the X server has no XTest extension";
    }
    if (!error.empty()) {
        CloseConnection(c);
        return false;
    }
    c.xtestKeyboards = XTestKeyboards(c.display);
    c.screen = DefaultScreen(c.display);
    c.root = RootWindow(c.display, c.screen);
    c.own = XCreateSimpleWindow(c.display, c.root, -10, -10, 1, 1, 0, 0, 0);
    XSelectInput(c.display, c.own, PropertyChangeMask);
    Atoms& a = c.atoms;
    a.clipboard = Intern(c.display, "CLIPBOARD");
    a.targets = Intern(c.display, "TARGETS");
    a.timestamp = Intern(c.display, "TIMESTAMP");
    a.utf8String = Intern(c.display, "UTF8_STRING");
    a.text = Intern(c.display, "TEXT");
    a.textPlain = Intern(c.display, "text/plain");
    a.textPlainUtf8 = Intern(c.display, "text/plain;charset=utf-8");
    a.incr = Intern(c.display, "INCR");
    a.transfer = Intern(c.display, "QUIBNOTE_TRANSFER");
    a.timeProbe = Intern(c.display, "QUIBNOTE_TIME");
    a.inputDone = Intern(c.display, "QUIBNOTE_INPUT_DONE");
    a.netActiveWindow = Intern(c.display, "_NET_ACTIVE_WINDOW");
    a.netSupportingWmCheck = Intern(c.display, "_NET_SUPPORTING_WM_CHECK");
    a.netClientList = Intern(c.display, "_NET_CLIENT_LIST");
    a.netWmName = Intern(c.display, "_NET_WM_NAME");
    a.wmState = Intern(c.display, "WM_STATE");
    a.capsLockIndicator = Intern(c.display, "Caps Lock");
    a.numLockIndicator = Intern(c.display, "Num Lock");
    a.scrollLockIndicator = Intern(c.display, "Scroll Lock");
    return true;
}

void CloseConnection(Connection& c) {
    if (c.input) XCloseDisplay(c.input);
    if (!c.display) return;
    if (c.own) XDestroyWindow(c.display, c.own);
    XCloseDisplay(c.display);
    c = Connection{};
}
