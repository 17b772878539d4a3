#include "calc/Evaluate.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using Kind = CalcOutcome::Kind;

struct EvalCase {
    std::string_view text;
    std::string_view decimals; // the stored setting
    Kind kind;
    std::string_view expected; // the typed text; empty for a failure
};

// Each case is one clip calculated afresh with the given stored decimal places.
constexpr EvalCase kCases[] = {
    // Numbers among text are summed; thousands commas; the number parser's limits.
    {"Total: 1,234.50 and 10", "2", Kind::Result, "1,244.5"},
    {"3,4", "2", Kind::Result, "34"},
    {"5, 6 and 7,", "2", Kind::Result, "18"},
    {"item 12", "2", Kind::Result, "12"},
    {"1.2.3 and .", "2", Kind::Result, "0"},
    {"no numbers here", "2", Kind::Result, "0"},
    {"", "2", Kind::Result, "0"},
    {"5abc6", "2", Kind::Result, "11"},
    {"<pi><e>", "2", Kind::Result, "5.86"},
    {"5\r\n6\t7", "2", Kind::Result, "18"},
    // Operators combine only when written straight between values, left to right.
    {"2*3", "2", Kind::Result, "6"},
    {"2 * 3", "2", Kind::Result, "5"},
    {"2 *3", "2", Kind::Result, "5"},
    {"2* 3", "2", Kind::Result, "5"},
    {"2*3 4", "2", Kind::Result, "10"},
    {"2*3x4", "2", Kind::Result, "24"},
    {"2+3*4", "2", Kind::Result, "20"},
    {"2^10", "2", Kind::Result, "1,024"},
    {"7/2", "2", Kind::Result, "3.5"},
    {"7\\2", "2", Kind::Result, "3"},
    {"-7\\2", "2", Kind::Result, "-3"},
    {"2.5\\1", "2", Kind::Result, "2"},
    {"7.5\\2", "2", Kind::Result, "4"},
    {"7&3", "2", Kind::Result, "1"},
    {"-7&2", "2", Kind::Result, "-1"},
    {"7&-2", "2", Kind::Result, "5"}, // the later "-" replaces "&" as the operator
    {"2*-3", "2", Kind::Result, "-1"},
    // Minus signs and subtraction.
    {"10 -3", "2", Kind::Result, "7"},
    {"10-3", "2", Kind::Result, "7"},
    {"100 - 30 20", "2", Kind::Result, "90"},
    {"100 - 30x20", "2", Kind::Result, "50"},
    {"100 - 30\t20", "2", Kind::Result, "90"},
    {"100 - 30*2", "2", Kind::Result, "40"},
    {"-$5.00", "2", Kind::Result, "-5"},
    {"$5.00 -$2.50", "$", Kind::Result, "2.50"},
    {"10 - <pi>", "2", Kind::Result, "6.86"},
    {"10 - <sin 30>", "2", Kind::Result, "9.5"},
    // Comments and formulas.
    {"5 [7] 8", "2", Kind::Result, "13"},
    {"5 [<x = 1>] <x>", "2", Kind::Result, "6"},
    {"<x = 2> 3*<x>", "2", Kind::Result, "6"},
    {"2*<sin 30>", "2", Kind::Result, "1"},
    {"5<pi>", "2", Kind::Result, "3.14"},
    {"<pi <e>", "2", Kind::Result, "2.72"},
    {"<X = 3> <x>", "2", Kind::Result, "3"},
    {"<a = 1> <b = 2> <c = 3> <x = 4> <y = 5> <z = 6> <a> <b> <c> <x> <y> <z>", "2", Kind::Result,
     "21"},
    {"<x>", "2", Kind::Result, "0"},
    {"<unknown> <foo 3> <pi 2> <trig 5>", "2", Kind::Result, "0"},
    {"<GTL>", "f", Kind::Result, "3.785411784"},
    // Decimal places.
    {"1234.5", "2", Kind::Result, "1,234.5"},
    {"1234.5", "$", Kind::Result, "1,234.50"},
    {"1234.5", "f", Kind::Result, "1,234.5"},
    {"7", "$", Kind::Result, "7.00"},
    {"7", "f", Kind::Result, "7"},
    {"-1234567.891", "2", Kind::Result, "-1,234,567.89"},
    {"0.1+0.2", "f", Kind::Result, "0.3"},
    {"1/3", "f", Kind::Result, "0.333333333333333"},
    {"1/3", "", Kind::Result, "0.333333333333333"},
    {"1/3", "2.9", Kind::Result, "0.33"},
    {"2.5", "0", Kind::Result, "3"},
    {"-2.5", "0", Kind::Result, "-3"},
    {"<d $> 1/3", "2", Kind::Result, "0.33"},
    {"<d 0> 2.25", "2", Kind::Result, "2"},
    {"<d 3> 2", "2", Kind::Result, "2"},
    {"<d f> 1/8", "0", Kind::Result, "0.125"},
    {"<d 100000000000000000000000> 1/4", "2", Kind::Result, "0.25"},
    {"5", "-1", Kind::Failure, ""},
    {"5", "F", Kind::Failure, ""},
    {"<d F> 5", "2", Kind::Failure, ""},
    {"<d two> 5", "2", Kind::Failure, ""},
    // Constants and conversions, to full precision.
    {"<pi>", "f", Kind::Result, "3.14159265358979"},
    {"<e>", "f", Kind::Result, "2.71828182845905"},
    {"<ktp>", "f", Kind::Result, "2.204622621849"},
    {"<itc>", "f", Kind::Result, "2.54"},
    {"<atsf>", "f", Kind::Result, "43,560"},
    {"<mtkm>", "f", Kind::Result, "1.609344"},
    {"<smtsf>", "f", Kind::Result, "10.76391041671"},
    {"<igtl>", "f", Kind::Result, "4.54609"},
    {"<igtg>", "f", Kind::Result, "1.200949925505"},
    {"<nmtm>", "f", Kind::Result, "1.150779448024"},
    {"<hta>", "f", Kind::Result, "2.471053814672"},
    {"<mtf>", "f", Kind::Result, "5,280"},
    {"<obtg>", "f", Kind::Result, "42"},
    {"<btg>", "f", Kind::Result, "9.309177489177"},
    {"<cftg>", "f", Kind::Result, "7.480519480519"},
    {"<lytmm>", "f", Kind::Result, "5,879,181"},
    {"<pstly>", "f", Kind::Result, "3.258"},
    {"<autm>", "f", Kind::Result, "92,957,000"},
    // Functions.
    {"<sin 30>", "2", Kind::Result, "0.5"},
    {"<cos 60>", "2", Kind::Result, "0.5"},
    {"<tan 45>", "2", Kind::Result, "1"},
    {"<arctan 1>", "2", Kind::Result, "45"},
    {"<logn 1>", "2", Kind::Result, "0"},
    {"<logn 100>", "4", Kind::Result, "4.6052"},
    {"<hullspeed 25>", "2", Kind::Result, "6.7"},
    {"<hullspeed 0>", "2", Kind::Result, "0"},
    {"<timedil 0.99>", "4", Kind::Result, "7.0888"},
    {"<timedil -0.6>", "2", Kind::Result, "1.25"},
    {"<trig 89.75:88.5>", "1", Kind::Result, "32.7"},
    {"<trig 30:60>", "2", Kind::Result, "0.5"},
    // Hexadecimal ends the calculation with its own text.
    {"<hex 255> 1 2 3", "2", Kind::Hex, "FF"},
    {"7 <hex 2.5>", "2", Kind::Hex, "2"},
    {"<hex -1>", "2", Kind::Hex, "FFFFFFFF"},
    {"<hex -2147483648>", "2", Kind::Hex, "80000000"},
    {"<hex 2147483647>", "2", Kind::Hex, "7FFFFFFF"},
    {"<hex 2147483648>", "2", Kind::Failure, ""},
    {"<hex 255>", "F", Kind::Hex, "FF"},
    {"<hex abc>", "2", Kind::Result, "0"},
    // Failures abandon the calculation.
    {"1/0", "2", Kind::Failure, ""},
    {"0/0", "2", Kind::Failure, ""},
    {"5\\0.4", "2", Kind::Failure, ""},
    {"5&0", "2", Kind::Failure, ""},
    {"10^309", "2", Kind::Failure, ""},
    {"-8^0.5", "2", Kind::Failure, ""},
    {"<logn 0>", "2", Kind::Failure, ""},
    {"<logn -1>", "2", Kind::Failure, ""},
    {"<timedil 1>", "2", Kind::Failure, ""},
    {"<timedil -1.5>", "2", Kind::Failure, ""},
    {"<hullspeed -1>", "2", Kind::Failure, ""},
    {"<trig 5;3>", "2", Kind::Failure, ""},
    {"<trig a:3>", "2", Kind::Failure, ""},
    {"<trig 3:>", "2", Kind::Failure, ""},
    {"<trig 0:0>", "2", Kind::Failure, ""},
    {"1 [ <logn 0> ]", "2", Kind::Failure, ""},
    // The 1G drive voyage hands its checked destination back.
    {"3 <gdr moon> 4", "2", Kind::Voyage, "moon"},
    {"<gdr CenterOfGalaxy#10>", "2", Kind::Voyage, "CenterOfGalaxy#10"},
    {"<gdr 12XY>", "2", Kind::Voyage, "12XY"},
    {"<gdr nowhere>", "2", Kind::Failure, ""},
    {"<gdr moon#x>", "2", Kind::Failure, ""},
};

