#include "storedform.h"

#include "platform/text.h"

namespace dbgen {

std::string StoredExpansion(std::string_view shortForm, std::string_view expansion) {
    if (expansion.starts_with(shortForm)) return std::string(expansion);
    std::string stored(shortForm);
    stored.append(shortForm.size(), mark::Erase);
    stored += expansion;
    return stored;
}

std::string ApplyErasures(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != mark::Erase) {
            out += c;
        } else if (!out.empty()) {
            out.pop_back();
        }
    }
    return out;
}

std::string BareExpansion(std::string_view shortForm, std::string_view stored) {
    std::string lead(shortForm);
    lead.append(shortForm.size(), mark::Erase);
    if (!shortForm.empty() && stored.starts_with(lead))
        return std::string(stored.substr(lead.size()));
    return std::string(stored);
}

} // namespace dbgen
