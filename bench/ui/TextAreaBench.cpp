// The text area under the load the report puts on it: a whole table set at once, and a report
// appended piece by piece at the insertion point.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "framework/core/Text.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/TextArea.h"

namespace {

fw::Ref<fw::TextArea> MakeArea() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::testing::EnsureRuntimeForTests();
    return fw::Cast<fw::TextArea>(fw::TextArea::Record().New());
}

void SetTableText(benchmark::State& state) {
    auto area = MakeArea();
    std::string table;
    for (int i = 0; table.size() < 80836; ++i) {
        table += std::to_string(1000 + (i * 7919) % 9000) + "." + std::to_string(i % 10) + "\r";
    }
    table.resize(80836);
    const fw::String text(table);
    const fw::String other(table + "1");
    bool flip = false;
    for (auto _ : state) {
        area->SetText(flip ? other : text);
        flip = !flip;
    }
}
BENCHMARK(SetTableText)->Unit(benchmark::kMillisecond);

// A report of the given number of rows: head pieces, then one row a piece.
void AppendReport(benchmark::State& state) {
    auto area = MakeArea();
    const fw::String row("  1               1.3540               .0080\n");
    const fw::String head("Random eigenvalues\r\r\r");
    for (auto _ : state) {
        area->SetText("");
        area->SetSelStart(fw::Len(area->Text()));
        area->SetSelText(head);
        for (int64_t i = 0; i < state.range(0); ++i) {
            area->SetSelText(row);
        }
        benchmark::DoNotOptimize(area->Text());
    }
}
BENCHMARK(AppendReport)->Arg(5)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
