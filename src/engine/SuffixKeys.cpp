#include "engine/SuffixKeys.h"

#include "engine/Core.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"

#include <algorithm>

namespace {

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return s;
}

} // namespace

bool IsSuffixKey(std::uint8_t key) {
    return key == vk::Oem4 || key == vk::Oem6 || key == vk::OemPlus;
}

std::string SuffixFor(std::uint8_t key, bool shift, std::string_view pendingOutput) {
    switch (key) {
    case vk::Oem4:
        return shift ? "ness" : "s";
    case vk::Oem6:
        if (shift) return "ing";
        return pendingOutput.ends_with('e') ? "d" : "ed";
    case vk::OemPlus:
        return shift ? "ment" : "ly";
    default:
        return "";
    }
}

std::string WithSuffix(std::string text, std::string_view suffix) {
    if ((suffix == "ing" || suffix == "ING") && text.ends_with('e')) text.pop_back();
    return text + std::string(suffix);
}

void ApplySuffixKey(Core& core, const PassReadings& k) {
    const std::uint8_t key = core.engine.word.currentKey;
    if (!IsSuffixKey(key)) return;
    ExpansionState& x = core.engine.expansion;
    const std::string suffix = SuffixFor(key, k.shift, x.pendingOutput);
    if (x.pendingSuffix.empty()) x.pendingSuffix = suffix;
    x.pendingOutput = WithSuffix(x.pendingOutput, core.out.capsLock ? Upper(suffix) : suffix);
    if (key == vk::Oem6) {
        // Read released from now on, so that the key still held is not taken as a new press.
        core.platform.keyEvent(vk::Oem6, true);
        PollKey(core.platform, vk::Oem6);
    }
}

void ApplyPendingSuffix(Core& core) {
    ExpansionState& x = core.engine.expansion;
    // With no expansion shown the ending alone is no word to look up.
    if (!x.lastExpansionShown.empty())
        x.lastExpansionShown = WithSuffix(x.lastExpansionShown, x.pendingSuffix);
    x.pendingSuffix.clear();
}
