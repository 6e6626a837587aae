// The two input checks of the Calculate action: for every text a user can type into either
// field, what the user hears and sees, which numbers the window keeps, and that a rejected entry
// leaves the output area alone.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "FakeCalculateWindow.h"
#include "framework/core/Exceptions.h"
#include "tests/support/TestText.h"

namespace calc::testing {
namespace {

using Seen = std::vector<std::string>;

const Seen kSubjectsRejected = {"Beep", "MsgBox: Number of subjects must be 100-2,500",
                                "Focus: EditFldSubs"};
const Seen kVariablesRejected = {"MsgBox: Number of variables must be 5-100.", "Beep",
                                 "Focus: EditFldVars"};

// An independent reading of what the user typed: the longest leading run that is a decimal
// number (blanks, sign, digits with a point, exponent), converted by the C library, truncated
// toward zero and compared as a double, so no conversion to an integer can overflow.
std::optional<std::int64_t> AcceptedNumber(const std::string& text, double min, double max) {
    static const std::regex number(R"(^[ \t]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
    std::smatch match;
    const double value = std::regex_search(text, match, number)
                             ? std::trunc(std::strtod(match.str(0).c_str(), nullptr))
                             : 0;
    if (value >= min && value <= max) {
        return static_cast<std::int64_t>(value);
    }
    return std::nullopt;
}

// Every text of up to length characters over the characters a user might plausibly type, then
// the limits beyond its reach and numbers too large for any integer.
std::vector<std::string> AllTexts(std::size_t length) {
    std::vector<std::string> texts = {""};
    for (std::size_t k = 0; texts[k].size() < length; ++k) {
        for (char c : std::string("0159.-e x")) {
            texts.push_back(texts[k] + c);
        }
    }
    texts.insert(texts.end(), {"2500", "2501", "4", "0120", "100.9", "abc", "1e19", "9.3e18",
                               "-9.3e18", "1e999", "-1e999"});
    return texts;
}

TEST(CalculateInput, EveryTextAUserCanTypeIsJudgedRight) {
    for (const bool isSubjects : {true, false}) {
        int accepted = 0;
        for (const std::string& text : AllTexts(isSubjects ? 4 : 3)) {
            SCOPED_TRACE((isSubjects ? "subjects \"" : "variables \"") + text + '"');
            FakeCalculateWindow window;
            window.missing = {"EigenFld"};  // an accepted press stops after the head
            window.vars = 77;               // from an earlier press: each press starts from 0
            window.subs = 777;
            const std::int64_t& kept = isSubjects ? window.subs : window.vars;
            const std::int64_t& other = isSubjects ? window.vars : window.subs;
            const std::optional<std::int64_t> expected =
                isSubjects ? AcceptedNumber(text, 100, 2500) : AcceptedNumber(text, 5, 100);
            const std::string subs = isSubjects ? text : "100";
            const std::string vars = isSubjects ? "5" : text;
            if (expected) {
                ++accepted;
                ASSERT_THROW(window.Press(subs, vars), fw::NilObjectException);
                ASSERT_EQ(window.seen, Seen{"Focus: EditFldVars"});
                ASSERT_EQ(kept, *expected);
                const std::string digits = std::to_string(*expected);
                // The head shows the number, right-aligned in four characters, and stays when
                // the missing table ends the action.
                const std::vector<std::string> lines = testsupport::Lines(window.out);
                ASSERT_EQ(lines.size(), 8u);
                ASSERT_EQ(lines[isSubjects ? 2 : 1].substr(21),
                          std::string(4 - digits.size(), ' ') + digits);
            } else {
                ASSERT_NO_THROW(window.Press(subs, vars));
                ASSERT_EQ(window.seen, isSubjects ? kSubjectsRejected : kVariablesRejected);
                ASSERT_EQ(kept, 0);
                ASSERT_EQ(window.out, FakeCalculateWindow::kEarlier);
            }
            ASSERT_EQ(other, isSubjects ? 5 : 100);            // the other field is checked anyway
            ASSERT_EQ(window.log.at(0), "Hide: DisclaimFld");  // first, on every press
        }
        EXPECT_GT(accepted, 50);  // the alphabet reaches both sides of both limits
    }
}

}  // namespace
}  // namespace calc::testing
