#pragma once

#include <span>
#include <string_view>

// Loan words typed without their accents. The database keeps the accented word as an expansion,
// so the missed-short-form check looks for the stored form of the accented word instead of the
// plain word the user typed.
struct AccentRow {
    std::string_view typed;  // the current word, lower case
    std::string_view stored; // the accented word as a stored expansion holds it
};

// The rows in the order they are tried; the first row whose word matches wins. The database
// generator (tools/dbgen) makes the built-in accent records from them.
std::span<const AccentRow> AccentRows();

// The text the check looks for: the stored form of the word's row, or the word itself.
std::string_view SearchedForm(std::string_view currentWord);
