#include "platform/x11/Clipboard.h"

#include <X11/Xatom.h>
#include <chrono>
#include <climits>

namespace {

double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

std::string Latin1FromUtf8(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            continue;
        }
        std::size_t extra = (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : 3;
        unsigned long cp = b & (0x3Fu >> extra);
        for (; extra > 0 && i + 1 < utf8.size(); --extra)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
        out += cp <= 0xFF ? static_cast<char>(cp) : '?';
    }
    return out;
}

std::string Utf8FromLatin1(const std::string& latin1) {
    std::string out;
    for (const char ch : latin1) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

// A server timestamp, from the PropertyNotify of an empty append to our own window: ICCCM
// asks owners to claim a selection with a real time, not CurrentTime.
Time ServerTime(Connection& c) {
    XChangeProperty(c.display, c.own, c.atoms.timeProbe, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XEvent event;
    XIfEvent(
        c.display, &event,
        [](Display*, XEvent* e, XPointer arg) -> Bool {
            const auto* conn = reinterpret_cast<const Connection*>(arg);
            return e->type == PropertyNotify && e->xproperty.window == conn->own &&
                   e->xproperty.atom == conn->atoms.timeProbe;
        },
        reinterpret_cast<XPointer>(&c));
    return event.xproperty.time;
}

// Reads and deletes the transfer property; false when there is none.
bool TakeProperty(Connection& c, Atom& type, std::string& data) {
    Atom actualType = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* bytes = nullptr;
    if (XGetWindowProperty(c.display, c.own, c.atoms.transfer, 0, LONG_MAX / 4, True,
                           AnyPropertyType, &actualType, &format, &items, &after,
                           &bytes) != Success) {
        return false;
    }
    type = actualType;
    if (bytes) {
        const std::size_t unit = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
        data.assign(reinterpret_cast<const char*>(bytes), items * unit);
        XFree(bytes);
    }
    return actualType != None;
}

bool WaitFor(const PumpEvents& pump, double deadline, const std::function<bool()>& done) {
    while (!done()) {
        const double left = deadline - Now();
        if (left <= 0) return false;
        pump(left);
    }
    return true;
}

std::size_t MaxPropertyBytes(Display* d) {
    long units = XExtendedMaxRequestSize(d);
    if (units == 0) units = XMaxRequestSize(d);
    return static_cast<std::size_t>(units) * 4 - 1024;
}

// A paste asks for the targets first and for the text after; the text it asked about stays
// on offer until that second request comes (or a tenth of a second passes).
void LetPasteFinish(ClipboardState& s, const PumpEvents& pump) {
    const double deadline = Now() + 0.1;
    WaitFor(pump, deadline, [&] { return !s.owned || !s.awaitingData; });
    s.awaitingData = false;
}

} // namespace

bool OwnClipboard(Connection& c, ClipboardState& s, std::string utf8, const PumpEvents& pump) {
    LetPasteFinish(s, pump);
    const Time time = ServerTime(c);
    XSetSelectionOwner(c.display, c.atoms.clipboard, c.own, time);
    if (XGetSelectionOwner(c.display, c.atoms.clipboard) != c.own) {
        s.owned = false;
        return false;
    }
    s.owned = true;
    s.ownedSince = time;
    s.utf8 = std::move(utf8);
    return true;
}

void ReleaseClipboard(Connection& c, ClipboardState& s, const PumpEvents& pump) {
    LetPasteFinish(s, pump);
    XSetSelectionOwner(c.display, c.atoms.clipboard, None, ServerTime(c));
    s.owned = false;
    s.utf8.clear();
}

std::optional<std::string> ReadClipboard(Connection& c, ClipboardState& s, const PumpEvents& pump,
                                         double limitSeconds) {
    const Window owner = XGetSelectionOwner(c.display, c.atoms.clipboard);
    if (owner == None) return std::nullopt;
    if (owner == c.own) return s.owned ? std::optional(s.utf8) : std::nullopt;
    const double deadline = Now() + limitSeconds;
    for (const Atom target : {c.atoms.utf8String, XA_STRING}) {
        s.notified = false;
        XDeleteProperty(c.display, c.own, c.atoms.transfer);
        XConvertSelection(c.display, c.atoms.clipboard, target, c.atoms.transfer, c.own,
                          CurrentTime);
        XFlush(c.display);
        if (!WaitFor(pump, deadline, [&] { return s.notified; })) return std::nullopt;
        if (s.notifiedProperty == None) continue;
        Atom type = None;
        std::string data;
        s.newValues = 0;
        if (!TakeProperty(c, type, data)) continue;
        if (type == c.atoms.incr) {
            // The owner sends the text in pieces, each written after we delete the last one; an
            // empty piece ends it.
            data.clear();
            for (;;) {
                if (!WaitFor(pump, deadline, [&] { return s.newValues > 0; })) return std::nullopt;
                s.newValues = 0;
                std::string piece;
                if (!TakeProperty(c, type, piece)) continue;
                if (piece.empty()) break;
                data += piece;
            }
        }
        return type == XA_STRING ? Utf8FromLatin1(data) : data;
    }
    return std::nullopt;
}

void AnswerSelectionRequest(Connection& c, ClipboardState& s,
                            const XSelectionRequestEvent& request) {
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.display = c.display;
    reply.requestor = request.requestor;
    reply.selection = request.selection;
    reply.target = request.target;
    reply.time = request.time;
    reply.property = None;
    const Atoms& a = c.atoms;
    const Atom property = request.property != None ? request.property : request.target;
    const bool current = request.time == CurrentTime || request.time >= s.ownedSince;
    if (request.selection == a.clipboard && s.owned && current) {
        const auto put = [&](Atom type, const std::string& bytes) {
            if (bytes.size() > MaxPropertyBytes(c.display)) return;
            XChangeProperty(c.display, request.requestor, property, type, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(bytes.data()),
                            static_cast<int>(bytes.size()));
            reply.property = property;
        };
        if (request.target == a.targets) {
            const Atom targets[] = {a.targets,   a.timestamp, a.utf8String,   a.text,
                                    a.textPlain, XA_STRING,   a.textPlainUtf8};
            XChangeProperty(c.display, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(targets),
                            static_cast<int>(std::size(targets)));
            reply.property = property;
            s.awaitingData = true;
        } else if (request.target == a.timestamp) {
            const long time = static_cast<long>(s.ownedSince);
            XChangeProperty(c.display, request.requestor, property, XA_INTEGER, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&time), 1);
            reply.property = property;
        } else if (request.target == a.utf8String || request.target == a.text ||
                   request.target == a.textPlainUtf8) {
            put(a.utf8String, s.utf8);
            s.awaitingData = false;
            s.textServed = true;
        } else if (request.target == XA_STRING || request.target == a.textPlain) {
            put(XA_STRING, Latin1FromUtf8(s.utf8));
            s.awaitingData = false;
            s.textServed = true;
        }
    }
    XSendEvent(c.display, request.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
    XFlush(c.display);
}

void NoteClipboardEvent(Connection& c, ClipboardState& s, const XEvent& event) {
    switch (event.type) {
    case SelectionClear:
        // Giving the selection up and taking it again sends us a clear for the old claim,
        // which may arrive after the new one: only a clear that still holds counts.
        if (event.xselectionclear.selection == c.atoms.clipboard &&
            XGetSelectionOwner(c.display, c.atoms.clipboard) != c.own) {
            s.owned = false;
            s.utf8.clear();
        }
        break;
    case SelectionNotify:
        if (event.xselection.requestor == c.own &&
            event.xselection.selection == c.atoms.clipboard) {
            s.notified = true;
            s.notifiedProperty = event.xselection.property;
        }
        break;
    case PropertyNotify:
        if (event.xproperty.window == c.own && event.xproperty.atom == c.atoms.transfer &&
            event.xproperty.state == PropertyNewValue)
            ++s.newValues;
        break;
    default:
        break;
    }
}
