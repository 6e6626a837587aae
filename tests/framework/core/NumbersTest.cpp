#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>

#include "framework/core/Numbers.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The number at the start of a text, rounded correctly and saturating out of range; zero when
// none begins there.
TEST(Val, ReadsTheNumberAtTheStartOfTheText) {
    struct Case {
        const char* text;
        double value;  // its sign too
    };
    const Case plain[] = {{"1.2808", 1.2808}, {".0074", 0.0074}, {"0120", 120.0}, {"7.", 7.0},
                          {"\t 12", 12.0},    {"+3", 3.0},       {"-0.5", -0.5},  {"2,500", 2.0},
                          {"1.5.6", 1.5},     {"1e+", 1.0},      {"2.5E-x", 2.5}, {"1E-2", 0.01},
                          {"3e2x", 300.0},    {"12 34", 12.0},   {"", 0.0},       {"abc", 0.0},
                          {"-", 0.0},         {"-.", 0.0},       {".e5", 0.0},    {"++3", 0.0},
                          {"- 5", 0.0},       {"\n5", 0.0}};
    const Case extreme[] = {{"9007199254740993", 9007199254740992.0},
                            {"4e-320", 4e-320},
                            {"1e999", kInf},
                            {"-1e99999999999999999999", -kInf},
                            {"-1e-999", -0.0},
                            {"123456789e-999999999999999", 0.0},
                            {"0e999999", 0.0}};
    for (const std::span<const Case> cases :
         {std::span<const Case>(plain), std::span<const Case>(extreme)}) {
        for (const Case& c : cases) {
            const double value = fw::Val(c.text);
            EXPECT_EQ(value, c.value) << '"' << c.text << '"';
            EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << '"' << c.text << '"';
        }
    }
    EXPECT_EQ(fw::Val("0.1000000000000000055511151231257827021181583404541015625"), 0.1);
    EXPECT_EQ(fw::Val(fw::String(std::string(400, '9'))), kInf);
    EXPECT_EQ(fw::Val(fw::String("0." + std::string(400, '0') + "1")), 0.0);
}

TEST(TruncateToInt64, TruncatesTowardZeroInsideTheRangeOnly) {
    constexpr double kTwoTo63 = 9223372036854775808.0;
    const struct {
        double value;
        std::optional<std::int64_t> truncated;
    } cases[] = {{12.9, 12},
                 {-12.9, -12},
                 {-kTwoTo63, std::numeric_limits<std::int64_t>::min()},
                 {std::nextafter(kTwoTo63, 0.0), INT64_C(9223372036854774784)},
                 {kTwoTo63, std::nullopt},
                 {std::nextafter(-kTwoTo63, -kInf), std::nullopt},
                 {kNaN, std::nullopt},
                 {-kInf, std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(fw::TruncateToInt64(c.value), c.truncated) << c.value;
    }
}

// The exact binary value is rounded, ties to the even digit (0.00005 lies above its tie); what
// rounds to zero has no sign.
TEST(Format, WritesTheReportsTwoMasks) {
    const struct {
        double value;
        const char* mask;
        const char* text;
    } cases[] = {{0.96875, "0.0000", "0.9688"},     {0.03125, ".0000", ".0312"},
                 {-0.03125, "0.0000", "-0.0312"},   {0.00005, ".0000", ".0001"},
                 {0.00004999999, ".0000", ".0000"}, {0.0001, "0.0000", "0.0001"},
                 {0.008, ".0000", ".0080"},         {1.5, ".0000", "1.5000"},
                 {0.99994, ".0000", ".9999"},       {0.99995, ".0000", "1.0000"},
                 {9.99995, "0.0000", "10.0000"},    {-0.99995, ".0000", "-1.0000"},
                 {0.0, ".0000", ".0000"},           {-0.0, "0.0000", "0.0000"},
                 {-0.00004, ".0000", ".0000"},      {-0.0004, ".0000", "-.0004"},
                 {kNaN, "0.0000", "NaN"},           {-kInf, ".0000", "-INF"}};
    for (const auto& c : cases) {
        EXPECT_EQ(fw::Format(c.value, c.mask).View(), c.text) << c.value << " " << c.mask;
    }
    EXPECT_EQ(fw::Format(1e20, ".0000").View(), "100000000000000000000.0000");
    const std::string largest =
        fw::Format(std::numeric_limits<double>::max(), "0.0000").ToStdString();
    EXPECT_EQ(largest.substr(0, 6) + "/" + std::to_string(largest.size()), "179769/314");
}

}  // namespace
