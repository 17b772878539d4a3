#pragma once

#include <string>
#include <string_view>

struct Core;

// The brackets, braces and the equals and plus signs end a word with an English ending attached
// to its expansion: [ s, { ness, ] ed (d after a final e), } ing, = ly, + ment. They are known by
// the character the user's layout gave the key, so on US keyboards they are the bracket and
// equals keys with and without Shift, and elsewhere wherever the layout puts them. The key's own
// character is erased with the short form, and nothing is typed after the ending.

bool IsSuffixChar(char c);
// The ending a suffix character adds to this output, in lower case.
std::string SuffixFor(char c, std::string_view pendingOutput);
// The text with the ending attached: before "ing" (in either case) a final lower-case "e" goes,
// so make becomes making, and before "ING" a final "E" too, so MAKE becomes MAKING.
std::string WithSuffix(std::string text, std::string_view suffix);

// A suffix key classified as this pass's delimiter: the ending joins the prepared output (in
// capitals while Caps Lock is on, or when the short form typed in capitals gave an expansion in
// capitals), and is remembered as the pending suffix when none is.
void ApplySuffixKey(Core& core);
// Alt with a continuing key: the pending suffix joins the last expansion shown, so that Alt+D
// looks up the word as it was typed, and is used up.
void ApplyPendingSuffix(Core& core);
