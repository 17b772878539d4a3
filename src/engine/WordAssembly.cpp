#include "engine/WordAssembly.h"

#include "app/App.h"
#include "engine/CaretSearch.h"
#include "engine/ClipHooks.h"
#include "engine/DefineMode.h"
#include "engine/Delimiter.h"
#include "engine/Display.h"
#include "engine/Hotkeys.h"
#include "engine/KeyClassification.h"
#include "engine/LookAhead.h"
#include "engine/LookUp.h"
#include "engine/MainLoop.h"
#include "engine/SuffixKeys.h"
#include "keyout/KeyScript.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"

namespace {

bool IsEditingKey(std::uint8_t key) {
    return key == vk::Back || key == vk::Left || key == vk::Right || key == vk::Delete;
}

PassEnd ProcessBackspace(App& app, bool shortening) {
    WordState& w = app.engine.word;
    if (!w.currentWord.empty()) w.currentWord.pop_back();
    if (!shortening) {
        w.wordActive = false;
        ResetDisplay(app);
        return PassEnd::Processed;
    }
    // The user's Backspace took away the selected suggestion; this one takes the letter.
    if (app.engine.expansion.highlightShown) TypeKeyScript(app.platform, app.out, "\b");
    ReleaseShiftKeys(app.platform);
    PollKey(app.platform, vk::Capital);
    LookUpWhileTyping(app);
    return PassEnd::Processed;
}

PassEnd ProcessContinuingKey(App& app, const PassReadings& k) {
    Platform& p = app.platform;
    WordState& w = app.engine.word;
    p.doEvents();
    if (k.ctrl || k.alt) {
        if (k.ctrl) RunCtrlHotkeys(app);
        if (k.alt) RunAltHotkeys(app);
        return PassEnd::Stopped;
    }
    // Held down with no new press since the last reading: the press was already taken.
    if (w.currentKey == w.lastKey && (w.lastRangeReading == 0 || w.lastRangeReading == -32768))
        return PassEnd::Stopped;
    w.lastKey = w.currentKey;
    if (!IsEditingKey(w.currentKey)) {
        ++app.stats.charsTyped;
        AccumulateTypingTime(app);
    }
    DiscardShiftAndCapsLock(p);
    const bool shortening = w.currentKey == vk::Back && (k.shift || k.leftWin);
    if (!shortening)
        ++w.wordStartCount;
    else if (w.wordStartCount > 0)
        --w.wordStartCount;
    app.engine.expansion.armed = false;
    // The key now reads released, so only a new press or the keyboard's repeat is seen again.
    p.keyEvent(w.currentKey, true);
    PollKey(p, w.currentKey);
    if (w.currentKey == vk::F2) {
        ReleaseShiftKeys(p);
        TypeKeyScript(p, app.out, ".");
    }
    if (w.currentKey == vk::F6) ToggleQuibList(app);
    const char c = w.currentChar.size() == 1 ? w.currentChar[0] : '\0';
    const bool letter = c >= 'a' && c <= 'z';
    if (w.currentKey == vk::Back) return ProcessBackspace(app, shortening);
    if (!letter) {
        w.wordActive = false;
        ResetDisplay(app);
        return PassEnd::Processed;
    }
    // Only the short form d can turn into a capital And, and only right after a Shift+D.
    w.capitalD = c == 'd' && k.shift;
    if (w.wordStartCount == 1) {
        w.firstLetter = c;
        w.wordActive = true;
        ResetLookAhead(app);
    }
    w.currentWord += c;
    app.engine.expansion.highlightShown = false;
    LookUpWhileTyping(app);
    return PassEnd::Processed;
}

} // namespace

PassEnd ProcessPassKey(App& app, const PassReadings& k) {
    WordState& w = app.engine.word;
    const std::optional<ClassifiedKey> key = ClassifyKey(app, k);
    if (!key) {
        RunLookAhead(app);
        RunCaretSearch(app);
        w.currentKey = 0;
        w.lastKey = 0;
        return PassEnd::Idle;
    }
    w.previousChar = w.currentChar;
    w.currentChar = key->character;
    w.currentKey = key->key;
    if (key->delimiter) {
        ApplySuffixKey(app, k);
        return RunDelimiterSequence(app, k) ? PassEnd::Processed : PassEnd::Stopped;
    }
    const PassEnd end = ProcessContinuingKey(app, k);
    if (!InNormalMode(app)) SetMainCaption(app, kCaptionDefining);
    return end;
}

void ApplyWordBoundary(App& app) {
    WordState& w = app.engine.word;
    const std::string& c = w.currentChar;
    const std::string& before = w.previousChar;
    const bool continuesWord =
        w.currentKey != vk::Oem3 &&
        (c == "." || c == "\\" || (c == "'" && before != " " && before != "\t" && before != "\r"));
    if (!continuesWord) w.wordStartCount = 0;
    w.previousWord = w.currentWord;
    w.currentWord.clear();
    SetMainCaption(app, w.wordStartCount == 0 ? kCaption : kCaptionInWord);
}

void ResetWordState(App& app) {
    WordState& w = app.engine.word;
    w.currentChar.assign(1, ' ');
    w.currentKey = vk::Space;
    w.lastKey = 0;
    w.wordStartCount = 0;
    // The word typed before the expander went off is gone from view: it must not prefix the next.
    w.currentWord.clear();
    w.wordActive = false;
    app.engine.expansion.armed = false;
}
