// The report the Calculate action writes for accepted numbers: its whole text, its rows, and the
// way it reaches the output area.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CalculateFixture.h"
#include "framework/core/Text.h"

namespace calc::testing {
namespace {

using ReportTest = CalculateFixture;

TEST_F(ReportTest, SevenVariablesAndOneHundredTwentySubjectsGiveTheWholeReport) {
    FakeCalculateWindow window;
    Press(window, "120", "7");

    const std::string lf = fw::EndOfLine().ToStdString();
    const std::string expected =
        DateLine() +                     //
        "Number of variables:    7\r" +  //
        "Number of subjects:   120\r" +  //
        "\r" +                           //
        "\r" +                           //
        kRule + "\r" +                   //
        kColumns + "\r" +                //
        kRule + "\r" +                   //
        "      1" + kGap + "1.3540" + kGap + ".0080" + lf + "      2" + kGap + "1.1965" + kGap +
        ".0054" + lf + "      3" + kGap + "1.0836" + kGap + ".0043" + lf + "      4" + kGap +
        "0.9728" + kGap + ".0044" + lf + "      5" + kGap + "0.8605" + kGap + ".0051" + lf +  //
        kRule + lf +                                                                          //
        "\r" +                                                                                //
        FakeCalculateWindow::kFooter + lf;
    EXPECT_EQ(window.out, expected);
    EXPECT_EQ(Lines(window.out).size(), 16u);
    EXPECT_EQ(window.vars, 7);
    EXPECT_EQ(window.subs, 120);
}

TEST_F(ReportTest, RowsStopAtTheGridNumberOfVariablesAtOrBelowTheEntry) {
    struct Case {
        const char* vars;
        std::size_t rows;
    };
    for (const Case& c : {Case{"7", 5}, Case{"10", 10}, Case{"12", 10}, Case{"99", 95},
                          Case{"100", 100}, Case{"5", 5}, Case{"14", 10}, Case{"95", 95}}) {
        SCOPED_TRACE(c.vars);
        FakeCalculateWindow window;
        Press(window, "1000", c.vars);
        const std::vector<std::string> lines = Lines(window.out);
        ASSERT_EQ(lines.size(), 11 + c.rows);
        // Rows are 48 characters and carry their number right-aligned in columns 5 to 7.
        for (std::size_t i = 1; i <= c.rows; ++i) {
            const std::string& row = lines[7 + i];
            const std::string number = std::to_string(i);
            EXPECT_EQ(row.substr(4, 3), std::string(3 - number.size(), ' ') + number);
            EXPECT_EQ(row.size(), 48 + fw::EndOfLine().ByteCount());
        }
        EXPECT_EQ(lines[8 + c.rows], kRule + fw::EndOfLine().ToStdString());
    }
}

TEST_F(ReportTest, TheLargestCellGivesTheLastGridColumnUnchanged) {
    FakeCalculateWindow window;
    Press(window, "2500", "100");
    const std::string lf = fw::EndOfLine().ToStdString();
    const std::vector<std::string> lines = Lines(window.out);
    ASSERT_EQ(lines.size(), 111u);
    EXPECT_EQ(lines[1], "Number of variables:  100\r");
    EXPECT_EQ(lines[2], "Number of subjects:  2500\r");
    EXPECT_EQ(lines[8], "      1" + kGap + "1.4191" + kGap + ".0014" + lf);
    EXPECT_EQ(lines[107], "    100" + kGap + "0.6506" + kGap + ".0009" + lf);
}

TEST_F(ReportTest, TheHeadShowsTheNumberNotTheTextTyped) {
    FakeCalculateWindow window;
    Press(window, "0120", "07.9");
    const std::vector<std::string> lines = Lines(window.out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "Number of variables:    7\r");
    EXPECT_EQ(lines[2], "Number of subjects:   120\r");
}

TEST_F(ReportTest, ValuesOnDecimalTiesFollowTheComputedDouble) {
    // Subjects halfway between two grid numbers: the exact decimal results end in 5 at the
    // fifth decimal, and the computed double decides the side.
    FakeCalculateWindow five;
    Press(five, "125", "5");
    const std::vector<std::string> lines = Lines(five.out);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[8].substr(22, 6), "1.2571");
    EXPECT_EQ(lines[12].substr(22, 6), "0.7583");
    EXPECT_EQ(lines[12].substr(43, 5), ".0057");

    FakeCalculateWindow eight;
    Press(eight, "125", "8");
    ASSERT_EQ(Lines(eight.out).size(), 16u);
    EXPECT_EQ(Lines(eight.out)[9].substr(43, 5), ".0056");
}

TEST_F(ReportTest, EveryPieceIsAppendedAtTheEndAndEveryEntryReadAfresh) {
    FakeCalculateWindow window;
    Press(window, "2500", "12");

    std::vector<std::string> expected = {"Hide: DisclaimFld", "Out.Text", "Focus: EditFldVars"};
    for (int head = 0; head < 6; ++head) {
        expected.insert(expected.end(), {"Out.SelStart", "Out.SelText"});
    }
    for (int row = 0; row < 10; ++row) {
        expected.insert(expected.end(), {"Out.SelText", "Yield"});
    }
    expected.insert(expected.end(), {"Out.SelStart", "Out.SelText", "Out.SelText", "Yield"});
    EXPECT_EQ(window.log, expected);

    // Four corners of each table for every row, each read through the window.
    EXPECT_EQ(window.eigenReads, 40);
    EXPECT_EQ(window.serrorReads, 40);
}

TEST_F(ReportTest, APressReplacesTheEarlierReportAndStartsAtItsEnd) {
    FakeCalculateWindow window;
    Press(window, "120", "7");
    const std::string first = window.out;

    // The user left the insertion point inside the report; the next report is whole anyway.
    window.selStart = 10;
    Type(window, "2500", "12");
    CalculateBtn_Action(window);
    const std::vector<std::string> lines = Lines(window.out);
    EXPECT_EQ(lines.size(), 21u);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), kColumns + "\r"), 1);
    EXPECT_EQ(lines.back(), FakeCalculateWindow::kFooter + fw::EndOfLine().ToStdString());
    EXPECT_NE(window.out, first);
}

}  // namespace
}  // namespace calc::testing
