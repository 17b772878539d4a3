#include "engine/AccentForms.h"

#include <array>

namespace {

// Windows-1252 bytes; a string is split where the letter after an escape is a hexadecimal digit.
// fiance stands twice; the second row is never reached and is kept so the table stays whole.
constexpr std::array<AccentRow, 36> kRows{{
    {"cafe", "cafe\xA1\xE9"},
    {"cezanne", "C\xE9zanne"},
    {"cliche", "clich\xE9"},
    {"consomme", "consomm\xE9"},
    {"decollete", "decol\xA1\xA1\xA1\xA1\xE9"
                  "collet\xE9"},
    {"deja", "dej\xA1\xA1\xE9j\xE0 vu"},
    {"eclair", "\xE9"
               "clair"},
    {"fiance", "fianc\xE9"},
    {"fiancee", "fianc\xE9"
                "e"},
    {"macrame", "macram\xE9"},
    {"nez", "Nez Perc\xE9"},
    {"cest", "cest\xA1\xA1\xA1'est la vie"},
    {"outre", "outre\xA1\xE9"},
    {"papier", "papier m\xE2"
               "ch\xE9"},
    {"pate", "pate\xA1\xA1\xA1\xE2t\xE9"},
    {"risque", "risqu\xE9"},
    {"saute", "saut\xE9"},
    {"soiree", "soir\xE9"
               "e"},
    {"souffle", "souffl\xE9"},
    {"cote", "C\xF4te d'Azur"},
    {"creche", "crec\xA1\xA1\xE8"
               "che"},
    {"creme", "creme\xA1\xA1\xA1\xE8me de la cr\xE8me"},
    {"derriere", "derri\xE8re"},
    {"premiere", "premie\xA1\xE8re"},
    {"tete", "tet\xA1\xA1\xEAte-\xE0-t\xEAte"},
    {"bete", "bete\xA1\xA1\xA1\xEAte noire"},
    {"raison", "raison d'\xEAtre"},
    {"sangria", "sangr\xED"
                "a"},
    {"krakow", "Krak\xF3w"},
    {"fiance", "fianc\xE9"},
    {"fuhrer", "F\xFChrer"},
    {"doppelganger", "doppelg\xE4nger"},
    {"fraulein", "Fr\xE4ulein"},
    {"guantanamo", "Guant\xE1namo Bay"},
    {"mobius", "M\xF6"
               "bius strip"},
    {"email", "em\xA1-mail"},
}};

} // namespace

std::span<const AccentRow> AccentRows() {
    return kRows;
}

std::string_view SearchedForm(std::string_view currentWord) {
    for (const AccentRow& row : kRows)
        if (row.typed == currentWord) return row.stored;
    return currentWord;
}
