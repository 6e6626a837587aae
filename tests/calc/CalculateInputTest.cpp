// The two input checks of the Calculate action: what the user hears and sees for each entry,
// which numbers the window keeps, and that a rejected entry leaves the output area alone.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "CalculateFixture.h"
#include "framework/core/Exceptions.h"

namespace calc::testing {
namespace {

const std::string kSubjectsMessage = "MsgBox: Number of subjects must be 100-2,500";
const std::string kVariablesMessage = "MsgBox: Number of variables must be 5-100.";
const std::vector<std::string> kSubjectsRejected = {"Beep", kSubjectsMessage, "Focus: EditFldSubs"};
const std::vector<std::string> kVariablesRejected = {kVariablesMessage, "Beep",
                                                     "Focus: EditFldVars"};
const std::vector<std::string> kAccepted = {"Focus: EditFldVars"};

// A number as the head shows it: right-aligned in four characters.
std::string NumberField(std::int64_t n) {
    std::string digits = std::to_string(n);
    return std::string(4 - digits.size(), ' ') + digits;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

using InputTest = CalculateFixture;

TEST_F(InputTest, EachEntryGivesItsMessagesInOrderAndKeepsOnlyAcceptedNumbers) {
    struct Case {
        const char* subs;
        const char* vars;
        std::vector<std::string> seen;
        std::int64_t keptSubs;
        std::int64_t keptVars;
    };
    const std::vector<Case> cases = {
        {"", "", Join(kSubjectsRejected, kVariablesRejected), 0, 0},
        {"2500", "101", kVariablesRejected, 2500, 0},
        {"99", "50", kSubjectsRejected, 0, 50},
        {"100", "50", kAccepted, 100, 50},
        {"2500", "50", kAccepted, 2500, 50},
        {"2501", "50", kSubjectsRejected, 0, 50},
        {"500", "4", kVariablesRejected, 500, 0},
        {"500", "5", kAccepted, 500, 5},
        {"500", "100", kAccepted, 500, 100},
        {"500", "101", kVariablesRejected, 500, 0},
        {"99.9", "50", kSubjectsRejected, 0, 50},
        {"0120", "50", kAccepted, 120, 50},
        {"100.9", "5.9", kAccepted, 100, 5},
        {"abc", "-5", Join(kSubjectsRejected, kVariablesRejected), 0, 0},
        {"1e99", "1e19", Join(kSubjectsRejected, kVariablesRejected), 0, 0},
        {"-1e99", "9.3e18", Join(kSubjectsRejected, kVariablesRejected), 0, 0},
        {"1e999", "-1e999", Join(kSubjectsRejected, kVariablesRejected), 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("subjects \"") + c.subs + "\", variables \"" + c.vars + "\"");
        FakeCalculateWindow window;
        window.vars = 77;  // from an earlier press: every press starts again from 0
        window.subs = 777;
        Press(window, c.subs, c.vars);
        EXPECT_EQ(window.Interactions(), c.seen);
        EXPECT_EQ(window.subs, c.keptSubs);
        EXPECT_EQ(window.vars, c.keptVars);
        // The disclaimer goes first, on every press.
        ASSERT_FALSE(window.log.empty());
        EXPECT_EQ(window.log.front(), "Hide: DisclaimFld");
        if (c.seen == kAccepted) {
            EXPECT_NE(window.out, kEarlier);
        } else {
            EXPECT_EQ(window.out, kEarlier);
            EXPECT_EQ(window.eigenReads + window.serrorReads, 0);
        }
    }
}

// An independent reading of what the user typed: the longest leading run that is a decimal
// number (blanks, sign, digits with a point, exponent), converted by the C library, truncated
// toward zero and compared as a double, so no conversion to an integer can overflow.
std::optional<std::int64_t> AcceptedNumber(const std::string& text, double min, double max) {
    static const std::regex number(R"(^[ \t]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
    std::smatch match;
    double value = 0;
    if (std::regex_search(text, match, number)) {
        value = std::strtod(match.str(0).c_str(), nullptr);
    }
    const double whole = std::trunc(value);
    if (whole >= min && whole <= max) {
        return static_cast<std::int64_t>(whole);
    }
    return std::nullopt;
}

// Every text of up to length characters over the characters a user might plausibly type.
std::vector<std::string> AllTexts(std::size_t length) {
    static const std::string alphabet = "0159.-e x";
    std::vector<std::string> texts = {""};
    std::vector<std::string> previous = {""};
    for (std::size_t n = 1; n <= length; ++n) {
        std::vector<std::string> next;
        for (const std::string& stem : previous) {
            for (char c : alphabet) {
                next.push_back(stem + c);
            }
        }
        texts.insert(texts.end(), next.begin(), next.end());
        previous = std::move(next);
    }
    return texts;
}

TEST_F(InputTest, EverySubjectsTextAUserCanTypeIsJudgedRight) {
    int accepted = 0;
    for (const std::string& text : AllTexts(4)) {
        FakeCalculateWindow window;
        Press(window, text, "5");
        const std::optional<std::int64_t> expected = AcceptedNumber(text, 100, 2500);
        if (expected) {
            ++accepted;
            ASSERT_EQ(window.Interactions(), kAccepted) << '"' << text << '"';
            ASSERT_EQ(window.subs, *expected) << '"' << text << '"';
            const std::vector<std::string> lines = Lines(window.out);
            ASSERT_EQ(lines.size(), 16u) << '"' << text << '"';
            ASSERT_EQ(lines[2].substr(21), NumberField(*expected) + "\r") << '"' << text << '"';
        } else {
            ASSERT_EQ(window.Interactions(), kSubjectsRejected) << '"' << text << '"';
            ASSERT_EQ(window.subs, 0) << '"' << text << '"';
            ASSERT_EQ(window.out, kEarlier) << '"' << text << '"';
        }
        ASSERT_EQ(window.vars, 5);
    }
    EXPECT_GT(accepted, 100);  // the alphabet reaches both sides of both limits
}

TEST_F(InputTest, EveryVariablesTextAUserCanTypeIsJudgedRight) {
    int accepted = 0;
    for (const std::string& text : AllTexts(3)) {
        // Up to 100 rows of table reads each would make this slow, and the rows are not in
        // question here: the missing table ends an accepted press right after the head.
        FakeCalculateWindow window;
        window.missing = {"EigenFld"};
        Type(window, "100", text);
        window.out = kEarlier;
        const std::optional<std::int64_t> expected = AcceptedNumber(text, 5, 100);
        if (expected) {
            ++accepted;
            ASSERT_THROW(CalculateBtn_Action(window), fw::NilObjectException) << '"' << text << '"';
            ASSERT_EQ(window.Interactions(), kAccepted) << '"' << text << '"';
            ASSERT_EQ(window.vars, *expected) << '"' << text << '"';
            const std::vector<std::string> lines = Lines(window.out);
            ASSERT_EQ(lines.size(), 8u) << '"' << text << '"';
            ASSERT_EQ(lines[1].substr(21), NumberField(*expected) + "\r") << '"' << text << '"';
        } else {
            ASSERT_NO_THROW(CalculateBtn_Action(window)) << '"' << text << '"';
            ASSERT_EQ(window.Interactions(), kVariablesRejected) << '"' << text << '"';
            ASSERT_EQ(window.vars, 0) << '"' << text << '"';
            ASSERT_EQ(window.out, kEarlier) << '"' << text << '"';
        }
        ASSERT_EQ(window.subs, 100);
    }
    EXPECT_GT(accepted, 50);
}

}  // namespace
}  // namespace calc::testing
