#pragma once

#include <string>
#include <string_view>

namespace dbgen {

// The stored expansion of a record: the expansion itself when it begins with the short form,
// otherwise the short form, one erase mark per short-form letter, and the expansion, so that
// the stored text read as typed keys turns the typed short form into the expansion.
std::string StoredExpansion(std::string_view shortForm, std::string_view expansion);

// The text a stored expansion leaves behind: every erase mark removes the character before it;
// a mark with nothing before it has nothing to erase and is dropped.
std::string ApplyErasures(std::string_view text);

// The expansion as the add operation was given it: the stored text less the short form and its
// erase marks when they lead it.
std::string BareExpansion(std::string_view shortForm, std::string_view stored);

} // namespace dbgen
