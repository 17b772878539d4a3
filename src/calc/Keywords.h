#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The variables a, b, c, x, y and z of one calculation, in that order.
struct CalcVariables {
    std::array<double, 6> values{};
};

// The value of a formula without argument, keyword in lower case: a constant, a conversion
// factor or a variable; any other keyword is worth 0.
double KeywordValue(std::string_view keyword, const CalcVariables& variables);

// What a formula with an argument yields, keyword in lower case. The decimal-places and voyage
// keywords are the evaluator's own and are worth 0 here.
struct FormulaValue {
    enum class Kind { Value, Hex, Failure } kind = Kind::Value;
    double value = 0;
    std::string hex; // for Kind::Hex
};
FormulaValue ArgumentValue(std::string_view keyword, std::string_view argument,
                           CalcVariables& variables);

// A number rounded to whole (halves to even) in upper-case hexadecimal, negative numbers as
// their 32-bit two's complement; nothing for numbers outside the signed 32-bit range.
std::optional<std::string> HexText(double number);
