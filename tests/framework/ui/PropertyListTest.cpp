#include <gtest/gtest.h>

#include <cstdint>
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
std::vector<std::string> RealLists() {
    const fw::String label = PropertyListBuilder()
                                 .Text("Name", "StaticText2")
                                 .Integer("Index", INT64_C(-2147483648))
                                 .Integer("Top", -2)
                                 .Boolean("LockLeft", true)
                                 .Boolean("TabStop", false)
                                 .Color("TextColor", {0x55, 0x55, 0x55, 0x00})
                                 .Text("Value", "\xC2\xA9 2000 - 2020 Vantrex Analytics.")
                                 .Text("Tooltip", "")
                                 .Single("FontSize", 7.0f)
                                 .Unit("FontUnit", 0)
                                 .Double("LineSpacing", 1.0)
                                 .Build();
    const fw::String timer =
        PropertyListBuilder().Integer("Period", 4000).Integer("RunMode", 1).Build();
    return {label.ToStdString(), timer.ToStdString()};
}

// Builds a list again from decoded entries.
std::string Encode(const std::vector<fw::PropertyEntry>& entries) {
    PropertyListBuilder builder;
    for (const fw::PropertyEntry& e : entries) {
        std::visit(
            [&](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, fw::String>) {
                    builder.Text(e.name, v.View());
                } else if constexpr (std::is_same_v<T, std::int64_t>) {
                    builder.Integer(e.name, v);
                } else if constexpr (std::is_same_v<T, double>) {
                    builder.Double(e.name, v);
                } else if constexpr (std::is_same_v<T, float>) {
                    builder.Single(e.name, v);
                } else if constexpr (std::is_same_v<T, std::uint8_t>) {
                    builder.Unit(e.name, v);
                } else if constexpr (std::is_same_v<T, fw::Color>) {
                    builder.Color(e.name, v);
                } else {
                    builder.Boolean(e.name, v);
                }
            },
            e.value);
    }
    return builder.Build().ToStdString();
}

// Decodes a heap copy of exactly the bytes (so that ASan sees any read past their end), or
// raises RuntimeException with a message; anything else fails the test. A list that decodes
// must build again to the same bytes. Gives whether it decoded.
bool DecodesOrRaises(const std::string& bytes) {
    auto exact = std::make_unique<char[]>(bytes.size());
    std::memcpy(exact.get(), bytes.data(), bytes.size());
    try {
        const auto entries =
            fw::DecodePropertyList(fw::String(std::string_view(exact.get(), bytes.size())));
        EXPECT_EQ(Encode(entries), bytes) << "decoded, but builds again to other bytes";
        return true;
    } catch (const fw::RuntimeException& e) {
        EXPECT_FALSE(e.Message().IsEmpty());
        return false;
    }
}

TEST(PropertyListBytes, TheWrittenExamplesComeOutByteForByte) {
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
    // A value of the wrong type for its name is refused.
    EXPECT_THROW(PropertyListBuilder().Integer("Caption", 1), fw::RuntimeException);
    EXPECT_THROW(PropertyListBuilder().Boolean("FontSize", true), fw::RuntimeException);
}

TEST(PropertyListDecoding, EveryPrefixOfARealListDecodesToWholeEntriesOrRaises) {
    for (const std::string& list : RealLists()) {
        ASSERT_TRUE(DecodesOrRaises(list));
        std::size_t decodedPrefixes = 0;
        for (std::size_t n = 0; n < list.size(); ++n) {
            decodedPrefixes += DecodesOrRaises(list.substr(0, n)) ? 1 : 0;
        }
        // Exactly those that end between entries: the empty one and one after each entry but
        // the last.
        EXPECT_EQ(decodedPrefixes, fw::DecodePropertyList(fw::String(list)).size());
    }
}

