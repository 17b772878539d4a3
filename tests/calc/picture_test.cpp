#include "calc/Picture.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct PictureCase {
    double value;
    std::string_view picture;
    std::string_view expected;
};

TEST(FormatPicture, FormatsEveryCase) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const PictureCase cases[] = {
        {1234.5, "#,###,###,###,##0.##", "1,234.5"},
        {1234.5, "#,###,###,###,##0.00", "1,234.50"},
        {7, "#,###,###,###,##0.##", "7."},
        {7, "#,###,###,###,##0", "7"},
        {0, "#,###,###,###,##0", "0"},
        {0, "#", ""},
        {0.5, "#.##", ".5"},
        {5, "000", "005"},
        {12, "0.0#####", "12.0"},
        {999999.5, "#,##0", "1,000,000"},
        {9.999, "0.00", "10.00"},
        {-1234567.891, "#,##0.00", "-1,234,567.89"},
        {123456789, "0", "123456789"},
        {1e20, "#,##0", "100,000,000,000,000,000,000"},
        // Halves round away from zero, on the decimal digits the user sees.
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {0.125, "0.00", "0.13"},
        {1.005, "0.00", "1.01"},
        {2.675, "0.00", "2.68"},
        {-0.001, "0.0", "0.0"},
        {-0.0, "0", "0"},
        // Fifteen significant digits at most.
        {0.1 + 0.2, "0.#################", "0.3"},
        {123456789012345678.0, "0", "123456789012346000"},
        {0.000123, "0.000000", "0.000123"},
        {1.5e-10, "0.0####", "0.0"},
        {4.9e-324, "0.0", "0.0"},
        {kInfinity, "0", ""},
        {std::numeric_limits<double>::quiet_NaN(), "0", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatPicture(c.value, c.picture), c.expected) << c.value << " " << c.picture;
}

} // namespace
