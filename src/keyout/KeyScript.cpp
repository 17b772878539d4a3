#include "keyout/KeyScript.h"

#include "keyout/Primitives.h"
#include "platform/keys.h"

#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Keys named by a token character; 0 when the character names none.
std::uint8_t TokenKey(char c) {
    switch (c) {
    case 'B':
        return vk::Back;
    case 'C':
        return vk::Delete;
    case 'H':
        return vk::Home;
    case 'E':
        return vk::End;
    case 'D':
        return vk::Down;
    case 'U':
        return vk::Up;
    case 'L':
        return vk::Left;
    case 'R':
        return vk::Right;
    case 'T':
        return vk::Tab;
    case 'P':
        return vk::Prior;
    case 'Q':
        return vk::Next;
    case 'N':
        return vk::Return;
    case 'S':
        return vk::Escape;
    case 'I':
        return vk::Insert;
    case '^':
        return vk::Control;
    case '%':
        return vk::Menu;
    case '+':
        return vk::Shift;
    case '@':
        return vk::LWin;
    case '#':
        return vk::Apps;
    case '*':
        return vk::Capital;
    default:
        return 0;
    }
}

bool IsModifierChar(char c) {
    switch (c) {
    case '+':
    case '!':
    case '?':
    case '@':
    case '#':
    case '%':
    case '^':
    case '*':
    case ' ':
        return true;
    default:
        return false;
    }
}

std::uint8_t KeyOf(std::int16_t scan) {
    return scan < 0 ? 0 : static_cast<std::uint8_t>(scan & 0xFF);
}

int HexValue(char c) {
    return IsDigit(c) ? c - '0' : c - 'A' + 10;
}

// The events gathered for one uninterrupted run, sent when the script must wait, click or ends.
struct Run {
    std::vector<InputEvent> events;
    // Keys a hold token pressed and nothing has let go of yet; let go of when the script ends,
    // so the program never leaves a key down (and never waits for a release it would itself
    // have to make).
    std::set<std::uint8_t> held;
};

void Press(Run& run, std::uint8_t key, bool up) {
    run.events.push_back({InputEvent::Kind::Key, key, up, 0});
}

void Tap(Run& run, std::uint8_t key) {
    Press(run, key, false);
    Press(run, key, true);
}

// The run's own key presses are read once it is sent, so that the next reading does not take
// them for the user's typing. The desktop reports them pressed from the call on, even when a gap
// between its events makes the run arrive later.
void Send(Platform& p, Run& run) {
    if (run.events.empty()) return;
    p.sendInput(run.events);
    for (const InputEvent& e : run.events)
        if (e.kind == InputEvent::Kind::Key && !e.up) PollKey(p, e.key);
    run.events.clear();
}

void MouseToken(Platform& p, char c1, char c2) {
    if (c1 == 'M') {
        const std::optional<MouseButton> button = c2 == 'l' || c2 == ' ' ? MouseButton::Left
                                                  : c2 == 'r'            ? MouseButton::Right
                                                  : c2 == 'm' ? std::optional(MouseButton::Middle)
                                                              : std::nullopt;
        if (button) {
            p.mouseButton(*button, false);
            p.mouseButton(*button, true);
        }
        return;
    }
    if (!IsDigit(c2)) return;
    const double d = c2 - '0';
    const double width = p.screenWidthPixels();
    const double height = p.screenHeightPixels();
    PixelPoint pos = p.cursorPos();
    const auto round = [](double v) { return static_cast<int>(std::lround(v)); };
    switch (c1) {
    case 'X':
        pos.x = round(d / 10 * width);
        break;
    case 'Y':
        pos.y = round(d / 10 * height);
        break;
    case 'x':
        pos.x += d == 0 ? 1 : round(d / 100 * width);
        break;
    default:
        pos.y += d == 0 ? 1 : round(d / 100 * height);
        break;
    }
    p.setCursorPos(pos);
}

void TypeCharacter(Platform& p, Run& run, const KeyOutState& k, char c) {
    if (c == '\n') return;
    const std::int16_t scan = p.keyForChar(c);
    // A character that needs Ctrl or Alt (AltGr on many layouts) goes as itself: pressing only
    // Shift for it, as a plain key press would, types a different character.
    if (scan < 0 || (scan & 0x600) != 0) {
        run.events.push_back({InputEvent::Kind::Char, 0, false, c});
        return;
    }
    const auto key = static_cast<std::uint8_t>(scan & 0xFF);
    const bool shift = (scan & 0x100) != 0 && !(k.capsLock && c >= 'A' && c <= 'Z');
    if (shift) Press(run, vk::Shift, false);
    Tap(run, key);
    if (shift) Press(run, vk::Shift, true);
}

void ReleaseAll(Run& run, std::uint8_t generic, std::uint8_t left, std::uint8_t right) {
    for (std::uint8_t key : {generic, left, right}) Press(run, key, true);
}

