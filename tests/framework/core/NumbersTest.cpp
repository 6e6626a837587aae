#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "framework/core/Numbers.h"

namespace {

using fw::Format;
using fw::Val;

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Val, ReadsTheNumbersOfTheTablesAndTheInputFields) {
    EXPECT_EQ(Val("1.2808"), 1.2808);
    EXPECT_EQ(Val("1.208"), 1.208);
    EXPECT_EQ(Val(".0074"), 0.0074);
    EXPECT_EQ(Val(".0000"), 0.0);
    EXPECT_EQ(Val("0120"), 120.0);
    EXPECT_EQ(Val("99.9"), 99.9);
    EXPECT_EQ(Val("7."), 7.0);
    EXPECT_EQ(Val(" 12"), 12.0);
    EXPECT_EQ(Val("\t 12"), 12.0);
    EXPECT_EQ(Val("+3"), 3.0);
    EXPECT_EQ(Val("-0.5"), -0.5);
}

TEST(Val, StopsWhereTheNumberEnds) {
    EXPECT_EQ(Val("2,500"), 2.0);
    EXPECT_EQ(Val("12abc"), 12.0);
    EXPECT_EQ(Val("1.5.6"), 1.5);
    EXPECT_EQ(Val("1e"), 1.0);
    EXPECT_EQ(Val("1e+"), 1.0);
    EXPECT_EQ(Val("2.5E-x"), 2.5);
    EXPECT_EQ(Val("1E-2"), 0.01);
    EXPECT_EQ(Val("3e2x"), 300.0);
    EXPECT_EQ(Val("12 34"), 12.0);
}

TEST(Val, GivesZeroWhenNoNumberBegins) {
    for (const char* text : {"", "abc", "-", "+", ".", "-.", ".e5", "e5", "++3", "- 5", "\n5"}) {
        const double value = Val(text);
        EXPECT_EQ(value, 0.0) << '"' << text << '"';
        EXPECT_FALSE(std::signbit(value)) << '"' << text << '"';
    }
}

