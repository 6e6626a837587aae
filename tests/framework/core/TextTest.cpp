#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "framework/core/Text.h"

namespace {

using fw::NthField;
using fw::String;

const String kCR = fw::Chr(13);

TEST(NthField, CountsFromOneAndGivesEmptyOutsideTheFields) {
    const String table = "1.2808\r1.2333\r.0074";
    EXPECT_EQ(NthField(table, kCR, 1).View(), "1.2808");
    EXPECT_EQ(NthField(table, kCR, 2).View(), "1.2333");
    EXPECT_EQ(NthField(table, kCR, 3).View(), ".0074");  // the last runs to the end
    EXPECT_TRUE(NthField(table, kCR, 4).IsEmpty());
    EXPECT_TRUE(NthField(table, kCR, 0).IsEmpty());
    EXPECT_TRUE(NthField(table, kCR, -1).IsEmpty());
    EXPECT_TRUE(NthField(table, kCR, std::numeric_limits<std::int64_t>::max()).IsEmpty());
    EXPECT_TRUE(NthField(table, kCR, std::numeric_limits<std::int64_t>::min()).IsEmpty());
}

TEST(NthField, ConsecutiveDelimitersMakeEmptyFields) {
    const String text = "\ra\r\rb\r";
    EXPECT_TRUE(NthField(text, kCR, 1).IsEmpty());
    EXPECT_EQ(NthField(text, kCR, 2).View(), "a");
    EXPECT_TRUE(NthField(text, kCR, 3).IsEmpty());
    EXPECT_EQ(NthField(text, kCR, 4).View(), "b");
    EXPECT_TRUE(NthField(text, kCR, 5).IsEmpty());  // after the final delimiter
    EXPECT_TRUE(NthField(text, kCR, 6).IsEmpty());
}

TEST(NthField, WithoutTheDelimiterTheWholeTextIsTheOnlyField) {
    const String text = "1.2808 1.2333";
    const String first = NthField(text, kCR, 1);
    EXPECT_EQ(first.View(), "1.2808 1.2333");
    EXPECT_TRUE(first.SharesBytesWith(text));
    EXPECT_TRUE(NthField(text, kCR, 2).IsEmpty());
    EXPECT_TRUE(NthField(String(), kCR, 1).IsEmpty());

    // An empty delimiter splits nothing.
    EXPECT_TRUE(NthField(text, String(), 1).SharesBytesWith(text));
    EXPECT_TRUE(NthField(text, String(), 2).IsEmpty());
}

TEST(NthField, MultiByteDelimitersMatchWholeAndDoNotOverlap) {
    EXPECT_EQ(NthField("a<>b<>c", "<>", 2).View(), "b");
    EXPECT_EQ(NthField("a<>b<>c", "<>", 3).View(), "c");
    EXPECT_EQ(NthField("a<b>c", "<>", 1).View(), "a<b>c");
    // After a match the search resumes past it: ":::" is one "::" and then a ":".
    EXPECT_EQ(NthField("a:::b", "::", 1).View(), "a");
    EXPECT_EQ(NthField("a:::b", "::", 2).View(), ":b");
    EXPECT_TRUE(NthField("a:::b", "::", 3).IsEmpty());
    // A multi-byte character as delimiter, and fields of multi-byte text.
    EXPECT_EQ(NthField("é€x€😀", "€", 3).View(), "😀");
    EXPECT_TRUE(NthField("ab", "abc", 2).IsEmpty());
}

TEST(NthField, ReadsAnyFieldOfALargeTable) {
    std::string bytes;
    for (int f = 1; f <= 11550; ++f) {
        if (f > 1) {
            bytes += '\r';
        }
        bytes += std::to_string(f);
    }
    const String table(std::move(bytes));
    EXPECT_EQ(NthField(table, kCR, 1).View(), "1");
    EXPECT_EQ(NthField(table, kCR, 55).View(), "55");
    EXPECT_EQ(NthField(table, kCR, 56).View(), "56");
    EXPECT_EQ(NthField(table, kCR, 5775).View(), "5775");
    EXPECT_EQ(NthField(table, kCR, 11550).View(), "11550");
    EXPECT_TRUE(NthField(table, kCR, 11551).IsEmpty());
}

TEST(NthField, AgreesWithASimpleSplitOverFieldsOfEveryLength) {
    // Fields of 0 to 300 bytes, so delimiters fall on and around every block boundary of the
    // scan, including runs of delimiters longer than a block.
    std::vector<std::string> fields;
    for (int length : {0, 0, 0, 1, 127, 128, 129, 0, 255, 256, 257, 300, 2, 0, 63, 64, 65, 1}) {
        fields.push_back(std::string(static_cast<std::size_t>(length), 'x') +
                         std::to_string(fields.size()));
        fields.back().resize(static_cast<std::size_t>(length), '-');
    }
    for (int i = 0; i < 400; ++i) {
        fields.emplace_back();
    }
    fields.push_back("end");
    for (const char* delimiter : {"\r", "\r\n"}) {
        std::string joined;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            joined += (i > 0 ? delimiter : "") + fields[i];
        }
        const String text(std::move(joined));
        for (std::size_t i = 0; i < fields.size(); ++i) {
            ASSERT_EQ(NthField(text, delimiter, static_cast<std::int64_t>(i + 1)).View(), fields[i])
                << "field " << i + 1;
        }
        EXPECT_TRUE(
            NthField(text, delimiter, static_cast<std::int64_t>(fields.size() + 1)).IsEmpty());
    }
}

