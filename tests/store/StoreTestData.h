#pragma once

#include "platform/text.h"
#include "store/Database.h"

#include <string>
#include <string_view>

// One record line as it stands inside a group: CR LF, short form, TAB, stored expansion.
inline std::string Rec(std::string_view shortForm, std::string_view stored) {
    return std::string(CrLf).append(shortForm).append(1, '\t').append(stored);
}

inline std::string Erases(std::size_t n) {
    return std::string(n, mark::Erase);
}
inline const std::string Act(1, mark::Activated);
inline const std::string Add(1, mark::Added);

// A database whose group for each letter l holds the one record "lzz TAB lzzz".
inline Database FilledDatabase(std::string_view settingsLine = "0 0 0") {
    Database db;
    db.settingsLine = settingsLine;
    for (int g = 0; g < 26; ++g) {
        const std::string l(1, static_cast<char>('a' + g));
        db.groups[g] = Rec(l + "zz", l + "zzz");
    }
    return db;
}
