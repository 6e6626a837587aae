// The largest report, 100 variables and 2,500 subjects: 100 rows, 800 table reads.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "FakeCalculateWindow.h"
#include "calc/CalculateAction.h"
#include "calc/GridCell.h"
#include "calc/Report.h"
#include "calc/Tables.h"
#include "framework/core/Numbers.h"
#include "framework/core/Text.h"

namespace {

// Every entry of a table, split once at its CRs. Index 0 is unused so that field f is entry f.
std::vector<double> ParseOnce(const fw::String& table) {
    std::vector<double> entries = {0.0};
    std::string_view text = table.View();
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\r', start);
        entries.push_back(fw::Val(fw::String(text.substr(start, end - start))));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return entries;
}

// The lower bound: the same rows from tables already in arrays, joined into one text. The
// program does not do this; it reads every entry from the table's text as it needs it.
void BM_ReportFromParsedTables(benchmark::State& state) {
    const std::vector<double> eigen = ParseOnce(calc::RandomEigenvalueTableText());
    const std::vector<double> serror = ParseOnce(calc::StandardErrorTableText());
    const fw::String eol = "\r";
    for (auto _ : state) {
        const calc::GridCell cell = calc::FindGridCell(100, 2500);
        std::string report;
        report += calc::VariablesLine(100, eol).View();
        report += calc::SubjectsLine(2500, eol).View();
        for (std::int64_t i = 1; i <= cell.VarLo; ++i) {
            const calc::CornerFields f = calc::CornerFieldsOfRow(cell, i);
            const double r = calc::Interpolate(cell, 100, 2500, eigen[f.f1], eigen[f.f2],
                                               eigen[f.f3], eigen[f.f4])
                                 .R;
            const double se = calc::Interpolate(cell, 100, 2500, serror[f.f1], serror[f.f2],
                                                serror[f.f3], serror[f.f4])
                                  .R;
            report += calc::Row(i, r, se).View();
        }
        report += calc::ClosingRule(eol).View();
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(BM_ReportFromParsedTables)->Unit(benchmark::kMicrosecond);

// The action itself against a window that holds the real table texts.
void BM_CalculateAction(benchmark::State& state) {
    calc::testing::FakeCalculateWindow window;
    window.subsText = "2500";
    window.varsText = "100";
    for (auto _ : state) {
        window.log.clear();
        calc::CalculateBtn_Action(window);
        benchmark::DoNotOptimize(window.out);
    }
}
BENCHMARK(BM_CalculateAction)->Unit(benchmark::kMicrosecond);

}  // namespace