TEST(PropertyListDecoding, MalformedListsRaise) {
    for (const std::string& bytes :
         {"1Width "s + std::string(8, '\0'), " Width"s, "Width"s, "Wid-th \x01"s, "Visible\x01"s,
          "\xC3\xA9t\xC3\xA9 \x01"s, "Visible  \x01"s, "Caption \xFF\xFF\xFF\xFFQuit"s,
          "Visible \x01"
          "Enabled \xFF"s,
          "Frobnicate \x02"s}) {
        EXPECT_THROW(fw::DecodePropertyList(fw::String(bytes)), fw::RuntimeException) << bytes;
    }
    // A bad Boolean byte is named with its property.
    try {
        fw::DecodePropertyList("Enabled \x02");
        ADD_FAILURE() << "decoded";
    } catch (const fw::RuntimeException& e) {
        EXPECT_NE(e.Message().View().find("Enabled"), std::string_view::npos) << e.what();
    }
    // A name the decoder does not know is a Boolean: whether the object knows it is for
    // whoever applies the list.
    EXPECT_EQ(fw::DecodePropertyList("Frobnicate \x01").at(0).name, "Frobnicate");
}

// Random bytes, random runs of name pieces, and real lists with bytes changed, dropped or cut
// off: each decodes (and builds again to the same bytes) or raises, and nothing reads past its
// end. Each source a case of its own, so that they run side by side.
enum class Source { RawBytes, NamePieces, Mutations };

struct Fuzz {
    Source source;
    int rounds;
};

class PropertyListRandom : public ::testing::TestWithParam<Fuzz> {};

std::string RandomList(Source source, std::mt19937_64& random,
                       const std::vector<std::string>& real) {
    static const std::vector<std::string> pieces = {
        "Width ",      "Caption ", "FontSize ", "FontUnit ",         "TextColor ",
        "LineHeight ", "Visible ", "Name ",     "Period ",           " ",
        "\x01",        "\x00"s,    "\x02",      "\x04\x00\x00\x00"s, "\xFF\xFF\xFF\xFF",
        "Quit",        "A_1 "};
    std::string bytes;
    switch (source) {
        case Source::RawBytes:
            for (std::size_t i = random() % 40; i > 0; --i) {
                bytes.push_back(static_cast<char>(random()));
            }
            break;
        case Source::NamePieces:
            for (std::size_t i = random() % 8; i > 0; --i) {
                bytes += pieces[random() % pieces.size()];
                bytes.append(random() % 2 ? random() % 9 : 0, static_cast<char>(random() % 2));
            }
            break;
        case Source::Mutations:
            bytes = real[random() % real.size()];
            for (std::size_t i = 1 + random() % 3; i > 0 && !bytes.empty(); --i) {
                const std::size_t at = random() % bytes.size();
                switch (random() % 3) {
                    case 0:
                        bytes[at] = static_cast<char>(random());
                        break;
                    case 1:
                        bytes.erase(at, 1 + random() % 4);
                        break;
                    default:
                        bytes.resize(at);
                }
            }
            break;
    }
    return bytes;
}

TEST_P(PropertyListRandom, DecodeOrRaise) {
    std::mt19937_64 random(static_cast<std::uint64_t>(GetParam().source) + 1);
    const std::vector<std::string> real = RealLists();
    int decoded = 0;
    for (int round = 0; round < GetParam().rounds && !HasFailure(); ++round) {
        const std::string bytes = RandomList(GetParam().source, random, real);
        decoded += DecodesOrRaises(bytes) ? 1 : 0;
        if (HasFailure()) {
            ADD_FAILURE() << "round " << round;
        }
    }
    // Both outcomes occur, so the rounds reach into the decoder.
    EXPECT_GT(decoded, 0);
    EXPECT_LT(decoded, GetParam().rounds);
}

INSTANTIATE_TEST_SUITE_P(Sources, PropertyListRandom,
                         ::testing::Values(Fuzz{Source::RawBytes, 80'000},
                                           Fuzz{Source::NamePieces, 70'000},
                                           Fuzz{Source::Mutations, 40'000}),
                         [](const auto& info) {
                             return std::string(info.param.source == Source::RawBytes ? "RawBytes"
                                                : info.param.source == Source::NamePieces
                                                    ? "NamePieces"
                                                    : "Mutations");
                         });

}  // namespace
