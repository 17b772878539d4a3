#include "platform/x11/DesktopWindows.h"

#include "platform/text.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <bit>

namespace {

// A property of 32-bit items (windows, atoms); empty when there is none. The request has a
// reply, whose status tells a failure: no error trap, whose two round trips would double the
// cost of asking for the foreground window, which the main loop does while the user types.
std::vector<unsigned long> ListProperty(Connection& c, Window w, Atom property, Atom type) {
    std::vector<unsigned long> items;
    Atom actual = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(c.display, w, property, 0, 4096, False, type, &actual,
                                          &format, &count, &after, &data);
    if (status == Success && data && format == 32) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data) XFree(data);
    return items;
}

bool HasProperty(Connection& c, Window w, Atom property) {
    Atom actual = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(c.display, w, property, 0, 0, False, AnyPropertyType,
                                          &actual, &format, &count, &after, &data);
    if (data) XFree(data);
    return status == Success && actual != None;
}

std::vector<Window> Children(Connection& c, Window w) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    std::vector<Window> out;
    if (XQueryTree(c.display, w, &root, &parent, &children, &count) && children)
        out.assign(children, children + count);
    if (children) XFree(children);
    return out;
}

// The client window inside a window manager's frame: the first descendant with WM_STATE.
Window ClientOf(Connection& c, Window top) {
    if (HasProperty(c, top, c.atoms.wmState)) return top;
    std::vector<Window> level = Children(c, top);
    while (!level.empty()) {
        std::vector<Window> next;
        for (const Window w : level) {
            if (HasProperty(c, w, c.atoms.wmState)) return w;
            for (const Window child : Children(c, w)) next.push_back(child);
        }
        level = std::move(next);
    }
    return top;
}

// The child of the root that holds a window.
Window TopLevelOf(Connection& c, Window w) {
    for (;;) {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(c.display, w, &root, &parent, &children, &count)) return 0;
        if (children) XFree(children);
        if (parent == root || parent == 0) return w;
        w = parent;
    }
}

bool Viewable(Connection& c, Window w) {
    XWindowAttributes a{};
    return XGetWindowAttributes(c.display, w, &a) && a.map_state == IsViewable;
}

std::vector<Window> ClientWindows(Connection& c) {
    std::vector<Window> out;
    if (WindowManagerRunning(c)) {
        for (const unsigned long w : ListProperty(c, c.root, c.atoms.netClientList, XA_WINDOW))
            out.push_back(w);
        if (!out.empty()) return out;
    }
    for (const Window top : Children(c, c.root))
        if (Viewable(c, top)) out.push_back(ClientOf(c, top));
    return out;
}

std::uint32_t BgrOf(const XImage& image, unsigned long pixel) {
    const auto channel = [pixel](unsigned long mask) -> std::uint32_t {
        if (mask == 0) return 0;
        const int shift = std::countr_zero(mask);
        const int bits = std::popcount(mask);
        const unsigned long v = (pixel & mask) >> shift;
        return static_cast<std::uint32_t>(bits >= 8 ? v >> (bits - 8)
                                                    : v * 255 / ((1ul << bits) - 1));
    };
    return channel(image.red_mask) | channel(image.green_mask) << 8 |
           channel(image.blue_mask) << 16;
}

