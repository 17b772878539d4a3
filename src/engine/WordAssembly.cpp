#include "engine/WordAssembly.h"

#include "engine/Captions.h"
#include "engine/CaretSearch.h"
#include "engine/Core.h"
#include "engine/DefineMode.h"
#include "engine/Delimiter.h"
#include "engine/Hotkeys.h"
#include "engine/KeyClassification.h"
#include "engine/LookAhead.h"
#include "engine/LookUp.h"
#include "engine/MainLoop.h"
#include "engine/SuffixKeys.h"
#include "keyout/KeyFlush.h"
#include "keyout/KeyScript.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"

namespace {

void PopLetter(WordState& w) {
    w.currentWord.pop_back();
    if (!w.typedWord.empty()) w.typedWord.pop_back();
}

bool IsEditingKey(std::uint8_t key) {
    return key == vk::Back || key == vk::Left || key == vk::Right || key == vk::Delete;
}

PassEnd ProcessBackspace(Core& core, bool shortening) {
    WordState& w = core.engine.word;
    ExpansionState& x = core.engine.expansion;
    if (!shortening) {
        if (w.currentWord.empty()) {
            // Only a delimiter or nothing went: the next letter starts a word.
            w.wordStartCount = 0;
        } else if (w.wordActive && x.highlightShown) {
            // The Backspace took the selected suggestion, not a letter: the word stands.
            x.highlightShown = false;
            ResetDisplay(core);
            return PassEnd::Processed;
        } else if (w.wordActive) {
            PopLetter(w);
            if (w.wordStartCount > 1) w.wordStartCount -= 2;
            if (!w.currentWord.empty()) {
                LookUpWhileTyping(core);
                return PassEnd::Processed;
            }
            w.wordStartCount = 0;
        } else {
            PopLetter(w);
        }
        w.wordActive = false;
        ResetDisplay(core);
        return PassEnd::Processed;
    }
    if (!w.currentWord.empty()) PopLetter(w);
    // The user's Backspace took away the selected suggestion; this one takes the letter.
    if (core.engine.expansion.highlightShown) TypeKeyScript(core.platform, core.out, "\b");
    ReleaseShiftKeys(core.platform);
    PollKey(core.platform, vk::Capital);
    LookUpWhileTyping(core);
    return PassEnd::Processed;
}

// The caret went somewhere the program did not follow, or a chord acted on the text: what is
// typed next is not the word typed so far.
void EndWordWithoutExpanding(Core& core) {
    WordState& w = core.engine.word;
    ClearWord(w);
    w.wordStartCount = 0;
    w.wordActive = false;
    core.engine.expansion.armed = false;
    ResetDisplay(core);
}

// The expander's own Alt hotkeys work on the word being typed, so they leave it standing.
bool IsWordHotkey(const PassReadings& k, std::uint8_t key) {
    return k.alt && !k.ctrl && (key == 'S' || key == 'D' || key == 'P' || key == 'C');
}

bool CaretMoved(Core& core, const PassReadings& k) {
    if (k.leftButton) return true;
    for (std::uint8_t key : {vk::Up, vk::Down, vk::Home, vk::End, vk::Prior, vk::Next})
        if (PollKey(core.platform, key) != 0) return true;
    return false;
}

PassEnd ProcessContinuingKey(Core& core, const PassReadings& k) {
    Platform& p = core.platform;
    WordState& w = core.engine.word;
    p.doEvents();
    const char c = w.currentChar.size() == 1 ? w.currentChar[0] : '\0';
    const bool letter = c >= 'a' && c <= 'z';
    if (k.ctrl || k.alt || (k.leftWin && letter)) {
        if (k.ctrl) RunCtrlHotkeys(core);
        if (k.alt) RunAltHotkeys(core);
        // A chord's letter belongs to no word, and what it did (select all, jump) leaves the
        // caret where the next word is free to start.
        if (letter && !IsWordHotkey(k, w.currentKey)) EndWordWithoutExpanding(core);
        // Still held after the modifier comes up, the key is the chord's, not a new press.
        w.lastKey = w.currentKey;
        return PassEnd::Stopped;
    }
    // Held down with no new press since the last reading: the press was already taken.
    if (w.currentKey == w.lastKey && (w.lastRangeReading == 0 || w.lastRangeReading == -32768))
        return PassEnd::Stopped;
    w.lastKey = w.currentKey;
    if (!IsEditingKey(w.currentKey)) {
        ++core.stats.charsTyped;
        AccumulateTypingTime(core);
    }
    // The loop looks at the foreground window only every so many passes, a fifth of a second
    // apart once the keyboard has rested: a word begun right after the user switched windows
    // is the new window's, not one the late look would take as left behind.
    if (letter && w.wordStartCount == 0 && w.currentWord.empty()) {
        const bool wasPaused = core.engine.targetProgram.paused;
        FollowForegroundWindow(core, false);
        // Into or out of a paused program the pause has set the word state afresh.
        if (core.engine.targetProgram.paused != wasPaused) return PassEnd::Stopped;
    }
    DiscardShiftAndCapsLock(p);
    const bool shortening = w.currentKey == vk::Back && (k.shift || k.leftWin);
    if (!shortening)
        ++w.wordStartCount;
    else if (w.wordStartCount > 0)
        --w.wordStartCount;
    core.engine.expansion.armed = false;
    // The key now reads released, so only a new press or the keyboard's repeat is seen again.
    p.keyEvent(w.currentKey, true);
    PollKey(p, w.currentKey);
    if (w.currentKey == vk::F2) {
        ReleaseShiftKeys(p);
        TypeKeyScript(p, core.out, ".");
    }
    if (w.currentKey == vk::F6) core.windows.toggleQuibList();
    if (w.currentKey == vk::Back) return ProcessBackspace(core, shortening);
    if (!letter) {
        if (w.currentKey == vk::Delete && w.currentWord.empty()) w.wordStartCount = 0;
        w.wordActive = false;
        ResetDisplay(core);
        return PassEnd::Processed;
    }
    // Only the short form d can turn into a capital And, and only right after a Shift+D.
    w.capitalD = c == 'd' && k.shift;
    if (w.wordStartCount == 1) {
        w.firstLetter = c;
        w.wordActive = true;
        ResetLookAhead(core);
    }
    w.currentWord += c;
    w.typedWord += k.shift ? static_cast<char>(c - 'a' + 'A') : c;
    core.engine.expansion.highlightShown = false;
    LookUpWhileTyping(core);
    return PassEnd::Processed;
}

} // namespace