TEST(Chr, EncodesCodePointsAsUtf8AndRefusesInvalidOnes) {
    EXPECT_EQ(fw::Chr(13).View(), "\r");
    EXPECT_EQ(fw::Chr(65).View(), "A");
    EXPECT_EQ(fw::Chr(0xE9).View(), "é");
    EXPECT_EQ(fw::Chr(0x20AC).View(), "€");
    EXPECT_EQ(fw::Chr(0xFFFF).View(), "\xEF\xBF\xBF");
    EXPECT_EQ(fw::Chr(0x1F600).View(), "😀");
    EXPECT_EQ(fw::Chr(0x10FFFF).View(), "\xF4\x8F\xBF\xBF");
    EXPECT_EQ(fw::Chr(0).View(), std::string_view("\0", 1));
    EXPECT_TRUE(fw::Chr(-1).IsEmpty());
    EXPECT_TRUE(fw::Chr(0xD800).IsEmpty());
    EXPECT_TRUE(fw::Chr(0xDFFF).IsEmpty());
    EXPECT_TRUE(fw::Chr(0x110000).IsEmpty());
    EXPECT_TRUE(fw::Chr(std::numeric_limits<std::int64_t>::min()).IsEmpty());
}

TEST(LenAndRight, CountCharactersNotBytes) {
    const String text = "é€😀";  // 2 + 3 + 4 bytes
    EXPECT_EQ(fw::Len(text), 3);
    EXPECT_EQ(fw::Len(String()), 0);
    EXPECT_EQ(fw::Len("\r\n"), 2);
    EXPECT_EQ(fw::Right(text, 1).View(), "😀");
    EXPECT_EQ(fw::Right(text, 2).View(), "€😀");
    EXPECT_TRUE(fw::Right(text, 3).SharesBytesWith(text));
    EXPECT_TRUE(fw::Right(text, 99).SharesBytesWith(text));
    EXPECT_TRUE(fw::Right(text, 0).IsEmpty());
    EXPECT_TRUE(fw::Right(text, -5).IsEmpty());
    EXPECT_TRUE(fw::Right(String(), 3).IsEmpty());
}

TEST(LenAndRight, PadANumberIntoAField) {
    // The report right-aligns numbers: n spaces and the digits, then the last n characters.
    EXPECT_EQ(fw::Right(String("   ") + fw::Str(7), 3).View(), "  7");
    EXPECT_EQ(fw::Right(String("    ") + fw::Str(2500), 4).View(), "2500");
}

TEST(Str, WritesEveryInt64) {
    EXPECT_EQ(fw::Str(0).View(), "0");
    EXPECT_EQ(fw::Str(-7).View(), "-7");
    EXPECT_EQ(fw::Str(2500).View(), "2500");
    EXPECT_EQ(fw::Str(std::numeric_limits<std::int64_t>::max()).View(), "9223372036854775807");
    EXPECT_EQ(fw::Str(std::numeric_limits<std::int64_t>::min()).View(), "-9223372036854775808");
}

TEST(EndOfLine, IsALineFeed) {
    EXPECT_EQ(fw::EndOfLine().View(), "\n");
    EXPECT_EQ((String("row") + fw::EndOfLine()).View(), "row\n");
}

}  // namespace
