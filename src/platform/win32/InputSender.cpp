#include "platform/win32/InputSender.h"

#include "platform/win32/Keyboard.h"

#include <functional>

namespace {

void Send(SenderItem& item) {
    if (item.cursor)
        SetCursorPos(item.cursor->x, item.cursor->y);
    else
        SendInput(1, &item.input, sizeof(INPUT));
}

void RunSender(InputSender& s) {
    std::unique_lock lock(s.mutex);
    ULONGLONG lastSent = 0;
    for (;;) {
        s.wake.wait(lock, [&s] { return s.stopping || !s.items.empty(); });
        if (s.items.empty()) return;
        SenderItem item = s.items.front();
        s.items.pop_front();
        s.sending = true;
        const unsigned gap = s.gapMs;
        lock.unlock();
        const ULONGLONG since = GetTickCount64() - lastSent;
        if (lastSent != 0 && since < gap) Sleep(static_cast<DWORD>(gap - since));
        Send(item);
        lastSent = GetTickCount64();
        lock.lock();
        s.sending = false;
    }
}

// True when the items were queued; false when the caller sends them now.
bool Queue(InputSender& s, std::vector<SenderItem>& items) {
    {
        std::lock_guard lock(s.mutex);
        if (s.gapMs == 0 && s.items.empty() && !s.sending) return false;
        s.items.insert(s.items.end(), items.begin(), items.end());
    }
    if (!s.thread.joinable()) s.thread = std::thread(RunSender, std::ref(s));
    s.wake.notify_one();
    return true;
}

} // namespace

void SendOrQueue(InputSender& s, std::vector<INPUT> inputs) {
    if (inputs.empty()) return;
    std::vector<SenderItem> items(inputs.size());
    for (std::size_t i = 0; i < inputs.size(); ++i) items[i].input = inputs[i];
    if (!Queue(s, items)) SendInputs(inputs);
}

void MoveCursorOrQueue(InputSender& s, POINT p) {
    std::vector<SenderItem> items(1);
    items[0].cursor = p;
    if (!Queue(s, items)) SetCursorPos(p.x, p.y);
}

void SetSenderGap(InputSender& s, unsigned ms) {
    std::lock_guard lock(s.mutex);
    s.gapMs = ms;
}

bool SenderBusy(InputSender& s) {
    std::lock_guard lock(s.mutex);
    return s.sending || !s.items.empty();
}

void StopSender(InputSender& s) {
    {
        std::lock_guard lock(s.mutex);
        s.stopping = true;
    }
    s.wake.notify_one();
    if (s.thread.joinable()) s.thread.join();
}
