#pragma once

#include <string>
#include <string_view>

// Formats a number by a picture: "#" an optional digit, "0" a required digit, "," anywhere before
// the point groups the whole part in thousands, "." the decimal point. The whole part always shows
// all its digits, padded with zeros to the count of "0"s before the point; the fraction is rounded
// to the count of placeholders after the point, half away from zero, and trailing zeros are
// dropped back to the last "0" of the picture. A picture with a point keeps it even when no digit
// follows ("5." for "0.#"); callers that want a bare number drop it. Negative numbers get a
// leading "-" unless they round to zero. The value is first taken to 15 significant digits, so
// 0.1 + 0.2 reads as 0.3 however many places the picture asks for. A value that is not finite
// gives an empty text.
std::string FormatPicture(double value, std::string_view picture);
