#include "calc/Keywords.h"

#include "calc/Number.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>

namespace {

// Equal to 4 x arctangent(1) and exp(1) in double precision.
constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180.0;

struct Constant {
    std::string_view keyword;
    double value;
};

constexpr Constant kConstants[] = {
    {"pi", kPi},
    {"e", std::numbers::e},
    {"gtl", 3.785411784},
    {"ktp", 2.204622621849},
    {"itc", 2.54},
    {"atsf", 43560},
    {"mtkm", 1.609344},
    {"smtsf", 10.76391041671},
    {"igtl", 4.54609},
    {"igtg", 1.200949925505},
    {"nmtm", 1.150779448024},
    {"hta", 2.471053814672},
    {"mtf", 5280},
    {"obtg", 42},
    {"btg", 9.309177489177},
    {"cftg", 7.480519480519},
    {"lytmm", 5879181},
    {"pstly", 3.258},
    {"autm", 92957000},
};

constexpr std::string_view kVariableNames = "abcxyz";

std::optional<std::size_t> VariableIndex(std::string_view keyword) {
    if (keyword.size() != 1) return std::nullopt;
    const auto index = kVariableNames.find(keyword.front());
    if (index == std::string_view::npos) return std::nullopt;
    return index;
}

// A function of one number; nothing when the number is outside its domain.
struct NumberFunction {
    std::string_view keyword;
    std::optional<double> (*apply)(double);
};

constexpr NumberFunction kFunctions[] = {
    {"sin", [](double n) -> std::optional<double> { return std::sin(n * kDegree); }},
    {"cos", [](double n) -> std::optional<double> { return std::cos(n * kDegree); }},
    {"tan", [](double n) -> std::optional<double> { return std::tan(n * kDegree); }},
    {"arctan", [](double n) -> std::optional<double> { return std::atan(n) / kDegree; }},
    {"logn",
     [](double n) -> std::optional<double> {
         if (n <= 0) return std::nullopt;
         return std::log(n);
     }},
    {"timedil",
     [](double n) -> std::optional<double> {
         const double rest = 1.0 - n * n;
         if (rest <= 0) return std::nullopt;
         return 1.0 / std::sqrt(rest);
     }},
    {"hullspeed",
     [](double n) -> std::optional<double> {
         if (n < 0) return std::nullopt;
         return 1.34 * std::sqrt(n);
     }},
};

FormulaValue Failed() {
    return {FormulaValue::Kind::Failure, 0, {}};
}

FormulaValue NumberFormula(std::string_view keyword, double number, CalcVariables& variables) {
    if (keyword == "hex") {
        auto hex = HexText(number);
        if (!hex) return Failed();
        return {FormulaValue::Kind::Hex, 0, std::move(*hex)};
    }
    if (const auto index = VariableIndex(keyword)) {
        variables.values[*index] = number;
        return {};
    }
    for (const auto& function : kFunctions) {
        if (function.keyword != keyword) continue;
        const auto value = function.apply(number);
        if (!value || !std::isfinite(*value)) return Failed();
        return {FormulaValue::Kind::Value, *value, {}};
    }
    return {};
}

// "A:B": the side opposite angle A of a triangle whose base of length 1 lies between the angles
// A and B (degrees).
FormulaValue Trig(std::string_view argument) {
    const auto colon = argument.find(':');
    if (colon == std::string_view::npos) return Failed();
    const auto a = ParseNumber(argument.substr(0, colon));
    const auto b = ParseNumber(argument.substr(colon + 1));
    if (!a || !b) return Failed();
    const double sineOfThirdAngle = std::sin((*a + *b) * kDegree);
    if (sineOfThirdAngle == 0) return Failed();
    return {FormulaValue::Kind::Value, std::sin(*a * kDegree) / sineOfThirdAngle, {}};
}

} // namespace

double KeywordValue(std::string_view keyword, const CalcVariables& variables) {
    for (const auto& constant : kConstants)
        if (constant.keyword == keyword) return constant.value;
    if (const auto index = VariableIndex(keyword)) return variables.values[*index];
    return 0;
}

FormulaValue ArgumentValue(std::string_view keyword, std::string_view argument,
                           CalcVariables& variables) {
    if (const auto number = ParseNumber(argument))
        return NumberFormula(keyword, *number, variables);
    if (keyword == "trig") return Trig(argument);
    return {};
}

std::optional<std::string> HexText(double number) {
    const double whole = RoundHalfEven(number);
    if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(whole));
    std::array<char, 8> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), bits, 16);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text)
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    return text;
}
