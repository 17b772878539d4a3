#include "calc/Evaluate.h"

#include "calc/Keywords.h"
#include "calc/Number.h"
#include "calc/Picture.h"
#include "calc/Voyage.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

constexpr std::string_view kOperators = "/*^+-\\&";
constexpr char kNone = '\0'; // an empty last operator or previous character
constexpr std::string_view kWholePicture = "#,###,###,###,##0";
constexpr std::string_view kFullPrecision = ".#################";
// More places than any double has digits for (the smallest is 4.9e-324), so a larger count
// changes nothing but the memory a picture would take.
constexpr double kMostPlaces = 340;

bool IsOperator(char c) {
    return c != kNone && kOperators.find(c) != std::string_view::npos;
}
bool IsDigitCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The decimal part of the result picture, or nothing for a setting that is not one. An empty
// setting, which is what a settings line that never had a dp formula holds, shows full precision.
std::optional<std::string> DecimalPicture(std::string_view decimals, double total) {
    if (decimals.empty() || decimals == "f")
        return total == std::trunc(total) ? std::string() : std::string(kFullPrecision);
    if (decimals == "$") return ".00";
    const auto places = ParseNumber(decimals);
    if (!places || *places < 0) return std::nullopt;
    std::string picture(1 + static_cast<std::size_t>(std::min(*places, kMostPlaces)), '#');
    picture.front() = '.';
    return picture;
}

struct Walk {
    double total = 0;
    double lastTerm = 0;
    double value = 0;
    bool subtractNext = false;
    char lastOperator = kNone;
    char previous = kNone;
    std::string number;
    bool inComment = false;
    bool inFormula = false;
    bool argumentStarted = false;
    std::string keyword;
    std::string argument;
    std::string decimals;
    CalcVariables variables;
};

// Where the handling of one character goes on: join a value to the total, or only book the
// character (FormulaSpace: a space inside a formula, booked as the operator before it), or end.
enum class Next { Apply, Bookkeeping, FormulaSpace, Stop };

struct Calculation {
    Walk walk;
    std::string& permanentDecimals;
    bool& decimalsChanged;
    CalcOutcome outcome; // set when a step answers Stop
};

Next Stop(Calculation& calc, CalcOutcome::Kind kind, std::string text = {}) {
    calc.outcome = {kind, std::move(text)};
    return Next::Stop;
}

Next CloseFormulaWithArgument(Calculation& calc) {
    Walk& w = calc.walk;
    const std::string keyword = LowerAscii(w.keyword);
    if (keyword == "dp") {
        // A setting that cannot format would silently break every later calculation, so it is
        // refused here rather than stored.
        const std::string_view decimals = TrimBlanks(w.argument);
        if (!DecimalPicture(decimals, 0)) return Stop(calc, CalcOutcome::Kind::Failure);
        calc.permanentDecimals = decimals;
        w.decimals = decimals;
        calc.decimalsChanged = true;
    } else if (keyword == "d") {
        w.decimals = TrimBlanks(w.argument);
    } else if (keyword == "gdr") {
        const std::string_view destination = TrimBlanks(w.argument);
        if (!PlanVoyage(destination)) return Stop(calc, CalcOutcome::Kind::Failure);
        return Stop(calc, CalcOutcome::Kind::Voyage, std::string(destination));
    }
    FormulaValue formula = ArgumentValue(keyword, w.argument, w.variables);
    switch (formula.kind) {
    case FormulaValue::Kind::Failure:
        return Stop(calc, CalcOutcome::Kind::Failure);
    case FormulaValue::Kind::Hex:
        return Stop(calc, CalcOutcome::Kind::Hex, std::move(formula.hex));
    case FormulaValue::Kind::Value:
        break;
    }
    w.value = formula.value;
    return Next::Apply;
}

// Inside <...>: the keyword runs to the first space, the argument is whatever follows the last
// space, and ">" gives the formula its value.
Next FormulaStep(Calculation& calc, char c) {
    Walk& w = calc.walk;
    if (c == '<') {
        w.keyword.clear();
        w.argument.clear();
        w.argumentStarted = false;
        return Next::Bookkeeping;
    }
    if (c == ' ') w.argumentStarted = true;
    if (c == '>') w.inFormula = false;
    if (!w.argumentStarted) {
        if (w.inFormula) {
            w.keyword += c;
            return Next::Bookkeeping;
        }
        w.value = KeywordValue(LowerAscii(w.keyword), w.variables);
        return Next::Apply;
    }
    if (c != ' ') {
        if (w.inFormula) {
            w.argument += c;
            return Next::Bookkeeping;
        }
        return CloseFormulaWithArgument(calc);
    }
    w.argument.clear();
    return Next::FormulaSpace;
}

Next CompleteNumber(Walk& w) {
    const auto number = ParseNumber(w.number);
    if (!number) {
        w.number.clear();
        w.value = 0;
        return Next::Bookkeeping;
    }
    w.value = *number;
    return Next::Apply;
}

