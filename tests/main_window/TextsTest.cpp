#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "main_window/Texts.h"

namespace {

// The text split at every empty line (two CRs in a row).
std::vector<std::string> Paragraphs(std::string_view text) {
    std::vector<std::string> paragraphs;
    std::size_t start = 0;
    for (std::size_t at = text.find("\r\r"); at != std::string_view::npos;
         at = text.find("\r\r", start)) {
        paragraphs.emplace_back(text.substr(start, at - start));
        start = at + 2;
    }
    paragraphs.emplace_back(text.substr(start));
    return paragraphs;
}

std::size_t Count(std::string_view text, char c) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

// Printable ASCII, with CR as the only control character allowed.
void ExpectPlainAscii(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        EXPECT_TRUE(c == '\r' || (c >= 0x20 && c < 0x7F))
            << "character " << int(c) << " at " << i << " in: " << text.substr(0, 40);
    }
}

TEST(Disclaimer, IsTwoParagraphsOfPlainAsciiEndingInOneBlank) {
    std::string_view text = main_window::DisclaimerText().View();
    EXPECT_EQ(text.size(), 778u);
    ExpectPlainAscii(text);
    EXPECT_EQ(Count(text, '\n'), 0u);
    EXPECT_EQ(Count(text, '\r'), 2u);

    std::vector<std::string> paragraphs = Paragraphs(text);
    ASSERT_EQ(paragraphs.size(), 2u);
    for (const std::string& paragraph : paragraphs) {
        EXPECT_FALSE(paragraph.empty());
        EXPECT_EQ(Count(paragraph, '\r'), 0u);
    }
    EXPECT_TRUE(text.ends_with(". ")) << "ends with one blank after the last sentence";
    EXPECT_FALSE(text.ends_with("  "));
    EXPECT_NE(text.find(".  "), std::string_view::npos) << "some sentences part by two blanks";

    EXPECT_TRUE(paragraphs[0].starts_with("Vantrex Analysis "));
    EXPECT_NE(paragraphs[0].find("Vantrex Analytics"), std::string::npos);
    EXPECT_NE(paragraphs[0].find("shareware"), std::string::npos);
    EXPECT_NE(paragraphs[1].find("merchantability"), std::string::npos);
}

TEST(InformationText, IsTenParagraphsWithTheCitationOnItsOwnIndentedLine) {
    std::string_view text = main_window::InformationText().View();
    EXPECT_EQ(text.size(), 2840u);
    ExpectPlainAscii(text);
    EXPECT_EQ(Count(text, '\n'), 0u);
    EXPECT_EQ(Count(text, '\r'), 19u);
    EXPECT_EQ(text.find("\r\r\r"), std::string_view::npos);

    std::vector<std::string> paragraphs = Paragraphs(text);
    ASSERT_EQ(paragraphs.size(), 10u);
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        EXPECT_FALSE(paragraphs[i].empty()) << "paragraph " << i + 1;
        EXPECT_FALSE(paragraphs[i].ends_with(" ")) << "paragraph " << i + 1;
        EXPECT_EQ(Count(paragraphs[i], '\r'), i == 7 ? 1u : 0u) << "paragraph " << i + 1;
    }

    // The four references, year first and in this order; only the first begins with a blank.
    // No author or editor is named, so none is joined by "&" or shortened to "et al.".
    const char* years[] = {" (1965). ", "(1989). ", "(1986). ", "(2000). "};
    for (int i = 0; i < 4; ++i) {
        const std::string& reference = paragraphs[3 + i];
        EXPECT_TRUE(reference.starts_with(years[i])) << reference;
        EXPECT_TRUE(reference.ends_with(".")) << reference;
        EXPECT_EQ(reference.find('&'), std::string::npos) << reference;
        EXPECT_EQ(reference.find("et al"), std::string::npos) << reference;
    }
    EXPECT_NE(paragraphs[3].find("Psychometrika, 30, 179-185."), std::string::npos);
    EXPECT_NE(paragraphs[4].find("Multivariate Behavioral Research, 24, 59-69."),
              std::string::npos);
    EXPECT_NE(paragraphs[5].find("Psychological Bulletin, 99, 432-442."), std::string::npos);
    EXPECT_NE(paragraphs[6].find("(pp. 41-71). Boston: Kluwer."), std::string::npos);

    // The request to cite, then on the next line the program's own citation after three blanks.
    const std::string& cite = paragraphs[7];
    std::size_t lineEnd = cite.find('\r');
    ASSERT_NE(lineEnd, std::string::npos);
    std::string citation = cite.substr(lineEnd + 1);
    EXPECT_TRUE(citation.starts_with("   Vantrex Analytics (2020). Vantrex Analysis"));
    EXPECT_NE(citation[3], ' ');
    EXPECT_NE(citation.find("[Computer software]"), std::string::npos);
    EXPECT_NE(citation.find("Edinburgh"), std::string::npos);

    // The rights clause is the disclaimer's own; the closing disclaimer is the longer one.
    std::vector<std::string> disclaimer = Paragraphs(main_window::DisclaimerText().View());
    EXPECT_EQ(paragraphs[8], disclaimer[0]);
    EXPECT_GT(paragraphs[9].size(), disclaimer[1].size());
    EXPECT_NE(paragraphs[9].find("professional"), std::string::npos);
    EXPECT_NE(paragraphs[9].find("merchantability"), std::string::npos);
}

TEST(InformationText, DescribesTheTablesAsOurOwnSimulation) {
    std::string_view text = main_window::InformationText().View();
    EXPECT_NE(text.find("Monte Carlo"), std::string_view::npos);
    EXPECT_NE(text.find("normally distributed random data"), std::string_view::npos);
    EXPECT_NE(text.find("5 to 100 variables and 100 to 2,500 subjects"), std::string_view::npos);
}

TEST(Notices, AreSingleAsciiLinesNamingTheHolder) {
    struct Notice {
        const char* what;
        fw::String text;
    };
    const Notice notices[] = {{"window byline", main_window::WindowByline()},
                              {"printed byline", main_window::PrintedByline()},
                              {"report footer", main_window::ReportFooter()}};
    for (const Notice& notice : notices) {
        std::string_view text = notice.text.View();
        ExpectPlainAscii(text);
        EXPECT_EQ(Count(text, '\r'), 0u) << notice.what;
        EXPECT_NE(text.find("Vantrex Analytics"), std::string_view::npos) << notice.what;
        EXPECT_EQ(text.find("  "), std::string_view::npos) << notice.what;
    }
    EXPECT_EQ(main_window::WindowByline().View(), "by Vantrex Analytics");
    EXPECT_EQ(main_window::WindowByline().ByteCount(), 20u);

    std::string_view printed = main_window::PrintedByline().View();
    EXPECT_EQ(printed.size(), 27u);
    EXPECT_NE(printed.find("2000"), std::string_view::npos);
    EXPECT_NE(printed, main_window::WindowByline().View());

    // The footer fits in the width of the report's rules, and so on one line of the output area.
    EXPECT_LE(main_window::ReportFooter().ByteCount(), 60u);
}

}  // namespace
