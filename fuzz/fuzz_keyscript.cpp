// Key scripts, as stored expansions and the files the program reads hand them over, typed into
// the Document of the simulated desktop. Waits run on its virtual clock, but every wait is still a
// busy loop of readings and event steps: a token costs a few milliseconds, and the longest one
// ("{w~}", 71 pauses of 10 ms) about a tenth of a second. Scripts are capped at 32 bytes, so one
// run takes milliseconds and the worst about a second.
//
// Input: one byte of flags (bit 0 literal mode, bit 1 the Caps Lock flag, bit 2 the clipboard
// holds a text before the script runs), then the script. "0" to "7" make readable seeds.
#include "FuzzCheck.h"
#include "keyout/KeyScript.h"
#include "platform/keys.h"
#include "platform/sim/SimDesktop.h"

#include <optional>
#include <string>

namespace {

constexpr std::size_t MaxScript = 32;

// Whether a token could press Ctrl together with another key, and so copy or cut into the
// clipboard the script is given.
bool MayUseCtrl(std::string_view script) {
    return script.find_first_of("^!?") != std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size - 1 > MaxScript) return 0;
    const std::uint8_t flags = data[0];
    const std::string_view script = InputText(data + 1, size - 1);

    SimDesktop sim{""};
    KeyOutState k;
    k.literalMode = (flags & 1) != 0;
    k.capsLock = (flags & 2) != 0;
    if (flags & 4) sim.clipboard() = "clip\r\nboard";
    const std::optional<std::string> clipboardBefore = sim.clipboard();

    TypeKeyScript(sim, k, script);

    const bool tokens = !k.literalMode;
    // Not even one a hold token pressed: the script's end lets go of it.
    for (int key = 0; key < 256; ++key)
        Require(!sim.isDown(static_cast<std::uint8_t>(key)), "no key is left down");
    if (!(tokens && MayUseCtrl(script)))
        Require(sim.clipboard() == clipboardBefore, "a borrowed clipboard is given back");
    const SimEditor& document = sim.document();
    Require(document.caret <= document.text.size() && document.anchor <= document.text.size(),
            "the Document's caret stays inside its text");
    if (k.literalMode && !k.capsLock &&
        script.find_first_of(std::string_view("\n\r\t\b\x1B", 5)) == std::string_view::npos)
        Require(document.text == script, "literal mode types exactly the script");
    return 0;
}
