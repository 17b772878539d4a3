#pragma once

#include <optional>
#include <string_view>

// The calculator's one number syntax: an optional leading "-", then digits with at most one ".",
// at least one digit in all. Nothing locale-dependent is accepted (no exponent, no grouping, no
// currency sign), so a clip reads the same on every desktop. A number too large for a double
// reads as an infinity of its sign; callers treat that as an overflow.
std::optional<double> ParseNumber(std::string_view text);

// Nearest whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double RoundHalfEven(double x);
