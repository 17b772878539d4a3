#include "calc/Number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

std::optional<double> ParseNumber(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view body = negative ? text.substr(1) : text;
    int digits = 0;
    int points = 0;
    for (const char c : body) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1) return std::nullopt;

    double value = 0;
    const auto [end, error] =
        std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Too small underflows to zero; too large is an overflow the caller must see.
        const bool tiny = body.find_first_of("123456789") > body.find('.');
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (error != std::errc() || end != body.data() + body.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

double RoundHalfEven(double x) {
    const double nearest = std::round(x);
    if (std::fabs(x - std::trunc(x)) != 0.5) return nearest;
    return 2.0 * std::round(x / 2.0);
}
