#include "keyout/KeyScript.h"

#include "keyout/Primitives.h"
#include "platform/keys.h"

#include <cmath>
#include <optional>
#include <set>
#include <string>

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

void Tap(Platform& p, std::uint8_t key) {
    p.keyEvent(key, false);
    p.keyEvent(key, true);
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

// A character that no key gives goes in through the clipboard, borrowed for this call.
struct ClipboardLoan {
    bool inUse = false;
    std::optional<std::string> saved;
};

void PasteCharacter(Platform& p, KeyOutState& k, char c, ClipboardLoan& loan) {
    if (!loan.inUse) {
        loan.saved = p.clipboardText();
        const bool literal = k.literalMode;
        k.literalMode = false;
        TypeKeyScript(p, k, " {+L}{^c}{B1}");
        k.literalMode = literal;
    }
    Pause(p, 0.01f);
    p.clearClipboard();
    Pause(p, 0.01f);
    p.setClipboardText(std::string(1, c));
    Pause(p, 0.01f);
    loan.inUse = true;
    p.keyEvent(vk::Control, false);
    Tap(p, 'V');
    PollKey(p, 'V');
    p.keyEvent(vk::Control, true);
    PollKey(p, vk::Control);
}

void TypeCharacter(Platform& p, KeyOutState& k, char c, ClipboardLoan& loan) {
    if (c == '\n') return;
    const std::int16_t scan = p.keyForChar(c);
    // A character that needs Ctrl or Alt (AltGr on many layouts) is pasted: pressing only
    // Shift for it, as a plain key press would, types a different character.
    if (scan < 0 || (scan & 0x600) != 0) return PasteCharacter(p, k, c, loan);
    const auto key = static_cast<std::uint8_t>(scan & 0xFF);
    const bool shift = (scan & 0x100) != 0 && !(k.capsLock && c >= 'A' && c <= 'Z');
    if (shift) p.keyEvent(vk::Shift, false);
    Tap(p, key);
    if (shift) p.keyEvent(vk::Shift, true);
    PollKey(p, key);
    PollKey(p, vk::Shift);
}

// The keys a script pressed with a hold token ("{^+}") and has not let go of yet. The script
// lets go of them when it ends: the program never stays holding a key, which its own waits for
// a hotkey's release would wait for without end, and which would turn the user's next letters
// into chords.
using HeldKeys = std::set<std::uint8_t>;

void PerformKeyToken(Platform& p, KeyOutState& k, char c1, char c2, HeldKeys& held) {
    PollKey(p, vk::Shift);
    PollKey(p, vk::LShift);
    PollKey(p, vk::RShift);
    const bool shortWait = c1 == 'w';
    if (c1 == 'X' || c1 == 'x' || c1 == 'Y' || c1 == 'y' || c1 == 'M') {
        MouseToken(p, c1, c2);
    } else if (c1 = Upper(c1); IsDigit(c1) && (IsDigit(c2) || (c2 >= 'A' && c2 <= 'F'))) {
        const auto key = static_cast<std::uint8_t>(HexValue(c1) * 16 + HexValue(c2));
        Tap(p, key);
        PollKey(p, key);
    } else {
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
        for (int n = 0; n < count; ++n) {
            if (shortWait) {
                Pause(p, 0.01f);
                continue;
            }
            if (c1 == 'W') {
                p.sleepMs(500);
                continue;
            }
            if (c1 == '!' || c1 == '?') {
                p.keyEvent(vk::Control, false);
                p.keyEvent(c1 == '!' ? vk::Shift : vk::Menu, false);
            } else if (key && !letGo) {
                p.keyEvent(key, false);
            }
            if (second) Tap(p, second);
            if (c1 == '!' || c1 == '?') {
                ReleaseShiftKeys(p);
                ReleaseCtrlKeys(p);
                ReleaseAltKeys(p);
            } else if (key && !hold) {
                p.keyEvent(key, true);
                held.erase(key);
            } else if (key) {
                held.insert(key);
            }
            if (second) PollKey(p, second);
            if (key) PollKey(p, key);
        }
    }
    WaitForTick(p, k, 0.5f);
    if (c1 != '^') WaitForTick(p, k, 0.5f);
}

void LetGo(Platform& p, const HeldKeys& held) {
    for (std::uint8_t key : held) {
        p.keyEvent(key, true);
        PollKey(p, key);
    }
}

} // namespace

void TypeKeyScript(Platform& p, KeyOutState& k, std::string_view script) {
    const bool tokens = !k.literalMode;
    ReleaseShiftKeys(p);
    ClipboardLoan loan;
    HeldKeys held;
    const std::size_t n = script.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = script[i];
        if (tokens && c == '{' && i + 3 < n) {
            if (script[i + 1] == '\'') {
                while (i < n - 1 && script[i] != '}') ++i;
                continue;
            }
            if (script[i + 3] == '}') {
                PerformKeyToken(p, k, script[i + 1], script[i + 2], held);
                i += 3;
                continue;
            }
        }
        TypeCharacter(p, k, c, loan);
    }
    LetGo(p, held);
    for (std::uint8_t key = vk::KeyA; key <= vk::KeyZ; ++key) PollKey(p, key);
    if (loan.inUse) {
        p.doEvents();
        Pause(p, 0.01f);
        p.clearClipboard();
        Pause(p, 0.01f);
        if (loan.saved) p.setClipboardText(*loan.saved);
        PollKey(p, vk::Space);
    }
}
