// Calculate in the real window: the report read from the real hidden text areas, the checks of
// the two fields as the user meets them, and typing into the fields.
#include <string>
#include <vector>

#include "../calc/WorkedExamples.h"
#include "MainWindowFixture.h"
#include "framework/core/Date.h"
#include "framework/core/Numbers.h"

namespace mwtest {
namespace {

// The report's lines, split at every CR and LF.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

// Row i of the report as it must read.
std::string Row(int i, const std::string& eigen, const std::string& se) {
    std::string number = "   " + std::to_string(i);
    return "    " + number.substr(number.size() - 3) + std::string(15, ' ') + eigen +
           std::string(15, ' ') + se;
}

const std::string kRule(60, '+');

TEST_F(MainWindowTest, ReportForSevenVariablesAndHundredTwentySubjects) {
    Calculate("7", "120");
    const fw::Date now = fw::Date::Now();
    const std::string date = now.ShortDate().ToStdString() + "   " + now.LongTime().ToStdString();
    const std::string expected =
        date + "\r" +
        "Number of variables:    7\r"
        "Number of subjects:   120\r\r\r" +
        kRule + "\r" + "Eigenvalue #     Random Eigenvalue     Standard Error\r" + kRule + "\r" +
        Row(1, "1.3540", ".0080") + "\n" + Row(2, "1.1965", ".0054") + "\n" +
        Row(3, "1.0836", ".0043") + "\n" + Row(4, "0.9728", ".0044") + "\n" +
        Row(5, "0.8605", ".0051") + "\n" + kRule + "\n\r" +
        "Vantrex Analysis (c) 2000-2020 Vantrex Analytics.\n";
    EXPECT_EQ(Out(), expected);
    EXPECT_TRUE(window->EditFldVars()->HasFocus());
    EXPECT_EQ(recorder.Events(), (std::vector<std::string>{"focus: EditFldVars"}));
}

// Every worked row comes out of the real window as the computed double, rounded.
TEST_F(MainWindowTest, WorkedRowsComeFromTheWindowsTables) {
    for (std::size_t k = 0; k < std::size(kEigenvalueExamples); ++k) {
        const WorkedExample& eigen = kEigenvalueExamples[k];
        Calculate(std::to_string(eigen.Vars), std::to_string(eigen.Subs));
        const std::vector<std::string> lines = Lines(Out());
        ASSERT_GT(lines.size(), static_cast<std::size_t>(7 + eigen.i));
        const std::string row = lines[static_cast<std::size_t>(7 + eigen.i)];
        const std::string shown = fw::Format(eigen.R, "0.0000").ToStdString();
        EXPECT_EQ(row.substr(0, 48).substr(22, 6), shown)
            << eigen.Vars << "/" << eigen.Subs << " row " << eigen.i;
        for (const WorkedExample& se : kStandardErrorExamples) {
            if (se.Vars == eigen.Vars && se.Subs == eigen.Subs && se.i == eigen.i) {
                EXPECT_EQ(row.substr(43, 5), fw::Format(se.R, ".0000").ToStdString())
                    << se.Vars << "/" << se.Subs << " row " << se.i;
            }
        }
    }
}

TEST_F(MainWindowTest, DecimalTiesFollowTheComputedDouble) {
    Calculate("5", "125");
    std::vector<std::string> lines = Lines(Out());
    EXPECT_EQ(lines[8], Row(1, "1.2571", lines[8].substr(43, 5)));
    EXPECT_EQ(lines[12].substr(22), "0.7583" + std::string(15, ' ') + ".0057");
    Calculate("8", "125");
    lines = Lines(Out());
    EXPECT_EQ(lines[9].substr(43), ".0056");
}

TEST_F(MainWindowTest, RowCountIsTheGridNumberAtOrBelowTheVariables) {
    for (const auto& [vars, rows] :
         std::vector<std::pair<int, int>>{{7, 5}, {10, 10}, {12, 10}, {99, 95}, {100, 100}}) {
        Calculate(std::to_string(vars), "300");
        EXPECT_EQ(Lines(Out()).size(), static_cast<std::size_t>(11 + rows)) << vars;
    }
}

TEST_F(MainWindowTest, HundredVariablesAndTwentyFiveHundredSubjects) {
    Calculate("100", "2500");
    const std::vector<std::string> lines = Lines(Out());
    ASSERT_EQ(lines.size(), 111u);
    EXPECT_EQ(lines[2], "Number of subjects:  2500");
    EXPECT_EQ(lines[8], Row(1, "1.4191", ".0014"));
    EXPECT_EQ(lines[107], Row(100, "0.6506", ".0009"));
}

TEST_F(MainWindowTest, SecondPressReplacesTheReport) {
    Calculate("7", "120");
    Calculate("12", "2500");
    const std::string out = Out();
    EXPECT_EQ(out.find("Number of variables:"), out.rfind("Number of variables:"));
    EXPECT_EQ(Lines(out).size(), 21u);
}

// What the user sees and hears, in order, for rejected entries.
struct Rejection {
    const char* vars;
    const char* subs;
    std::vector<std::string> events;
    std::int64_t Vars;
    std::int64_t Subs;
};

const std::string kSubjectsMessage = "msgbox: Number of subjects must be 100-2,500";
const std::string kVariablesMessage = "msgbox: Number of variables must be 5-100.";

TEST_F(MainWindowTest, RejectedEntriesBeepTellAndTakeTheFocus) {
    const std::vector<Rejection> cases = {
        {"",
         "",
         {"beep", kSubjectsMessage, "focus: EditFldSubs", kVariablesMessage, "beep",
          "focus: EditFldVars"},
         0,
         0},
        {"101", "2500", {kVariablesMessage, "beep", "focus: EditFldVars"}, 0, 2500},
        {"7", "99", {"beep", kSubjectsMessage, "focus: EditFldSubs"}, 7, 0},
        {"7", "2501", {"beep", kSubjectsMessage, "focus: EditFldSubs"}, 7, 0},
        {"4", "120", {kVariablesMessage, "beep", "focus: EditFldVars"}, 0, 120},
        {"7", "99.9", {"beep", kSubjectsMessage, "focus: EditFldSubs"}, 7, 0},
    };
    Calculate("7", "120");
    const std::string report = Out();
    for (const Rejection& c : cases) {
        recorder.Clear();
        Calculate(c.vars, c.subs);
        EXPECT_EQ(recorder.Events(), c.events) << c.vars << "/" << c.subs;
        EXPECT_EQ(window->Vars, c.Vars) << c.vars << "/" << c.subs;
        EXPECT_EQ(window->Subs, c.Subs) << c.vars << "/" << c.subs;
        EXPECT_EQ(Out(), report) << "a rejected press leaves the output area alone";
    }
    EXPECT_TRUE(window->EditFldSubs()->HasFocus() || window->EditFldVars()->HasFocus());
}

TEST_F(MainWindowTest, LimitsAreInclusive) {
    for (const auto& [vars, subs] : std::vector<std::pair<const char*, const char*>>{
             {"5", "100"}, {"100", "2500"}, {"5", "2500"}, {"100", "100"}}) {
        recorder.Clear();
        Calculate(vars, subs);
        EXPECT_EQ(recorder.Events(), (std::vector<std::string>{"focus: EditFldVars"}))
            << vars << "/" << subs;
        EXPECT_EQ(window->Vars, std::stoll(vars));
        EXPECT_EQ(window->Subs, std::stoll(subs));
    }
}

TEST_F(MainWindowTest, TheReportShowsTheNumberNotTheTextTyped) {
    Calculate("7", "0120");
    EXPECT_EQ(Lines(Out())[2], "Number of subjects:   120");
    EXPECT_EQ(window->Subs, 120);
}

// Typed through the keyboard, the fields take at most 3 and 4 characters; the calculation then
// reads what they hold.
TEST_F(MainWindowTest, TypedEntriesStopAtTheFieldLimits) {
    Type(window->EditFldVars(), "1000");
    Type(window->EditFldSubs(), "25000");
    EXPECT_EQ(window->EditFldVars()->Text(), "100");
    EXPECT_EQ(window->EditFldSubs()->Text(), "2500");
    recorder.Clear();
    window->CalculateBtn()->Push();
    EXPECT_EQ(recorder.Events(), (std::vector<std::string>{"focus: EditFldVars"}));
    EXPECT_EQ(Lines(Out()).size(), 111u);

    Type(window->EditFldVars(), "4");
    Type(window->EditFldSubs(), "99");
    ASSERT_EQ(window->EditFldVars()->Text().View(), "4");
    ASSERT_EQ(window->EditFldSubs()->Text().View(), "99");
    recorder.Clear();
    window->CalculateBtn()->Push();
    EXPECT_EQ(recorder.Events(),
              (std::vector<std::string>{"beep", kSubjectsMessage, "focus: EditFldSubs",
                                        kVariablesMessage, "beep", "focus: EditFldVars"}));
    EXPECT_TRUE(window->EditFldVars()->HasFocus());
}

}  // namespace
}  // namespace mwtest
