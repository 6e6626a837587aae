// The report the Calculate action writes for accepted numbers: its whole text, the way it reaches
// the output area, and what stays when a control is not there.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "FakeCalculateWindow.h"
#include "framework/core/Date.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Text.h"
#include "tests/support/TestText.h"

namespace calc::testing {
namespace {

TEST(CalculateReport, SevenVariablesAndOneHundredTwentySubjectsGiveTheWholeReport) {
    fw::Date::SetClockForTesting([] { return std::int64_t{1700000000000}; });
    FakeCalculateWindow window;
    window.Press("120", "7");
    const fw::Date now = fw::Date::Now();
    fw::Date::ClearClockForTesting();
    const std::string lf = fw::EndOfLine().ToStdString();
    const std::string rule(60, '+');
    const std::string gap(15, ' ');
    EXPECT_EQ(window.out,
              now.ShortDate().ToStdString() + "   " + now.LongTime().ToStdString() + "\r" +
                  "Number of variables:    7\rNumber of subjects:   120\r\r\r" + rule + "\r" +
                  "Eigenvalue #     Random Eigenvalue     Standard Error\r" + rule + "\r" +  //
                  "      1" + gap + "1.3540" + gap + ".0080" + lf +                          //
                  "      2" + gap + "1.1965" + gap + ".0054" + lf +                          //
                  "      3" + gap + "1.0836" + gap + ".0043" + lf +                          //
                  "      4" + gap + "0.9728" + gap + ".0044" + lf +                          //
                  "      5" + gap + "0.8605" + gap + ".0051" + lf +                          //
                  rule + lf + "\r" + FakeCalculateWindow::kFooter + lf);
}

// Twelve variables give ten rows: the rows stop at the grid number at or below the entry.
TEST(CalculateReport, EveryPieceIsAppendedToAFreshOutput) {
    FakeCalculateWindow window;
    window.selStart = 10;  // inside the earlier report
    window.Press("2500", "12");

    std::vector<std::string> expected = {"Hide: DisclaimFld", "Out.Text"};
    for (int head = 0; head < 6; ++head) {
        expected.insert(expected.end(), {"Out.SelStart", "Out.SelText"});
    }
    for (int row = 0; row < 10; ++row) {
        expected.insert(expected.end(), {"Out.SelText", "Yield"});
    }
    expected.insert(expected.end(), {"Out.SelStart", "Out.SelText", "Out.SelText", "Yield"});
    EXPECT_EQ(window.log, expected);
    const std::vector<std::string> lines = testsupport::Lines(window.out);
    ASSERT_EQ(lines.size(), 21u);  // nothing left of the earlier text
    EXPECT_EQ(lines[17].substr(0, 7), "     10");
    EXPECT_TRUE(window.out.ends_with(FakeCalculateWindow::kFooter + fw::EndOfLine().ToStdString()));
}

// A control that is not there ends the action where it stands; what it did stays.
TEST(CalculateReport, AMissingControlEndsTheActionWhereItStands) {
    // The control, then the numbers kept and the lines left: the earlier text's one, or the head.
    const std::tuple<const char*, int, int, std::size_t> cases[] = {{"DisclaimFld", 0, 0, 1},
                                                                    {"EditFldSubs", 0, 0, 1},
                                                                    {"EditFldVars", 0, 120, 1},
                                                                    {"EditFldOut", 7, 120, 1},
                                                                    {"SerrorFld", 7, 120, 8}};
    for (const auto& [control, vars, subs, lines] : cases) {
        SCOPED_TRACE(control);
        FakeCalculateWindow window;
        window.missing = {control};
        window.vars = window.subs = 9;  // from an earlier press
        EXPECT_THROW(window.Press("120", "7"), fw::NilObjectException);
        EXPECT_EQ(window.vars, vars);
        EXPECT_EQ(window.subs, subs);
        EXPECT_EQ(testsupport::Lines(window.out).size(), lines);
    }
}

}  // namespace
}  // namespace calc::testing