TEST(EvaluateClipText, CalculatesEveryCase) {
    for (const auto& c : kCases) {
        std::string decimals(c.decimals);
        bool changed = true;
        const CalcOutcome outcome = EvaluateClipText(c.text, decimals, changed);
        EXPECT_EQ(outcome.kind, c.kind) << c.text;
        EXPECT_EQ(outcome.text, c.expected) << c.text;
        EXPECT_EQ(decimals, c.decimals) << c.text;
        EXPECT_FALSE(changed) << c.text;
    }
}

TEST(EvaluateClipText, OverlongNumberIsAnOverflow) {
    std::string decimals = "2";
    bool changed = false;
    EXPECT_EQ(EvaluateClipText(std::string(400, '9'), decimals, changed).kind, Kind::Failure);
}

TEST(EvaluateClipText, PermanentDecimalsLastBeyondTheirCalculation) {
    std::string decimals = "2";
    bool changed = false;
    EXPECT_EQ(EvaluateClipText("<dp $> 1/3", decimals, changed).text, "0.33");
    EXPECT_EQ(decimals, "$");
    EXPECT_TRUE(changed);

    EXPECT_EQ(EvaluateClipText("<d 4> 1/3", decimals, changed).text, "0.3333");
    EXPECT_EQ(decimals, "$");
    EXPECT_FALSE(changed);

    EXPECT_EQ(EvaluateClipText("1/3", decimals, changed).text, "0.33");
}

TEST(EvaluateClipText, PermanentDecimalsChangeEvenWhenTheCalculationFails) {
    std::string decimals = "2";
    bool changed = false;
    EXPECT_EQ(EvaluateClipText("<dp 3> 1/0", decimals, changed).kind, Kind::Failure);
    EXPECT_EQ(decimals, "3");
    EXPECT_TRUE(changed);
}

TEST(EvaluateClipText, UnusableDecimalsAreNotStored) {
    std::string decimals = "2";
    bool changed = false;
    EXPECT_EQ(EvaluateClipText("<dp F> 5", decimals, changed).kind, Kind::Failure);
    EXPECT_EQ(decimals, "2");
    EXPECT_FALSE(changed);
}

} // namespace