PassEnd ProcessPassKey(Core& core, const PassReadings& readings) {
    WordState& w = core.engine.word;
    const std::optional<ClassifiedKey> key = ClassifyKey(core, readings);
    PassReadings k = readings;
    if (!key) {
        if (CaretMoved(core, k)) EndWordWithoutExpanding(core);
        RunLookAhead(core);
        RunCaretSearch(core);
        w.currentKey = 0;
        w.lastKey = 0;
        return PassEnd::Idle;
    }
    w.previousChar = w.currentChar;
    w.currentChar = key->character;
    w.currentKey = key->key;
    w.typedChar = key->typed;
    w.typedWithAltGr = key->altGr;
    if (key->altGr) {
        k.alt = false;
        k.ctrl = k.rightCtrl;
    }
    if (key->delimiter) {
        ApplySuffixKey(core);
        return RunDelimiterSequence(core, k) ? PassEnd::Processed : PassEnd::Stopped;
    }
    const PassEnd end = ProcessContinuingKey(core, k);
    if (!InNormalMode(core)) core.windows.setMainCaption(kCaptionDefining);
    return end;
}

void ApplyWordBoundary(Core& core) {
    WordState& w = core.engine.word;
    const std::string& c = w.currentChar;
    const std::string& before = w.previousChar;
    const bool continuesWord =
        !IsSuppressorChar(w.typedChar) &&
        (c == "." || c == "\\" || (c == "'" && before != " " && before != "\t" && before != "\r"));
    if (!continuesWord) w.wordStartCount = 0;
    w.previousWord = w.currentWord;
    ClearWord(w);
    core.windows.setMainCaption(w.wordStartCount == 0 ? kCaption : kCaptionInWord);
}

void ClearWord(WordState& w) {
    w.currentWord.clear();
    w.typedWord.clear();
}

void ResetWordState(Core& core) {
    WordState& w = core.engine.word;
    w.currentChar.assign(1, ' ');
    w.currentKey = vk::Space;
    w.typedChar = ' ';
    w.lastKey = 0;
    w.wordStartCount = 0;
    // The word typed before the expander went off is gone from view: it must not prefix the next.
    ClearWord(w);
    w.wordActive = false;
    core.engine.expansion.armed = false;
}
