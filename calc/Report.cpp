#include "calc/Report.h"

#include <string>

#include "framework/core/Numbers.h"
#include "framework/core/Text.h"

namespace calc {

namespace {

const fw::String kGap(std::string(15, ' '));
const fw::String kRule(std::string(60, '+'));

}  // namespace

fw::String NumberField(std::int64_t n, std::int64_t width) {
    return fw::Right(fw::String(std::string(static_cast<std::size_t>(width), ' ')) + fw::Str(n),
                     width);
}

fw::String DateLine(const fw::String& shortDate, const fw::String& longTime,
                    const fw::String& eol) {
    return shortDate + "   " + longTime + eol;
}

fw::String VariablesLine(std::int64_t vars, const fw::String& eol) {
    return fw::String("Number of variables: ") + NumberField(vars, 4) + eol;
}

fw::String SubjectsLine(std::int64_t subs, const fw::String& eol) {
    return fw::String("Number of subjects:  ") + NumberField(subs, 4) + eol + eol + eol;
}

fw::String RuleLine(const fw::String& eol) {
    return kRule + eol;
}

fw::String ColumnHeaderLine(const fw::String& eol) {
    return fw::String("Eigenvalue #     Random Eigenvalue     Standard Error") + eol;
}

fw::String Row(std::int64_t i, double randEigen, double randSE) {
    return fw::String("    ") + NumberField(i, 3) + kGap + fw::Format(randEigen, "0.0000") + kGap +
           fw::Format(randSE, ".0000") + fw::EndOfLine();
}

fw::String ClosingRule(const fw::String& eol) {
    return kRule + fw::EndOfLine() + eol;
}

fw::String FooterLine(const fw::String& footer) {
    return footer + fw::EndOfLine();
}

}  // namespace calc
