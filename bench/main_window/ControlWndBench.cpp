// The largest Calculate in the real window (offscreen): 100 variables and 2,500 subjects, 800
// reads of the hidden tables and a report of 111 lines appended piece by piece; and building the
// window, which hands the two tables to their text areas. The lower bound of the same report from
// tables parsed once into arrays is bench/calc's BM_ReportFromParsedTables.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "framework/core/Object.h"
#include "framework/testing/EventRecorder.h"
#include "framework/testing/TestRuntime.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextArea.h"
#include "main_window/ControlWnd.h"

namespace {

fw::Ref<main_window::ControlWnd> MainWindow() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::testing::EnsureRuntimeForTests();
    auto window = main_window::accessors::ControlWnd();
    window->Event_Activate();
    return window;
}

// The window is shown, as it is built visible: the output area lays its text out as it grows.
void BM_CalculateInWindow(benchmark::State& state) {
    fw::testing::EventRecorder recorder;
    auto window = MainWindow();
    window->EditFldVars()->SetText("100");
    window->EditFldSubs()->SetText("2500");
    for (auto _ : state) {
        window->CalculateBtn()->Push();
        state.PauseTiming();
        if (window->Vars != 100) {
            state.SkipWithError("the calculation was refused");
            break;
        }
        recorder.Clear();
        fw::testing::ProcessPendingEvents();  // the event loop's turn between two presses
        state.ResumeTiming();
    }
    fw::CloseAllWindowsSilently();
}
BENCHMARK(BM_CalculateInWindow)->Unit(benchmark::kMillisecond);

// The same press followed by the event loop's turn, which lays the report out and repaints the
// window: what the user waits for before seeing the report.
void BM_CalculateThenRepaint(benchmark::State& state) {
    fw::testing::EventRecorder recorder;
    auto window = MainWindow();
    window->EditFldVars()->SetText("100");
    window->EditFldSubs()->SetText("2500");
    fw::testing::ProcessPendingEvents();
    for (auto _ : state) {
        window->CalculateBtn()->Push();
        fw::testing::ProcessPendingEvents();
        recorder.Clear();
    }
    fw::CloseAllWindowsSilently();
}
BENCHMARK(BM_CalculateThenRepaint)->Unit(benchmark::kMillisecond);

// A new window: sixteen controls, two of them holding 80,836 and 69,299 characters of table.
void BM_BuildWindow(benchmark::State& state) {
    MainWindow();
    fw::CloseAllWindowsSilently();
    for (auto _ : state) {
        benchmark::DoNotOptimize(main_window::accessors::ControlWnd());
        state.PauseTiming();
        fw::CloseAllWindowsSilently();
        fw::testing::ProcessPendingEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildWindow)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
