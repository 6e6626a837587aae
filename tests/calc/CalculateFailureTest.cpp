// A control that is not there ends the Calculate action where it stands; what it wrote stays.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CalculateFixture.h"
#include "framework/core/Exceptions.h"

namespace calc::testing {
namespace {

using FailureTest = CalculateFixture;

std::string Head(const std::string& dateLine) {
    const std::string rule(60, '+');
    std::string head = dateLine;
    head += "Number of variables:    7\rNumber of subjects:   120\r\r\r";
    head += rule;
    head += "\rEigenvalue #     Random Eigenvalue     Standard Error\r";
    head += rule;
    head += "\r";
    return head;
}

TEST_F(FailureTest, AMissingTableEndsTheActionWithTheHeadWritten) {
    for (const char* table : {"EigenFld", "SerrorFld"}) {
        SCOPED_TRACE(table);
        FakeCalculateWindow window;
        window.missing = {table};
        Type(window, "120", "7");
        EXPECT_THROW(CalculateBtn_Action(window), fw::NilObjectException);
        EXPECT_EQ(window.out, Head(DateLine()));
        EXPECT_EQ(window.vars, 7);
        EXPECT_EQ(window.subs, 120);
        EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "Yield"), 0);
    }
}

TEST_F(FailureTest, AMissingControlStopsEverythingAfterIt) {
    {
        // Without the disclaimer nothing else happens at all.
        FakeCalculateWindow window;
        window.missing = {"DisclaimFld"};
        window.vars = 9;
        Type(window, "", "");
        EXPECT_THROW(CalculateBtn_Action(window), fw::NilObjectException);
        EXPECT_TRUE(window.Interactions().empty());
        EXPECT_EQ(window.vars, 0);
    }
    {
        // Without the subjects field the variables are never checked.
        FakeCalculateWindow window;
        window.missing = {"EditFldSubs"};
        window.varsText = "";
        EXPECT_THROW(CalculateBtn_Action(window), fw::NilObjectException);
        EXPECT_TRUE(window.Interactions().empty());
    }
    {
        // Without the output area both numbers are kept, and nothing is written.
        FakeCalculateWindow window;
        window.missing = {"EditFldOut"};
        Type(window, "120", "7");
        EXPECT_THROW(CalculateBtn_Action(window), fw::NilObjectException);
        EXPECT_EQ(window.vars, 7);
        EXPECT_EQ(window.subs, 120);
        EXPECT_TRUE(window.out.empty());
    }
}

}  // namespace
}  // namespace calc::testing
