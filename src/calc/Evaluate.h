#pragma once

#include <string>
#include <string_view>

// What a calculation of a clip comes to.
struct CalcOutcome {
    enum class Kind {
        Result,  // text is the formatted total
        Hex,     // text is the hexadecimal of a hex formula; the total is left out
        Voyage,  // text is the trimmed destination of a gdr formula, already checked to plan
        Failure, // the calculation is abandoned: type nothing
    } kind = Kind::Failure;
    std::string text;
};

// Sums the numbers of a text, combined by the operators written straight between them, with
// formulas in <angle brackets> and comments in [square brackets]. permanentDecimals is the
// stored decimal-places setting (a count of places, "$", "f", or empty for full precision); a dp
// formula replaces it and sets decimalsChanged, which holds whatever the outcome, since the
// setting changes even when a later part of the text fails.
// Whether a stored decimal-places setting is one the results can be formatted with.
bool DecimalsSettingUsable(std::string_view decimals);

CalcOutcome EvaluateClipText(std::string_view clip, std::string& permanentDecimals,
                             bool& decimalsChanged);
