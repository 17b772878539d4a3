#include "calc/Picture.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace {

constexpr int kSignificantDigits = 15;

struct PictureShape {
    std::ptrdiff_t wholeDigits = 0; // "0"s before the point
    bool grouped = false;
    bool point = false;
    std::ptrdiff_t places = 0;         // placeholders after the point
    std::ptrdiff_t requiredPlaces = 0; // up to and including the last "0" after the point
};

PictureShape ShapeOf(std::string_view picture) {
    PictureShape shape;
    for (const char c : picture) {
        if (!shape.point) {
            if (c == '0')
                ++shape.wholeDigits;
            else if (c == ',')
                shape.grouped = true;
            else if (c == '.')
                shape.point = true;
        } else if (c == '0' || c == '#') {
            ++shape.places;
            if (c == '0') shape.requiredPlaces = shape.places;
        }
    }
    return shape;
}

void Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The decimal digits of magnitude x 10^places rounded half away from zero, at least places + 1
// of them (leading zeros included).
std::string ScaledDigits(double magnitude, std::ptrdiff_t places) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    // buffer holds d.ddddddddddddddde<exponent>
    std::string mantissa(1, buffer[0]);
    mantissa.append(buffer.data() + 2, kSignificantDigits - 1);
    int exponent = 0;
    const char* exponentStart = buffer.data() + kSignificantDigits + 2;
    if (*exponentStart == '+') ++exponentStart;
    std::from_chars(exponentStart, result.ptr, exponent);

    const std::ptrdiff_t kept = exponent + 1 + places;
    std::string digits;
    if (kept > 0) {
        const auto fromMantissa = std::min<std::ptrdiff_t>(kept, kSignificantDigits);
        digits.assign(mantissa, 0, static_cast<std::size_t>(fromMantissa));
        digits.append(static_cast<std::size_t>(kept - fromMantissa), '0');
    }
    if (kept >= 0 && kept < kSignificantDigits && mantissa[static_cast<std::size_t>(kept)] >= '5')
        Increment(digits);
    const auto minimum = static_cast<std::size_t>(places + 1);
    if (digits.size() < minimum) digits.insert(0, minimum - digits.size(), '0');
    return digits;
}

std::string Grouped(const std::string& whole) {
    std::string out;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) out += ',';
        out += whole[i];
    }
    return out;
}

} // namespace

std::string FormatPicture(double value, std::string_view picture) {
    if (!std::isfinite(value)) return {};
    const PictureShape shape = ShapeOf(picture);
    const std::string digits = ScaledDigits(std::fabs(value), shape.places);

    const std::size_t wholeLength = digits.size() - static_cast<std::size_t>(shape.places);
    std::string whole = digits.substr(0, wholeLength);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    const auto minimumWhole = static_cast<std::size_t>(shape.wholeDigits);
    if (whole.size() < minimumWhole) whole.insert(0, minimumWhole - whole.size(), '0');

    std::string fraction = digits.substr(wholeLength);
    const auto required = static_cast<std::size_t>(shape.requiredPlaces);
    while (fraction.size() > required && fraction.back() == '0') fraction.pop_back();

    std::string out;
    if (value < 0 && digits.find_first_not_of('0') != std::string::npos) out += '-';
    out += shape.grouped ? Grouped(whole) : whole;
    if (shape.point) out += '.' + fraction;
    return out;
}
