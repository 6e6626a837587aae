#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/ui/PropertyList.h"

namespace {

using fw::PropertyListBuilder;
using namespace std::string_literals;

std::string Bytes(std::initializer_list<unsigned> bytes) {
    std::string out;
    for (unsigned b : bytes) {
        out.push_back(static_cast<char>(b));
    }
    return out;
}

std::string ToStd(const fw::String& s) {
    return s.ToStdString();
}

// The About window's lists, entry by entry as the window is built.

// One line of 53 characters, 54 bytes of UTF-8.
constexpr std::string_view kNotice = "\xC2\xA9 2000 - 2020 Vantrex Analytics. All rights reserved.";

fw::String AboutWindowList() {
    return PropertyListBuilder()
        .Integer("Width", 249)
        .Integer("Height", 200)
        .Integer("MinimumWidth", 64)
        .Integer("MinimumHeight", 64)
        .Integer("MaximumWidth", 32000)
        .Integer("MaximumHeight", 32000)
        .Integer("Type", 2)
        .Text("Title", "")
        .Boolean("HasCloseButton", false)
        .Boolean("HasMaximizeButton", false)
        .Boolean("HasMinimizeButton", true)
        .Boolean("HasFullScreenButton", false)
        .Boolean("Resizeable", false)
        .Boolean("Composite", false)
        .Integer("MacProcID", 0)
        .Boolean("FullScreen", false)
        .Integer("DefaultLocation", 0)
        .Boolean("Visible", true)
        .Boolean("HasBackgroundColor", true)
        .Color("BackgroundColor", {0xFF, 0xFF, 0xFF, 0x00})
        .Boolean("MenuBarVisible", true)
        .Boolean("LiveResize", false)
        .Build();
}

fw::String AboutCanvasList(std::string_view name, std::int64_t left, std::int64_t top,
                           std::int64_t width, std::int64_t height, std::int64_t tabIndex) {
    return PropertyListBuilder()
        .Text("Name", name)
        .Integer("Index", INT64_C(-2147483648))
        .Integer("Left", left)
        .Integer("Top", top)
        .Integer("Width", width)
        .Integer("Height", height)
        .Boolean("LockLeft", false)
        .Boolean("LockTop", false)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .Integer("TabIndex", tabIndex)
        .Integer("TabPanelIndex", 0)
        .Boolean("TabStop", true)
        .Boolean("Enabled", true)
        .Boolean("Visible", true)
        .Boolean("DoubleBuffer", false)
        .Boolean("Transparent", true)
        .Text("InitialParent", "")
        .Boolean("AllowAutoDeactivate", true)
        .Text("Tooltip", "")
        .Boolean("AllowFocusRing", true)
        .Boolean("AllowFocus", false)
        .Boolean("AllowTabs", false)
        .Build();
}

fw::String AboutLabelList() {
    return PropertyListBuilder()
        .Text("Name", "StaticText2")
        .Integer("Index", INT64_C(-2147483648))
        .Integer("Left", 20)
        .Integer("Top", 169)
        .Integer("Width", 209)
        .Integer("Height", 11)
        .Boolean("LockLeft", true)
        .Boolean("LockTop", true)
        .Boolean("LockRight", true)
        .Boolean("LockBottom", true)
        .Integer("TabIndex", 2)
        .Integer("TabPanelIndex", 0)
        .Boolean("TabStop", false)
        .Boolean("Enabled", true)
        .Boolean("Multiline", false)
        .Boolean("Selectable", false)
        .Color("TextColor", {0x55, 0x55, 0x55, 0x00})
        .Boolean("Transparent", false)
        .Boolean("Visible", true)
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false)
        .Text("DataSource", "")
        .Text("DataField", "")
        .Text("InitialParent", "")
        .Boolean("AllowAutoDeactivate", true)
        .Text("Tooltip", "")
        .Integer("TextAlignment", 2)
        .Text("Value", kNotice)
        .Text("FontName", "System")
        .Single("FontSize", 7.0f)
        .Unit("FontUnit", 0)
        .Build();
}

fw::String AboutTimerList() {
    return PropertyListBuilder().Integer("Period", 4000).Integer("RunMode", 1).Build();
}

