// The pictures stored with the application as start-up opens them: the four the windows show,
// and the same four drawn in detail (on paper or a scaled screen), which reads their variants.
#include <benchmark/benchmark.h>

#include <QImage>
#include <cstdlib>

#include "framework/graphics/Picture.h"
#include "framework/testing/TestRuntime.h"

namespace {

constexpr const char* kPictures[] = {"MainTitle.png", "quest.png", "Parallel.png",
                                     "SplashTitle.png"};

void OpenPictures(benchmark::State& state, bool detailed) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::testing::EnsureRuntimeForTests();
    for (auto _ : state) {
        for (const char* name : kPictures) {
            fw::Ref<fw::Picture> picture = fw::Picture::OpenFromApp(name);
            if (!picture) {
                state.SkipWithError("a picture did not open");
                return;
            }
            benchmark::DoNotOptimize(detailed ? picture->Detailed().bits() : nullptr);
        }
    }
}

void BM_OpenPictures(benchmark::State& state) {
    OpenPictures(state, false);
}
BENCHMARK(BM_OpenPictures)->Unit(benchmark::kMillisecond);

void BM_OpenPicturesDrawnInDetail(benchmark::State& state) {
    OpenPictures(state, true);
}
BENCHMARK(BM_OpenPicturesDrawnInDetail)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