bool TakeSnapshot(Connection& c, PixelSnapshot& s, Window w) {
    s.bgr.clear();
    s.window = w;
    const std::optional<PixelRect> r = WindowRectangle(c, w);
    if (!r) return false;
    s.width = r->right - r->left;
    s.height = r->bottom - r->top;
    // The window's own contents where the server keeps them (a window inside the screen, or
    // any window under a compositor); otherwise what the screen shows there.
    BeginErrorTrap(c.display);
    XImage* image = XGetImage(c.display, w, 0, 0, static_cast<unsigned>(s.width),
                              static_cast<unsigned>(s.height), AllPlanes, ZPixmap);
    if (EndErrorTrap(c.display) && image) {
        XDestroyImage(image);
        image = nullptr;
    }
    int offsetX = 0;
    int offsetY = 0;
    if (!image) {
        const int screenW = DisplayWidth(c.display, c.screen);
        const int screenH = DisplayHeight(c.display, c.screen);
        const int left = std::max(r->left, 0);
        const int top = std::max(r->top, 0);
        const int right = std::min(r->right, screenW);
        const int bottom = std::min(r->bottom, screenH);
        if (right <= left || bottom <= top) return false;
        BeginErrorTrap(c.display);
        image = XGetImage(c.display, c.root, left, top, static_cast<unsigned>(right - left),
                          static_cast<unsigned>(bottom - top), AllPlanes, ZPixmap);
        if (EndErrorTrap(c.display) && image) {
            XDestroyImage(image);
            return false;
        }
        if (!image) return false;
        offsetX = left - r->left;
        offsetY = top - r->top;
    }
    // Parts of the window off the screen read as black, as they do on Windows.
    s.bgr.assign(static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.height), 0);
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x)
            s.bgr[static_cast<std::size_t>(y + offsetY) * static_cast<std::size_t>(s.width) +
                  static_cast<std::size_t>(x + offsetX)] = BgrOf(*image, XGetPixel(image, x, y));
    XDestroyImage(image);
    return true;
}

} // namespace

bool WindowManagerRunning(Connection& c) {
    const std::vector<unsigned long> check =
        ListProperty(c, c.root, c.atoms.netSupportingWmCheck, XA_WINDOW);
    return !check.empty() && check.front() != 0;
}

WindowId ActiveWindow(Connection& c) {
    if (WindowManagerRunning(c)) {
        const std::vector<unsigned long> active =
            ListProperty(c, c.root, c.atoms.netActiveWindow, XA_WINDOW);
        if (!active.empty() && active.front() != 0) return active.front();
    }
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(c.display, &focus, &revert);
    if (focus == None) return 0;
    // With the focus following the pointer, the keys go to the window under it.
    if (focus == PointerRoot || focus == c.root) {
        Window root = 0;
        Window child = 0;
        int rootX = 0;
        int rootY = 0;
        int x = 0;
        int y = 0;
        unsigned mask = 0;
        XQueryPointer(c.display, c.root, &root, &child, &rootX, &rootY, &x, &y, &mask);
        return child ? ClientOf(c, child) : 0;
    }
    // Every request on the way has a reply that tells a window gone, so no error trap.
    const Window top = TopLevelOf(c, focus);
    return top ? ClientOf(c, top) : 0;
}

namespace {

// Asks the window manager to activate the window, as a pager does for the user.
void RequestActivation(Connection& c, WindowId w) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = static_cast<Window>(w);
    e.xclient.message_type = c.atoms.netActiveWindow;
    e.xclient.format = 32;
    e.xclient.data.l[0] = 2; // from a pager: the user asked for it
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(c.display, c.root, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XFlush(c.display);
}

} // namespace

bool ActivateWindow(Connection& c, WindowId w) {
    if (w == 0) return false;
    BeginErrorTrap(c.display);
    const bool viewable = Viewable(c, static_cast<Window>(w));
    if (EndErrorTrap(c.display) || !viewable) return false;
    if (WindowManagerRunning(c)) {
        RequestActivation(c, w);
        return true;
    }
    BeginErrorTrap(c.display);
    XRaiseWindow(c.display, TopLevelOf(c, static_cast<Window>(w)));
    XSetInputFocus(c.display, static_cast<Window>(w), RevertToParent, CurrentTime);
    return !EndErrorTrap(c.display);
}

