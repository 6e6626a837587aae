#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/core/Object.h"
#include "framework/core/Text.h"

namespace {

using fw::NthField;
using fw::String;

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// Two non-empty texts share their bytes exactly when their data are at the same place.
bool SameBytes(const String& a, const String& b) {
    return !a.IsEmpty() && a.Data() == b.Data();
}

TEST(String, CopiesShareTheBytesAndJoiningBuildsANewText) {
    const String a("Random ");
    const String joined = a + String("Eigenvalue");
    EXPECT_EQ(joined.View(), "Random Eigenvalue");
    EXPECT_EQ(a.View(), "Random ");
    EXPECT_FALSE(SameBytes(joined, a));
    EXPECT_TRUE(SameBytes(String(a), a));
    EXPECT_TRUE(SameBytes(String() + a, a));
}

TEST(NthField, CountsFromOneAndGivesEmptyOutsideTheFields) {
    const char* t = "1.2808\r1.2333\r.0074";
    const struct {
        const char* text;
        const char* delimiter;
        std::int64_t n;
        const char* field;
    } cases[] = {{t, "\r", 1, "1.2808"}, {t, "\r", 3, ".0074"},       {t, "\r", 4, ""},
                 {t, "\r", 0, ""},       {t, "\r", -1, ""},           {t, "\r", kMax, ""},
                 {t, "\r", kMin, ""},    {"1.2808 1.2", "\r", 2, ""}, {"x", "", 1, "x"},
                 {"x", "", 2, ""},       {"a<>b<>c", "<>", 2, "b"},   {"a:::b", "::", 2, ":b"},
                 {"a:::b", "::", 3, ""}, {"é€x€😀", "€", 3, "😀"}};
    for (const auto& c : cases) {
        EXPECT_EQ(NthField(c.text, c.delimiter, c.n).View(), c.field) << c.text << " " << c.n;
    }
    const String whole = "1.2808 1.2333";
    EXPECT_TRUE(SameBytes(NthField(whole, "\r", 1), whole));
}

// Fields of 0 to 300 bytes, so that delimiters fall on and around every boundary of the blocks
// the scan counts at once, runs of delimiters longer than a block among them.
TEST(NthField, AgreesWithASimpleSplitOverFieldsOfEveryLength) {
    std::vector<std::string> fields;
    for (int length : {0, 0, 1, 127, 128, 129, 0, 255, 256, 257, 300, 2, 0, 63, 64, 65, 1}) {
        fields.push_back(std::to_string(fields.size()));
        fields.back().resize(static_cast<std::size_t>(length), '-');
    }
    fields.resize(fields.size() + 400);
    fields.push_back("end");
    for (const char* delimiter : {"\r", "\r\n"}) {
        std::string joined;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            joined += (i > 0 ? delimiter : "") + fields[i];
        }
        const String text(std::move(joined));
        for (std::size_t i = 0; i <= fields.size(); ++i) {
            ASSERT_EQ(NthField(text, delimiter, static_cast<std::int64_t>(i + 1)).View(),
                      i < fields.size() ? fields[i] : "")
                << "field " << i + 1;
        }
    }
}

TEST(Text, LenRightStrChrAndEndOfLine) {
    const String text = "é€😀";  // 2 + 3 + 4 bytes
    EXPECT_EQ(fw::Len(text), 3);
    EXPECT_EQ(fw::Len("\r\n"), 2);
    EXPECT_EQ(fw::Right(text, 2).View(), "€😀");
    EXPECT_TRUE(SameBytes(fw::Right(text, 99), text));
    EXPECT_TRUE(fw::Right(text, 0).IsEmpty());
    EXPECT_TRUE(fw::Right(text, -5).IsEmpty());
    EXPECT_EQ(fw::Right(String("   ") + fw::Str(7), 3).View(), "  7");  // a number right-aligned
    EXPECT_EQ(fw::Str(kMax).View(), "9223372036854775807");
    EXPECT_EQ(fw::Str(kMin).View(), "-9223372036854775808");
    EXPECT_EQ(fw::Chr(13).View(), "\r");
    EXPECT_TRUE(fw::Chr(-1).IsEmpty());
    EXPECT_EQ(fw::EndOfLine().View(), "\n");
}

struct Base : fw::Object {};
struct Derived : Base {};
struct Other : fw::Object {};

TEST(Cast, NilStaysNilAndAWrongClassRaises) {
    EXPECT_EQ(fw::Cast<Base>(fw::Ref<fw::Object>()), nullptr);
    fw::Ref<fw::Object> derived = std::make_shared<Derived>();
    EXPECT_EQ(fw::Cast<Base>(derived), derived);
    EXPECT_THROW(fw::Cast<Base>(std::make_shared<Other>()), fw::IllegalCastException);
    EXPECT_THROW(fw::NotNil(fw::Ref<fw::Object>()), fw::NilObjectException);
}

}  // namespace
