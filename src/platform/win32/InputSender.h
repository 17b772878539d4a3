#pragma once

#include "platform/win32/WinApi.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Synthetic input with a pause between two events, for applications that drop keys arriving
// back to back. A thread of its own sends it, so the program's thread never sleeps for the
// pauses and keeps reading the user's keys meanwhile; without a pause the input goes out at
// once, a run in one call.
struct SenderItem {
    INPUT input{};
    std::optional<POINT> cursor; // a move of the mouse cursor in place of the input
};

struct InputSender {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<SenderItem> items;
    bool sending = false; // an item taken from the queue is being sent
    bool stopping = false;
    unsigned gapMs = 0;
    std::thread thread;
};

// Sends the events now when there is no pause and nothing queued before them; otherwise they
// join the queue, in order.
void SendOrQueue(InputSender& s, std::vector<INPUT> inputs);
void MoveCursorOrQueue(InputSender& s, POINT p);
void SetSenderGap(InputSender& s, unsigned ms);
// Whether events are queued or being sent.
bool SenderBusy(InputSender& s);
// Sends what is still queued, then ends the thread.
void StopSender(InputSender& s);
