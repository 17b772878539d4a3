#pragma once

#include <string>
#include <string_view>

// Case changes of pasted text. Letters are those of Windows-1252, accented ones included.

std::string UpperCase(std::string_view text);

// A clip that begins in capitals goes to sentence case, any other clip to capitals: three or more
// of its first five characters being A to Z or an opening brace make it capitals.
std::string ChangeClipCase(std::string_view text);

// The first letter and the first letter after ".", "?" or "!" in capitals, the rest in lower
// case, and a lone i as I.
std::string SentenceCase(std::string_view text);
