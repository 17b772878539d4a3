#pragma once

#include "platform/x11/Connection.h"

#include <functional>
#include <optional>
#include <string>

// The CLIPBOARD selection, as UTF-8 text. While the program owns it, requests are answered
// from the event dispatch of the backend's connection; reading another owner's text waits a
// bounded time for the answer, running that dispatch meanwhile.

struct ClipboardState {
    bool owned = false;
    std::string utf8; // the text offered while owned
    Time ownedSince = 0;
    // A transfer in progress, filled in by NoteClipboardEvent.
    bool notified = false;
    Atom notifiedProperty = None;
    int newValues = 0;         // the transfer property was written (incremental transfers)
    bool awaitingData = false; // a paste asked for our targets and not yet for the text
    bool textServed = false;   // our text went to a requestor since this was last cleared
};

// Runs the connection's event dispatch for at most the given seconds, returning sooner when an
// event came.
using PumpEvents = std::function<void(double seconds)>;

// Taking or giving up the clipboard first lets a paste that has begun finish.
bool OwnClipboard(Connection& c, ClipboardState& s, std::string utf8, const PumpEvents& pump);
void ReleaseClipboard(Connection& c, ClipboardState& s, const PumpEvents& pump);
// The clipboard's text, or nothing when it is empty, holds no text, or its owner did not
// answer within the limit.
std::optional<std::string> ReadClipboard(Connection& c, ClipboardState& s, const PumpEvents& pump,
                                         double limitSeconds);

// For the event dispatch: answers a request for our text, and notes what a transfer waits for.
void AnswerSelectionRequest(Connection& c, ClipboardState& s,
                            const XSelectionRequestEvent& request);
void NoteClipboardEvent(Connection& c, ClipboardState& s, const XEvent& event);