// Returns whether the token was a key, which the run takes; waits and mouse actions end the run.
bool PerformKeyToken(Platform& p, Run& run, KeyOutState& k, char c1, char c2) {
    const bool shortWait = c1 == 'w';
    if (c1 == 'X' || c1 == 'x' || c1 == 'Y' || c1 == 'y' || c1 == 'M') {
        Send(p, run);
        MouseToken(p, c1, c2);
        return false;
    }
    if (c1 = Upper(c1); IsDigit(c1) && (IsDigit(c2) || (c2 >= 'A' && c2 <= 'F'))) {
        Tap(run, static_cast<std::uint8_t>(HexValue(c1) * 16 + HexValue(c2)));
        return true;
    }
    const std::uint8_t key = TokenKey(c1);
    const bool modifier = IsModifierChar(c1);
    std::uint8_t second = 0;
    bool hold = false;
    bool letGo = false;
    int count = 1;
    if (modifier) {
        if (c2 >= 'A' && c2 <= 'Z')
            second = TokenKey(c2);
        else if (c2 == '+')
            hold = true;
        else if (c2 == '-')
            letGo = true;
        else if (c2 != ' ')
            second = KeyOf(p.keyForChar(Upper(c2)));
        k.keyTokenCorrection += 2;
    } else {
        count = IsDigit(c2) ? c2 - '0' : Upper(c2) - 55;
        k.keyTokenCorrection += 4 - count;
    }
    if (shortWait || c1 == 'W') {
        Send(p, run);
        for (int n = 0; n < count; ++n) {
            if (shortWait)
                Pause(p, 0.01f);
            else
                p.sleepMs(500);
        }
        return false;
    }
    for (int n = 0; n < count; ++n) {
        if (c1 == '!' || c1 == '?') {
            Press(run, vk::Control, false);
            Press(run, c1 == '!' ? vk::Shift : vk::Menu, false);
        } else if (key && !letGo) {
            Press(run, key, false);
        }
        if (second) Tap(run, second);
        if (c1 == '!' || c1 == '?') {
            ReleaseAll(run, vk::Shift, vk::LShift, vk::RShift);
            ReleaseAll(run, vk::Control, vk::LControl, vk::RControl);
            ReleaseAll(run, vk::Menu, vk::LMenu, vk::RMenu);
        } else if (key && !hold) {
            Press(run, key, true);
            run.held.erase(key);
        } else if (key) {
            run.held.insert(key);
        }
        // Caps Lock toggles on its press; one held by the script is let go at once, since
        // nobody else would, and the program's record follows it for the run's capitals.
        if (key == vk::Capital && !letGo) {
            if (hold) {
                Press(run, key, true);
                run.held.erase(key);
            }
            k.capsLock = !k.capsLock;
        }
    }
    return true;
}

// A token that only waits, erases, or moves the caret along the line.
bool EditsOrWaits(char c1) {
    if (c1 == 'w' || c1 == 'W') return true;
    const std::uint8_t key = TokenKey(Upper(c1));
    return key == vk::Back || key == vk::Delete || key == vk::Left || key == vk::Right ||
           key == vk::Home || key == vk::End;
}

} // namespace

bool SendsCommandKeys(std::string_view script, bool literal) {
    const std::size_t n = script.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = script[i];
        if (!literal && c == '{' && i + 3 < n) {
            if (script[i + 1] == '\'') {
                while (i < n - 1 && script[i] != '}') ++i;
                continue;
            }
            if (script[i + 3] == '}') {
                if (!EditsOrWaits(script[i + 1])) return true;
                i += 3;
                continue;
            }
        }
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\b' && c != '\n') || u == 0x7F) return true;
    }
    return false;
}

void TypeKeyScript(Platform& p, KeyOutState& k, std::string_view script, std::string_view after) {
    const bool tokens = !k.literalMode;
    if (k.terminalWindow != 0 && p.foregroundWindow() == k.terminalWindow &&
        (SendsCommandKeys(script, !tokens) || SendsCommandKeys(after, true))) {
        p.beep();
        return;
    }
    Run run;
    ReleaseAll(run, vk::Shift, vk::LShift, vk::RShift);
    bool keyTokens = false;
    const std::size_t n = script.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = script[i];
        if (tokens && c == '{' && i + 3 < n) {
            if (script[i + 1] == '\'') {
                while (i < n - 1 && script[i] != '}') ++i;
                continue;
            }
            if (script[i + 3] == '}') {
                keyTokens = PerformKeyToken(p, run, k, script[i + 1], script[i + 2]) || keyTokens;
                i += 3;
                continue;
            }
        }
        TypeCharacter(p, run, k, c);
    }
    for (std::uint8_t key : run.held) Press(run, key, true);
    for (char c : after) TypeCharacter(p, run, k, c);
    Send(p, run);
    // Key tokens (a copy, a menu key) act on the application, which is given its moment before
    // the caller goes on, as it was given one after each of them before runs.
    if (keyTokens) WaitForTick(p, k, 0.5f);
}
