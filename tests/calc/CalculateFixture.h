#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeCalculateWindow.h"
#include "calc/CalculateAction.h"
#include "framework/core/Date.h"
#include "framework/core/Text.h"

namespace calc::testing {

// Runs the action against a fake window whose output area holds an earlier text, with the
// clock fixed so that the date line is known.
class CalculateFixture : public ::testing::Test {
  protected:
    static constexpr const char* kEarlier = "an earlier report";

    void SetUp() override {
        fw::Date::SetClockForTesting([] { return std::int64_t{1700000000000}; });
    }
    void TearDown() override { fw::Date::ClearClockForTesting(); }

    // What the user typed into the two input fields.
    static void Type(FakeCalculateWindow& window, const std::string& subs,
                     const std::string& vars) {
        window.subsText = subs;
        window.varsText = vars;
    }

    static void Press(FakeCalculateWindow& window, const std::string& subs,
                      const std::string& vars) {
        Type(window, subs, vars);
        window.out = kEarlier;
        CalculateBtn_Action(window);
    }

    // The report's lines, each with its line end: the platform's EndOfLine or a lone CR.
    static std::vector<std::string> Lines(const std::string& text) {
        const std::string eol = fw::EndOfLine().ToStdString();
        std::vector<std::string> lines;
        std::string line;
        for (std::size_t i = 0; i < text.size();) {
            if (text.compare(i, eol.size(), eol) == 0) {
                lines.push_back(line + eol);
                line.clear();
                i += eol.size();
            } else if (text[i] == '\r') {
                lines.push_back(line + "\r");
                line.clear();
                ++i;
            } else {
                line += text[i++];
            }
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
        return lines;
    }

    static std::string DateLine() {
        const fw::Date now = fw::Date::Now();
        return now.ShortDate().ToStdString() + "   " + now.LongTime().ToStdString() + "\r";
    }

    static inline const std::string kRule = std::string(60, '+');
    static inline const std::string kGap = std::string(15, ' ');
    static inline const std::string kColumns =
        "Eigenvalue #     Random Eigenvalue     Standard Error";
};

}  // namespace calc::testing
