// Reading one table entry: NthField on a text shaped like the random-eigenvalue table
// (11,537 six-character and 13 five-character entries joined by CR, 80,836 characters), then Val.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "framework/core/Numbers.h"
#include "framework/core/Text.h"

namespace {

const fw::String& Table() {
    static const fw::String table = [] {
        constexpr int kFields = 11550;
        constexpr int kShortFields = 13;
        std::string bytes;
        bytes.reserve(80836);
        for (int f = 1; f <= kFields; ++f) {
            if (f > 1) {
                bytes += '\r';
            }
            // Values like 1.2808; 13 entries (every 800th) drop their last decimal.
            const int tenThousandths = 10000 + (f * 37) % 28000;
            std::string entry = std::to_string(tenThousandths / 10000) + "." +
                                std::to_string(10000 + tenThousandths % 10000).substr(1);
            if (f % 800 == 0 && f / 800 <= kShortFields) {
                entry.pop_back();
            }
            bytes += entry;
        }
        return fw::String(std::move(bytes));
    }();
    return table;
}

void BM_NthField(benchmark::State& state) {
    const fw::String& table = Table();
    const fw::String cr = fw::Chr(13);
    const std::int64_t field = state.range(0);
    for (auto _ : state) {
        fw::String entry = fw::NthField(table, cr, field);
        benchmark::DoNotOptimize(entry);
    }
    state.counters["bytes"] = static_cast<double>(table.ByteCount());
}
BENCHMARK(BM_NthField)->Arg(1)->Arg(5775)->Arg(11550);

void BM_Val(benchmark::State& state) {
    const fw::String entry = "1.2808";
    for (auto _ : state) {
        double value = fw::Val(entry);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_Val);

// One whole entry read as the calculation does it (800 of them for 100 variables): the last
// field, then its value.
void BM_ReadEntry(benchmark::State& state) {
    const fw::String& table = Table();
    const fw::String cr = fw::Chr(13);
    for (auto _ : state) {
        double value = fw::Val(fw::NthField(table, cr, 11550));
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_ReadEntry);

}  // namespace