// Digits and the point build a number; a comma inside a number separates thousands and is
// dropped; a minus sign straight before the number makes it negative.
Next NumberStep(Walk& w, char c, bool last) {
    if (!IsDigitCharacter(c) && (c != ',' || w.number.empty())) {
        if (w.number.empty()) return Next::Bookkeeping;
        return CompleteNumber(w);
    }
    if (c != ',') w.number += c;
    if (w.previous == '-') w.number.insert(0, 1, '-');
    if (!last) return Next::Bookkeeping;
    return CompleteNumber(w);
}

// Joins the value to the total: an operator written straight before it combines it with the
// last term, left to right without precedence; otherwise it is simply added (or subtracted after
// "- "). Before the text's first operator or whitespace the last operator is empty, and two values
// reached with nothing but other characters between them ("5abc6", "<pi><e>") are both added,
// as any other values separated by text are, rather than the second replacing the first.
Next ApplyValue(Calculation& calc) {
    Walk& w = calc.walk;
    if (w.inComment) w.value = 0;
    if (IsOperator(w.lastOperator)) {
        w.total += w.subtractNext ? w.lastTerm : -w.lastTerm;
        const double left = w.lastTerm;
        const double right = w.value;
        switch (w.lastOperator) {
        case '/':
            if (right == 0) return Stop(calc, CalcOutcome::Kind::Failure);
            w.value = left / right;
            break;
        case '*':
            w.value = left * right;
            break;
        case '^':
            w.value = std::pow(left, right);
            break;
        case '\\':
        case '&': {
            const double dividend = RoundHalfEven(left);
            const double divisor = RoundHalfEven(right);
            if (divisor == 0) return Stop(calc, CalcOutcome::Kind::Failure);
            const double remainder = std::fmod(dividend, divisor);
            w.value = w.lastOperator == '&' ? remainder : (dividend - remainder) / divisor;
            break;
        }
        default: // "+", and "-" whose value carries its sign
            w.value = left + right;
            break;
        }
    }
    w.total += w.subtractNext ? -w.value : w.value;
    if (!std::isfinite(w.value) || !std::isfinite(w.total))
        return Stop(calc, CalcOutcome::Kind::Failure);
    w.lastTerm = w.value;
    w.number.clear();
    w.value = 0;
    return Next::Bookkeeping;
}

void Bookkeeping(Walk& w, char c, bool formulaSpace) {
    // A space inside a formula stands in for the operator before the formula, so that the
    // formula's value combines with what precedes it as a number would; nor does it end a
    // subtraction, so "10 - <sin 30>" is 9.5 as "10 - 0.5" is.
    if (formulaSpace) c = w.lastOperator;
    if (c == '$' && w.previous == '-') c = '-'; // "-$5.00" is minus five
    if (!formulaSpace) {
        if (c == ' ')
            w.subtractNext = w.previous == '-';
        else if (c == '\t' || c == '\r')
            w.subtractNext = false;
    }
    if (IsOperator(c) || c == ' ' || c == '\t' || c == '\r') w.lastOperator = c;
    // An operator written after whitespace does not combine.
    if (w.previous == ' ' || w.previous == '\t' || w.previous == '\n') w.lastOperator = ' ';
    w.previous = c;
}

// Handles one character; false when the calculation ends with it.
bool Step(Calculation& calc, char c, bool last) {
    Walk& w = calc.walk;
    if (c == '[') w.inComment = true;
    if (c == ']') w.inComment = false;
    if (c == '<') w.inFormula = true;

    Next next = Next::Bookkeeping;
    if (w.inFormula)
        next = FormulaStep(calc, c);
    else if (!w.inComment)
        next = NumberStep(w, c, last);

    if (next == Next::Apply) next = ApplyValue(calc);
    if (next == Next::Stop) return false;
    Bookkeeping(w, c, next == Next::FormulaSpace);
    return true;
}

} // namespace

CalcOutcome EvaluateClipText(std::string_view clip, std::string& permanentDecimals,
                             bool& decimalsChanged) {
    decimalsChanged = false;
    Calculation calc{{}, permanentDecimals, decimalsChanged, {}};
    calc.walk.decimals = permanentDecimals;
    for (std::size_t i = 0; i < clip.size(); ++i)
        if (!Step(calc, clip[i], i + 1 == clip.size())) return calc.outcome;

    const double total = calc.walk.total;
    const auto decimalPart = DecimalPicture(calc.walk.decimals, total);
    if (!decimalPart) return {};
    std::string text = FormatPicture(total, std::string(kWholePicture) + *decimalPart);
    if (text.ends_with('.')) text.pop_back();
    return {CalcOutcome::Kind::Result, std::move(text)};
}

bool DecimalsSettingUsable(std::string_view decimals) {
    return DecimalPicture(decimals, 0).has_value();
}