bool RestoreAndActivateWindow(Connection& c, WindowId w) {
    if (w == 0) return false;
    XWindowAttributes a{};
    BeginErrorTrap(c.display);
    const bool exists = XGetWindowAttributes(c.display, static_cast<Window>(w), &a) != 0;
    if (exists && a.map_state != IsViewable) XMapRaised(c.display, static_cast<Window>(w));
    if (EndErrorTrap(c.display) || !exists) return false;
    // A window manager maps a minimized window on its own time, so the request to activate it
    // is sent at once (a window manager also deiconifies a window it is asked to activate);
    // without one the map above has already happened.
    if (WindowManagerRunning(c)) {
        RequestActivation(c, w);
        return true;
    }
    return ActivateWindow(c, w);
}

WindowId WindowAt(Connection& c, PixelPoint p) {
    Window child = 0;
    int x = 0;
    int y = 0;
    XTranslateCoordinates(c.display, c.root, c.root, p.x, p.y, &x, &y, &child);
    if (child == 0) return 0;
    BeginErrorTrap(c.display);
    const Window client = ClientOf(c, child);
    return EndErrorTrap(c.display) ? 0 : client;
}

std::optional<PixelRect> WindowRectangle(Connection& c, WindowId w) {
    if (w == 0) return std::nullopt;
    XWindowAttributes a{};
    Window child = 0;
    int x = 0;
    int y = 0;
    BeginErrorTrap(c.display);
    const bool ok =
        XGetWindowAttributes(c.display, static_cast<Window>(w), &a) &&
        XTranslateCoordinates(c.display, static_cast<Window>(w), c.root, 0, 0, &x, &y, &child);
    if (EndErrorTrap(c.display) || !ok) return std::nullopt;
    return PixelRect{x, y, x + a.width, y + a.height};
}

std::string WindowTitle(Connection& c, WindowId w) {
    Atom actual = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    BeginErrorTrap(c.display);
    if (XGetWindowProperty(c.display, static_cast<Window>(w), c.atoms.netWmName, 0, 1024, False,
                           c.atoms.utf8String, &actual, &format, &count, &after,
                           &data) == Success &&
        data && format == 8) {
        title = Cp1252FromUtf8(std::string(reinterpret_cast<const char*>(data), count));
    } else {
        char* name = nullptr;
        if (XFetchName(c.display, static_cast<Window>(w), &name) && name) {
            title = name; // WM_NAME is Latin-1, which Windows-1252 contains
            XFree(name);
        }
    }
    if (data) XFree(data);
    EndErrorTrap(c.display);
    return title;
}

std::string WindowClass(Connection& c, WindowId w) {
    if (w == 0) return {};
    std::string name;
    BeginErrorTrap(c.display);
    for (const Window window : {static_cast<Window>(w), ClientOf(c, static_cast<Window>(w))}) {
        XClassHint hint{};
        if (!XGetClassHint(c.display, window, &hint)) continue;
        if (hint.res_class) name = hint.res_class;
        if (hint.res_name) XFree(hint.res_name);
        if (hint.res_class) XFree(hint.res_class);
        if (!name.empty()) break;
    }
    EndErrorTrap(c.display);
    for (char& ch : name)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + 32);
    return name;
}

WindowId FindWindowByTitle(Connection& c, std::string_view title) {
    const std::vector<Window> windows = ClientWindows(c);
    std::vector<std::string> titles;
    for (const Window w : windows) titles.push_back(WindowTitle(c, w));
    for (std::size_t i = 0; i < windows.size(); ++i)
        if (titles[i] == title) return windows[i];
    for (std::size_t i = 0; i < windows.size(); ++i)
        if (titles[i].starts_with(title)) return windows[i];
    return 0;
}

std::optional<std::uint32_t> WindowPixel(Connection& c, PixelSnapshot& s, WindowId w, PixelPoint p,
                                         double now) {
    if (s.window != w || now - s.takenAt > 0.25) {
        s.takenAt = now;
        TakeSnapshot(c, s, static_cast<Window>(w));
    }
    if (s.bgr.empty() || p.x < 0 || p.y < 0 || p.x >= s.width || p.y >= s.height)
        return std::nullopt;
    return s.bgr[static_cast<std::size_t>(p.y) * static_cast<std::size_t>(s.width) +
                 static_cast<std::size_t>(p.x)];
}
