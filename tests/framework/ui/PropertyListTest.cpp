#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/ui/PropertyList.h"

namespace {

using fw::PropertyListBuilder;
using namespace std::string_literals;

// Lists as the layouts write them, with a value of every kind.
const std::vector<std::string> kRealLists = {
    PropertyListBuilder()
        .Text("Name", "StaticText2")
        .Integer("Top", -2)
        .Boolean("LockLeft", true)
        .Boolean("TabStop", false)
        .Color("TextColor", {0x55, 0x55, 0x55, 0x00})
        .Text("Value", "\xC2\xA9 2000 - 2020 Vantrex Analytics.")
        .Text("Tooltip", "")
        .Single("FontSize", 7.0f)
        .Unit("FontUnit", 0)
        .Double("LineSpacing", 1.0)
        .Build()
        .ToStdString(),
    PropertyListBuilder().Integer("Period", 4000).Integer("RunMode", 1).Build().ToStdString()};

// Writes a decoded entry again with the builder's method for its kind.
struct WriteAgain {
    PropertyListBuilder& list;
    const std::string& name;
    void operator()(const fw::String& v) { list.Text(name, v.View()); }
    void operator()(std::int64_t v) { list.Integer(name, v); }
    void operator()(double v) { list.Double(name, v); }
    void operator()(float v) { list.Single(name, v); }
    void operator()(std::uint8_t v) { list.Unit(name, v); }
    void operator()(fw::Color v) { list.Color(name, v); }
    void operator()(bool v) { list.Boolean(name, v); }
};

// Decodes a heap copy of exactly the bytes (so that ASan sees any read past their end), or
// raises RuntimeException with a message. A list that decodes must build again to the same
// bytes. Gives whether it decoded.
bool DecodesOrRaises(const std::string& bytes) {
    auto exact = std::make_unique<char[]>(bytes.size());
    std::memcpy(exact.get(), bytes.data(), bytes.size());
    std::vector<fw::PropertyEntry> entries;
    try {
        entries = fw::DecodePropertyList(fw::String(std::string_view(exact.get(), bytes.size())));
    } catch (const fw::RuntimeException& e) {
        EXPECT_FALSE(e.Message().IsEmpty());
        return false;
    }
    PropertyListBuilder again;
    for (const fw::PropertyEntry& e : entries) {
        std::visit(WriteAgain{again, e.name}, e.value);
    }
    EXPECT_EQ(again.Build().ToStdString(), bytes) << "decoded, but builds again to other bytes";
    return true;
}

TEST(PropertyList, TheWrittenExamplesComeOutByteForByte) {
    const std::pair<fw::String, std::string> examples[] = {
        {PropertyListBuilder().Integer("Width", 470).Build(), "Width \xD6\x01\0\0\0\0\0\0"s},
        {PropertyListBuilder().Text("Caption", "Quit").Build(), "Caption \x04\0\0\0Quit"s},
        {PropertyListBuilder().Single("FontSize", 12.0f).Build(), "FontSize \0\0\x40\x41"s},
        {PropertyListBuilder().Boolean("Default", true).Build(), "Default \x01"s},
        {PropertyListBuilder().Integer("Top", -2).Build(), "Top \xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF"s},
        {PropertyListBuilder().Double("LineHeight", 1.0).Build(),
         "LineHeight \0\0\0\0\0\0\xF0\x3F"s},
        {PropertyListBuilder().Unit("FontUnit", 3).Build(), "FontUnit \x03"s},
        {PropertyListBuilder().Color("TextColor", {0xFE, 0x7F, 0x0F, 0}).Build(),
         "TextColor \xFE\x7F\x0F\0"s}};
    for (const auto& [built, bytes] : examples) {
        EXPECT_EQ(built.ToStdString(), bytes);
    }
    EXPECT_THROW(PropertyListBuilder().Integer("Caption", 1), fw::RuntimeException);  // a text
}

TEST(PropertyList, EveryPrefixOfARealListDecodesToWholeEntriesOrRaises) {
    for (const std::string& list : kRealLists) {
        ASSERT_TRUE(DecodesOrRaises(list));
        std::size_t decoded = 0;
        for (std::size_t n = 0; n < list.size(); ++n) {
            decoded += DecodesOrRaises(list.substr(0, n)) ? 1 : 0;
        }
        // Those that end between entries: the empty one and one after each entry but the last.
        EXPECT_EQ(decoded, fw::DecodePropertyList(fw::String(list)).size());
    }
}

// Any name this decoder does not know is a Boolean's; whether the object knows it is for
// whoever applies the list.
TEST(PropertyList, MalformedListsRaise) {
    for (const std::string& bytes : {"9Lives \x01"s, " Width"s, "Width"s, "Wid-th \x01"s,
                                     "Visible\x01"s, "\xC3\xA9t\xC3\xA9 \x01"s, "Visible  \x01"s,
                                     "Caption \xFF\xFF\xFF\xFFQuit"s, "Frobnicate \x02"s,
                                     "Visible \x01"
                                     "Enabled \xFF"s}) {
        EXPECT_THROW(fw::DecodePropertyList(fw::String(bytes)), fw::RuntimeException) << bytes;
    }
    EXPECT_THAT([] { fw::DecodePropertyList("Enabled \x02"); },
                ::testing::ThrowsMessage<fw::RuntimeException>(::testing::HasSubstr("Enabled")));
    EXPECT_EQ(fw::DecodePropertyList("Frobnicate \x01").at(0).name, "Frobnicate");
}

// Random bytes, random runs of name pieces, and real lists with bytes changed, dropped or cut
// off: each decodes (and builds again to the same bytes) or raises. Each source a case of its
// own, so that they run side by side.
class PropertyListRandom : public ::testing::TestWithParam<int> {};

std::string RandomList(int source, std::mt19937_64& random) {
    static const std::string pieces[] = {
        "Width ",   "Caption ", "FontSize ", "FontUnit ", "TextColor ",        "LineHeight ",
        "Visible ", " ",        "\x01",      "\x02",      "\x04\x00\x00\x00"s, "\xFF\xFF\xFF\xFF",
        "A_1 "};
    std::string bytes;
    for (std::size_t i = random() % (source == 0 ? 40 : 8); source < 2 && i > 0; --i) {
        if (source == 0) {
            bytes.push_back(static_cast<char>(random()));
        } else {
            bytes += pieces[random() % std::size(pieces)];
            bytes.append(random() % 2 ? random() % 9 : 0, static_cast<char>(random() % 2));
        }
    }
    if (source == 2) {
        bytes = kRealLists[random() % kRealLists.size()];
        for (std::size_t i = 1 + random() % 3; i > 0 && !bytes.empty(); --i) {
            const std::size_t at = random() % bytes.size();
            const auto how = random() % 3;
            if (how == 0) {
                bytes[at] = static_cast<char>(random());
            } else {
                bytes.erase(at, how == 1 ? 1 + random() % 4 : std::string::npos);
            }
        }
    }
    return bytes;
}

TEST_P(PropertyListRandom, DecodeOrRaise) {
    const int rounds[] = {80'000, 70'000, 40'000};
    std::mt19937_64 random(static_cast<std::uint64_t>(GetParam()) + 1);
    int decoded = 0;
    for (int round = 0; round < rounds[GetParam()] && !HasFailure(); ++round) {
        const std::string bytes = RandomList(GetParam(), random);
        decoded += DecodesOrRaises(bytes) ? 1 : 0;
        if (HasFailure()) {
            ADD_FAILURE() << "round " << round;
        }
    }
    EXPECT_GT(decoded, 0);  // both outcomes occur: the rounds reach into the decoder
    EXPECT_LT(decoded, rounds[GetParam()]);
}

INSTANTIATE_TEST_SUITE_P(RawBytesNamePiecesMutations, PropertyListRandom, ::testing::Range(0, 3));

}  // namespace
