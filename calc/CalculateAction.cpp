#include "calc/CalculateAction.h"

#include <array>
#include <optional>

#include "calc/CalculateWindow.h"
#include "calc/GridCell.h"
#include "calc/Report.h"
#include "framework/core/Date.h"
#include "framework/core/Numbers.h"
#include "framework/core/Text.h"

namespace calc {

namespace {

// The whole number an input field holds: Val, truncated toward zero. Nothing when the value
// has no 64-bit integer (too large, infinite), which the checks take as lower than any limit.
std::optional<std::int64_t> EnteredNumber(const fw::String& text) {
    return fw::TruncateToInt64(fw::Val(text));
}

bool WithinLimits(const std::optional<std::int64_t>& n, std::int64_t min, std::int64_t max) {
    return n && *n >= min && *n <= max;
}

// One table entry, read the whole way each time: the table's text, then its field f.
double EigenEntry(CalculateWindow& window, std::int64_t f) {
    return fw::Val(fw::NthField(window.EigenFldText(), fw::Chr(13), f));
}

double SerrorEntry(CalculateWindow& window, std::int64_t f) {
    return fw::Val(fw::NthField(window.SerrorFldText(), fw::Chr(13), f));
}

// Appends a piece at the end of the output area, whatever the insertion point was.
void AppendAtEnd(CalculateWindow& window, const fw::String& piece) {
    window.SetEditFldOutSelStart(fw::Len(window.EditFldOutText()));
    window.SetEditFldOutSelText(piece);
}

}  // namespace

bool HoldsAcceptedCalculation(const CalculateWindow& window) {
    return !(window.Subs() < window.SubMin() || window.SubMax() < window.Subs() ||
             window.Vars() < window.VarMin() || window.VarMax() < window.Vars() ||
             window.Subs() == 0 || window.Vars() == 0);
}

void CalculateBtn_Action(CalculateWindow& window) {
    std::array<double, 101> RandEigen{};
    std::array<double, 101> RandSE{};

    window.SetVars(0);
    window.SetSubs(0);
    window.HideDisclaimFld();

    const std::optional<std::int64_t> subs = EnteredNumber(window.EditFldSubsText());
    if (!WithinLimits(subs, window.SubMin(), window.SubMax())) {
        window.Beep();
        window.MsgBox("Number of subjects must be 100-2,500");
        window.FocusEditFldSubs();
    } else {
        window.SetSubs(*subs);
    }

    // Checked whatever the subjects check found, so one press reports both faults. The message
    // comes before the beep here, the other way round from the subjects.
    const std::optional<std::int64_t> vars = EnteredNumber(window.EditFldVarsText());
    if (!WithinLimits(vars, window.VarMin(), window.VarMax())) {
        window.MsgBox("Number of variables must be 5-100.");
        window.Beep();
        window.FocusEditFldVars();
    } else {
        window.SetVars(*vars);
    }

    if (!HoldsAcceptedCalculation(window)) {
        return;
    }

    window.SetEditFldOutText("");
    window.FocusEditFldVars();

    const fw::Date now = fw::Date::Now();
    const fw::String shortDate = now.ShortDate();
    const fw::String longTime = now.LongTime();

    AppendAtEnd(window, DateLine(shortDate, longTime, window.kEOL()));
    AppendAtEnd(window, VariablesLine(window.Vars(), window.kEOL()));
    AppendAtEnd(window, SubjectsLine(window.Subs(), window.kEOL()));
    AppendAtEnd(window, RuleLine(window.kEOL()));
    AppendAtEnd(window, ColumnHeaderLine(window.kEOL()));
    AppendAtEnd(window, RuleLine(window.kEOL()));

    const std::int64_t Vars = window.Vars();
    const std::int64_t Subs = window.Subs();
    const GridCell cell = FindGridCell(Vars, Subs);

    for (std::int64_t i = 1; i <= cell.VarLo; ++i) {
        const CornerFields f = CornerFieldsOfRow(cell, i);

        double e1 = EigenEntry(window, f.f1);
        double e2 = EigenEntry(window, f.f2);
        double e3 = EigenEntry(window, f.f3);
        double e4 = EigenEntry(window, f.f4);
        RandEigen[i] = Interpolate(cell, Vars, Subs, e1, e2, e3, e4).R;

        e1 = SerrorEntry(window, f.f1);
        e2 = SerrorEntry(window, f.f2);
        e3 = SerrorEntry(window, f.f3);
        e4 = SerrorEntry(window, f.f4);
        RandSE[i] = Interpolate(cell, Vars, Subs, e1, e2, e3, e4).R;

        // The insertion point already lies just after the previous piece.
        window.SetEditFldOutSelText(Row(i, RandEigen[i], RandSE[i]));
        window.YieldPoint();
    }

    AppendAtEnd(window, ClosingRule(window.kEOL()));
    window.SetEditFldOutSelText(FooterLine(window.ReportFooter()));
    window.YieldPoint();
}

}  // namespace calc
