#pragma once

#include <array>
#include <cstdint>
#include <deque>

// The keyboard as the program reads it on Windows: the user's key events in the order they
// happened, served to the asynchronous readings one press at a time, so that keys pressed
// while the program was busy are read in their order, each in a pass of its own. No Windows
// header: the serving is plain logic, tested on its own.

// One event of the user's keyboard. Modifiers are sided (left or right Shift, Ctrl, Alt).
struct UserKey {
    std::uint8_t key = 0;
    bool up = false;
    char ch = 0; // a press: what the layout gave it then, Windows-1252; 0 when nothing
};

struct KeyQueue {
    std::deque<UserKey> pending;  // received, not yet served
    std::array<bool, 256> held{}; // the user's keys as received, served or not
    std::array<bool, 256> down{}; // as served
    std::array<bool, 256> pressed{};
    std::array<char, 256> pressChar{};    // of the press that set `pressed`
    std::array<char, 256> reportedChar{}; // of the latest press a reading reported
    // The press served last. Whatever came after it waits until the pass of the main loop that
    // read it is over, so that a pass reads one new press, with the keys held at that press.
    bool serving = false;
    std::uint8_t servingKey = 0;
    bool taken = false;  // a reading has reported it
    int passesSince = 0; // loop heads since it was served, or since it was taken
    double servedAt = 0;
    std::array<int, 256> readsSince{}; // readings of each key since it was served
    bool waiting = false; // the pass reads one key over and over: it waits for something
    std::array<double, 256> servedDownAt{}; // when each key's latest press was served
};

// A key read this often since the press was served: the pass is in a wait (for a hotkey's keys
// to be let go, say), and needs the events after the press. In a wait a press is done with
// after kWaitServe; in any pass after kLongestServe, so that nothing waits on a key for ever.
inline constexpr int kWaitReadings = 32;
inline constexpr double kWaitServe = 0.05;
inline constexpr double kLongestServe = 0.5;
// How long after a press the system's own state may still read the key up: Wine answers a key it
// last read up from its cache for 50 ms, unless the process itself has sent input since.
inline constexpr double kSystemStateLag = 0.25;

// The key of a raw keyboard event (Raw Input's virtual key, make code and E0 prefix), with the
// side of a modifier; 0 for an event that is no key of its own (the Shift that the keyboard
// fakes around a navigation key, the prefix of Pause, a character typed as itself).
std::uint8_t KeyOfRawEvent(unsigned virtualKey, unsigned makeCode, bool e0);
// A key the user already holds when the program starts: down, not pressed.
void HoldAtStart(KeyQueue& q, std::uint8_t key);
// The user's event, at the end of the queue.
void QueueUserKey(KeyQueue& q, const UserKey& k);
// The program's own synthetic event, just sent: it moves the state read at once, as it does on
// the desktop, and is nobody's typing to serve.
void ApplyOwnKey(KeyQueue& q, std::uint8_t key, bool up);
// Whether the desktop's word that a key is up may overrule the state served: the key reads down,
// every event received has been served, and its press is older than the system's lag.
bool SystemMayReleaseKey(const KeyQueue& q, std::uint8_t key, double now);
// A key the desktop reports up while the state served says down (its release went where the
// program could not see it, to the secure desktop say): up from now on.
void ForgetHeldKey(KeyQueue& q, std::uint8_t key);
// Serves the user's events up to the next press, once the press served before it is done with.
void ServeKeys(KeyQueue& q, double now);
// An asynchronous reading: 0x8000 while down, 0x0001 when pressed since the previous reading
// of the key, which clears it.
std::int16_t ReadAsyncKey(KeyQueue& q, std::uint8_t key);
// The main loop is at its head: a pass is over.
void EndPass(KeyQueue& q);
// The character of the latest press of the key that a reading reported; 0 when none.
char ReportedChar(const KeyQueue& q, std::uint8_t key);
// Whether every event received has been served, so the state served is the current one.
bool AllServed(const KeyQueue& q);