std::vector<fw::String> RealLists() {
    return {AboutWindowList(), AboutCanvasList("Graph", 51, 42, 147, 115, 0),
            AboutCanvasList("Canvas2", 0, -2, 244, 30, 1), AboutLabelList(), AboutTimerList()};
}

// Builds a list again from decoded entries; a list that decodes comes back byte for byte.
fw::String Encode(const std::vector<fw::PropertyEntry>& entries) {
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
    return builder.Build();
}

// Decodes, or raises RuntimeException; anything else fails the test. A list that decodes must
// build again to the same bytes. Returns whether it decoded.
bool DecodesOrRaises(const std::string& bytes) {
    try {
        std::vector<fw::PropertyEntry> entries = fw::DecodePropertyList(fw::String(bytes));
        if (fw::String again = Encode(entries); again.View() != bytes) {
            ADD_FAILURE() << "decoded, but builds again to other bytes";
        }
        return true;
    } catch (const fw::RuntimeException& e) {
        if (e.Message().IsEmpty()) {
            ADD_FAILURE() << "raised without a message";
        }
        return false;
    }
}

TEST(PropertyListBytes, TheWrittenExamplesComeOutByteForByte) {
    EXPECT_EQ(ToStd(PropertyListBuilder().Integer("Width", 470).Build()),
              Bytes({0x57, 0x69, 0x64, 0x74, 0x68, 0x20, 0xD6, 0x01, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ToStd(PropertyListBuilder().Text("Caption", "Quit").Build()),
              Bytes({0x43, 0x61, 0x70, 0x74, 0x69, 0x6F, 0x6E, 0x20, 0x04, 0x00, 0x00, 0x00, 0x51,
                     0x75, 0x69, 0x74}));
    EXPECT_EQ(ToStd(PropertyListBuilder().Single("FontSize", 12.0f).Build()),
              "FontSize " + Bytes({0x00, 0x00, 0x40, 0x41}));
    EXPECT_EQ(ToStd(PropertyListBuilder().Boolean("Default", true).Build()),
              Bytes({0x44, 0x65, 0x66, 0x61, 0x75, 0x6C, 0x74, 0x20, 0x01}));

    // The other widths: a negative Integer in two's complement, a Double, a unit byte, a colour.
    EXPECT_EQ(ToStd(PropertyListBuilder().Integer("Top", -2).Build()),
              "Top " + Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(ToStd(PropertyListBuilder().Double("LineHeight", 1.0).Build()),
              "LineHeight " + Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    EXPECT_EQ(ToStd(PropertyListBuilder().Unit("FontUnit", 3).Build()), "FontUnit \x03");
    EXPECT_EQ(ToStd(PropertyListBuilder().Color("TextColor", {0xFE, 0x7F, 0x0F, 0}).Build()),
              "TextColor " + Bytes({0xFE, 0x7F, 0x0F, 0x00}));
    EXPECT_EQ(ToStd(PropertyListBuilder().Text("Title", "").Build()),
              "Title " + Bytes({0, 0, 0, 0}));
}

TEST(PropertyListBytes, TheAboutWindowsListsHaveTheirLengths) {
    ASSERT_EQ(kNotice.size(), 54u);
    EXPECT_EQ(AboutWindowList().ByteCount(), 367u);
    EXPECT_EQ(AboutCanvasList("Graph", 51, 42, 147, 115, 0).ByteCount(), 307u);
    EXPECT_EQ(AboutCanvasList("Canvas2", 0, -2, 244, 30, 1).ByteCount(), 309u);
    EXPECT_EQ(AboutLabelList().ByteCount(), 479u);
    EXPECT_EQ(AboutTimerList().ByteCount(), 31u);
}

TEST(PropertyListBytes, AValueOfTheWrongTypeForItsNameIsRefused) {
    EXPECT_THROW(PropertyListBuilder().Integer("Caption", 1), fw::RuntimeException);
    EXPECT_THROW(PropertyListBuilder().Text("Width", "470"), fw::RuntimeException);
    EXPECT_THROW(PropertyListBuilder().Boolean("FontSize", true), fw::RuntimeException);
    EXPECT_THROW(PropertyListBuilder().Single("LineHeight", 1.0f), fw::RuntimeException);
}

TEST(PropertyListDecoding, RoundTripKeepsEveryEntryInOrder) {
    std::vector<fw::PropertyEntry> label = fw::DecodePropertyList(AboutLabelList());
    ASSERT_EQ(label.size(), 32u);
    EXPECT_EQ(label[0].name, "Name");
    EXPECT_EQ(std::get<fw::String>(label[0].value), fw::String("StaticText2"));
    EXPECT_EQ(std::get<std::int64_t>(label[1].value), INT64_C(-2147483648));
    EXPECT_EQ(std::get<std::int64_t>(label[3].value), 169);
    EXPECT_EQ(std::get<bool>(label[6].value), true);
    EXPECT_EQ(std::get<bool>(label[12].value), false);
    EXPECT_EQ(label[16].name, "TextColor");
    EXPECT_EQ(std::get<fw::Color>(label[16].value), (fw::Color{0x55, 0x55, 0x55, 0}));
    EXPECT_EQ(std::get<fw::String>(label[22].value), fw::String(""));
    EXPECT_EQ(std::get<fw::String>(label[28].value).View(), kNotice);
    EXPECT_EQ(std::get<float>(label[30].value), 7.0f);
    EXPECT_EQ(std::get<std::uint8_t>(label[31].value), 0);

    // Values at the ends of their ranges, and a double's exact bits.
    fw::String extremes = PropertyListBuilder()
                              .Integer("Left", INT64_MIN)
                              .Integer("Top", INT64_MAX)
                              .Double("LineSpacing", 0.1)
                              .Single("FontSize", -0.0f)
                              .Unit("FontUnit", 255)
                              .Text("Value", std::string_view("a\0\r\n\xC3\xA9", 6))
                              .Build();
    std::vector<fw::PropertyEntry> e = fw::DecodePropertyList(extremes);
    ASSERT_EQ(e.size(), 6u);
    EXPECT_EQ(std::get<std::int64_t>(e[0].value), INT64_MIN);
    EXPECT_EQ(std::get<std::int64_t>(e[1].value), INT64_MAX);
    EXPECT_EQ(std::get<double>(e[2].value), 0.1);
    EXPECT_TRUE(std::signbit(std::get<float>(e[3].value)));
    EXPECT_EQ(std::get<std::uint8_t>(e[4].value), 255);
    EXPECT_EQ(std::get<fw::String>(e[5].value).View(), std::string_view("a\0\r\n\xC3\xA9", 6));

    for (const fw::String& list : RealLists()) {
        EXPECT_EQ(ToStd(Encode(fw::DecodePropertyList(list))), ToStd(list));
    }
    EXPECT_TRUE(fw::DecodePropertyList(fw::String()).empty());
}

TEST(PropertyListDecoding, EveryPrefixOfARealListDecodesToWholeEntriesOrRaises) {
    for (const fw::String& list : RealLists()) {
        std::string bytes = ToStd(list);
        std::size_t entries = fw::DecodePropertyList(list).size();
        std::size_t decodedPrefixes = 0;
        for (std::size_t n = 0; n < bytes.size(); ++n) {
            std::string prefix = bytes.substr(0, n);
            // Heap copy of exactly n bytes, so ASan sees any read past the end.
            auto exact = std::make_unique<char[]>(n + 1);
            std::memcpy(exact.get(), prefix.data(), n);
            if (DecodesOrRaises(std::string(exact.get(), n))) {
                ++decodedPrefixes;
            }
        }
        // Exactly the prefixes that end between entries decode: the empty one and one per entry
        // but the last.
        EXPECT_EQ(decodedPrefixes, entries);
    }
}

TEST(PropertyListDecoding, MalformedNamesAndBadBooleansRaiseNamingTheProblem) {
    auto message = [](const std::string& bytes) -> std::string {
        try {
            fw::DecodePropertyList(fw::String(bytes));
        } catch (const fw::RuntimeException& e) {
            return ToStd(e.Message());
        }
        return "decoded";
    };
    EXPECT_NE(message("1Width " + std::string(8, '\0')), "decoded");
    EXPECT_NE(message(" Width"), "decoded");
    EXPECT_NE(message("Width"), "decoded");                   // no blank
    EXPECT_NE(message("Wid-th \x01"), "decoded");             // not a name character
    EXPECT_NE(message("Visible\x01"), "decoded");             // no blank
    EXPECT_NE(message("\xC3\xA9t\xC3\xA9 \x01"), "decoded");  // not ASCII
    EXPECT_NE(message("Visible  \x01"), "decoded");           // two blanks: a blank is no name
    EXPECT_NE(message("Caption \xFF\xFF\xFF\xFFQuit"), "decoded");  // count past the end

    // A Boolean byte other than 0 or 1, in a known and in an unknown property.
    std::string bad = message("Enabled \x02");
    EXPECT_NE(bad.find("Enabled"), std::string::npos) << bad;
    EXPECT_NE(message("Visible \x01"
                      "Enabled \xFF"),
              "decoded");
    EXPECT_NE(message("Frobnicate \x02"), "decoded");

    // A name this decoder does not know is a Boolean; whether the object knows the name is for
    // whoever applies the list.
    std::vector<fw::PropertyEntry> unknown = fw::DecodePropertyList("Frobnicate \x01");
    ASSERT_EQ(unknown.size(), 1u);
    EXPECT_EQ(unknown[0].name, "Frobnicate");
    EXPECT_EQ(std::get<bool>(unknown[0].value), true);
}

// Random bytes, random texts made of name pieces, and random mutations of real lists: each
// decodes (and then builds again to the same bytes) or raises; nothing crashes or reads past the
// end of the list. Three cases, so that they run side by side.
enum class Source { RawBytes, NamePieces, Mutations };

void DecodeRandomLists(Source source, int rounds, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    const std::vector<std::string> pieces = {"Width ",
                                             "Caption ",
                                             "FontSize ",
                                             "FontUnit ",
                                             "TextColor ",
                                             "LineHeight ",
                                             "Visible ",
                                             "Name ",
                                             "Top ",
                                             "Period ",
                                             " ",
                                             "\x01",
                                             "\x00"s,
                                             "\x02",
                                             "\x04\x00\x00\x00"s,
                                             "\xFF\xFF\xFF\xFF",
                                             "Quit",
                                             "A_1 "};
    std::vector<std::string> real;
    for (const fw::String& list : RealLists()) {
        real.push_back(ToStd(list));
    }
    int decoded = 0;
    for (int round = 0; round < rounds; ++round) {
        std::string bytes;
        switch (source) {
            case Source::RawBytes: {
                std::size_t length = random() % 40;
                for (std::size_t i = 0; i < length; ++i) {
                    bytes.push_back(static_cast<char>(random()));
                }
                break;
            }
            case Source::NamePieces: {
                std::size_t count = random() % 8;
                for (std::size_t i = 0; i < count; ++i) {
                    bytes += pieces[random() % pieces.size()];
                    if (random() % 2) {
                        bytes.append(random() % 9, static_cast<char>(random() % 2));
                    }
                }
                break;
            }
            case Source::Mutations: {  // a few bytes changed, dropped or cut off
                bytes = real[random() % real.size()];
                std::size_t changes = 1 + random() % 3;
                for (std::size_t i = 0; i < changes && !bytes.empty(); ++i) {
                    std::size_t at = random() % bytes.size();
                    switch (random() % 3) {
                        case 0:
                            bytes[at] = static_cast<char>(random());
                            break;
                        case 1:
                            bytes.erase(at, 1 + random() % 4);
                            break;
                        default:
                            bytes.resize(at);
                            break;
                    }
                }
                break;
            }
        }
        if (DecodesOrRaises(bytes)) {
            ++decoded;
        }
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "round " << round;
            return;
        }
    }
    // Both outcomes occur, so the rounds reach into the decoder.
    EXPECT_GT(decoded, 0);
    EXPECT_LT(decoded, rounds);
}

TEST(PropertyListRandom, HalfAMillionRandomByteStringsDecodeOrRaise) {
    DecodeRandomLists(Source::RawBytes, 500'000, 1);
}

TEST(PropertyListRandom, HalfAMillionStringsOfNamePiecesDecodeOrRaise) {
    DecodeRandomLists(Source::NamePieces, 500'000, 2);
}

TEST(PropertyListRandom, MutatedRealListsDecodeOrRaise) {
    DecodeRandomLists(Source::Mutations, 300'000, 3);
}

}  // namespace
