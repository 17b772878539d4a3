#pragma once

#include "engine/PassReadings.h"

#include <cstdint>
#include <string>
#include <string_view>

struct Core;

// The left bracket, right bracket and equals keys end a word with an English ending attached to
// its expansion: [ s, Shift+[ ness, ] ed (d after a final e), Shift+] ing, = ly, Shift+= ment.
// The key's own character is erased with the short form, and nothing is typed after the ending.

bool IsSuffixKey(std::uint8_t key);
// The ending a suffix key adds to this output, in lower case.
std::string SuffixFor(std::uint8_t key, bool shift, std::string_view pendingOutput);
// The text with the ending attached: before "ing" (in either case) a final lower-case "e" goes,
// so make becomes making.
std::string WithSuffix(std::string text, std::string_view suffix);

// A suffix key classified as this pass's delimiter: the ending joins the prepared output (in
// capitals while Caps Lock is on), and is remembered as the pending suffix when none is.
void ApplySuffixKey(Core& core, const PassReadings& k);
// Alt with a continuing key: the pending suffix joins the last expansion shown, so that Alt+D
// looks up the word as it was typed, and is used up.
void ApplyPendingSuffix(Core& core);