TEST(Val, RoundsCorrectlyAndSaturatesOutOfRange) {
    EXPECT_EQ(Val("0.1000000000000000055511151231257827021181583404541015625"), 0.1);
    EXPECT_EQ(Val("9007199254740993"), 9007199254740992.0);  // a tie: to even
    EXPECT_EQ(Val("1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_EQ(Val("4e-320"), 4e-320);  // subnormal, not flushed
    EXPECT_EQ(Val("1e999"), kInf);
    EXPECT_EQ(Val("-1e999"), -kInf);
    EXPECT_EQ(Val("1e99999999999999999999"), kInf);
    EXPECT_EQ(Val("123456789e-999999999999999"), 0.0);
    const double tiny = Val("-1e-999");
    EXPECT_EQ(tiny, 0.0);
    EXPECT_TRUE(std::signbit(tiny));
    EXPECT_EQ(Val("0.000000001e-999"), 0.0);
    EXPECT_EQ(Val("0e999999"), 0.0);
    EXPECT_EQ(Val(std::string(400, '9').c_str()), kInf);
    EXPECT_EQ(Val(("0." + std::string(400, '0') + "1").c_str()), 0.0);
}

TEST(TruncateToInt64, TruncatesTowardZeroInsideTheRangeOnly) {
    EXPECT_EQ(fw::TruncateToInt64(12.9), 12);
    EXPECT_EQ(fw::TruncateToInt64(-12.9), -12);
    EXPECT_EQ(fw::TruncateToInt64(-0.5), 0);
    EXPECT_EQ(fw::TruncateToInt64(2500.0), 2500);
    EXPECT_EQ(fw::TruncateToInt64(-9.2233720368547758e18),
              std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(fw::TruncateToInt64(9223372036854775808.0), std::nullopt);  // 2^63
    // The literal 9.2233720368547748e18 is the largest double below 2^63, so it fits.
    EXPECT_EQ(fw::TruncateToInt64(9.2233720368547748e18), std::int64_t{9223372036854774784});
    EXPECT_EQ(fw::TruncateToInt64(std::nextafter(-9.2233720368547758e18, -kInf)), std::nullopt);
    EXPECT_EQ(fw::TruncateToInt64(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(fw::TruncateToInt64(kInf), std::nullopt);
    EXPECT_EQ(fw::TruncateToInt64(-kInf), std::nullopt);
    EXPECT_EQ(fw::TruncateToInt64(1e300), std::nullopt);
}

// An interpolation step as the calculation does it, kept from being folded at compile time.
double Interpolate(double e1, double e2, double steps, double distance) {
    volatile double low = e1;
    volatile double high = e2;
    return low + ((low - high) / steps) * distance;
}

TEST(Format, RoundsTheExactBinaryValue) {
    const double justAbove = Interpolate(1.2808, 1.2333, -50.0, 25.0);  // 1.25705000000000000071
    EXPECT_EQ(Format(justAbove, "0.0000").View(), "1.2571");
    EXPECT_EQ(Format(1.25705000000000000071, "0.0000").View(), "1.2571");
    EXPECT_EQ(Format(0.75834999999999996856, "0.0000").View(), "0.7583");
    EXPECT_EQ(Format(std::nextafter(0.00555, 1.0), ".0000").View(), ".0056");
    EXPECT_EQ(Format(std::nextafter(0.00555, 1.0), "0.0000").View(), "0.0056");
    EXPECT_EQ(Format(0.00005, ".0000").View(), ".0001");  // the double lies above the tie
    EXPECT_EQ(Format(0.00004999999, ".0000").View(), ".0000");
    // Exact binary ties go to the even last digit.
    EXPECT_EQ(Format(0.96875, "0.0000").View(), "0.9688");
    EXPECT_EQ(Format(0.03125, "0.0000").View(), "0.0312");
    EXPECT_EQ(Format(0.03125, ".0000").View(), ".0312");
    EXPECT_EQ(Format(-0.03125, "0.0000").View(), "-0.0312");
}

TEST(Format, WritesTheReportColumns) {
    EXPECT_EQ(Format(1.354024, "0.0000").View(), "1.3540");
    EXPECT_EQ(Format(0.972776, "0.0000").View(), "0.9728");
    EXPECT_EQ(Format(0.0001, "0.0000").View(), "0.0001");
    EXPECT_EQ(Format(3.8031, "0.0000").View(), "3.8031");
    EXPECT_EQ(Format(0.007968, ".0000").View(), ".0080");
    EXPECT_EQ(Format(0.008, ".0000").View(), ".0080");
    EXPECT_EQ(Format(0.0, ".0000").View(), ".0000");
    EXPECT_EQ(Format(0.0, "0.0000").View(), "0.0000");
    EXPECT_EQ(Format(1.5, ".0000").View(), "1.5000");
}

TEST(Format, CarriesIntoTheIntegerDigits) {
    EXPECT_EQ(Format(0.99995, "0.0000").View(), "1.0000");
    EXPECT_EQ(Format(0.99995, ".0000").View(), "1.0000");
    EXPECT_EQ(Format(0.99994, ".0000").View(), ".9999");
    EXPECT_EQ(Format(9.99995, "0.0000").View(), "10.0000");
    EXPECT_EQ(Format(-0.99995, ".0000").View(), "-1.0000");
}

TEST(Format, NeverWritesANegativeZero) {
    EXPECT_EQ(Format(-0.0, "0.0000").View(), "0.0000");
    EXPECT_EQ(Format(-0.0, ".0000").View(), ".0000");
    EXPECT_EQ(Format(-0.00004, "0.0000").View(), "0.0000");
    EXPECT_EQ(Format(-0.00004, ".0000").View(), ".0000");
    EXPECT_EQ(Format(-0.0004, ".0000").View(), "-.0004");
    EXPECT_EQ(Format(-2.5, "0.0000").View(), "-2.5000");
}

TEST(Format, WritesLargeAndNonFiniteValues) {
    EXPECT_EQ(Format(123456789.0, "0.0000").View(), "123456789.0000");
    EXPECT_EQ(Format(1e20, ".0000").View(), "100000000000000000000.0000");
    const std::string largest = Format(std::numeric_limits<double>::max(), "0.0000").ToStdString();
    EXPECT_EQ(largest.size(), 309u + 5u);
    EXPECT_EQ(largest.substr(0, 6), "179769");
    EXPECT_EQ(largest.substr(largest.size() - 5), ".0000");
    EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN(), "0.0000").View(), "NaN");
    EXPECT_EQ(Format(kInf, "0.0000").View(), "INF");
    EXPECT_EQ(Format(-kInf, ".0000").View(), "-INF");
}

TEST(Format, OtherMaskShapes) {
    EXPECT_EQ(Format(3.14159, "0.00").View(), "3.14");
    EXPECT_EQ(Format(7.0, "000.0").View(), "007.0");
    EXPECT_EQ(Format(0.25, "#.0").View(), ".2");  // tie to even
    EXPECT_EQ(Format(2.5, "0").View(), "2");
    EXPECT_EQ(Format(0.0, "#").View(), "0");
    // Any other mask: the shortest text that reads back as the same double.
    EXPECT_EQ(Format(0.1, "x.xx").View(), "0.1");
    EXPECT_EQ(Format(1.25705000000000000071, "").View(), "1.25705");
    EXPECT_EQ(Val(Format(0.1 + 0.2, "?")), 0.1 + 0.2);
}

}  // namespace
