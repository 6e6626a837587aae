// Replications per second on the biggest cell of the tables (100 variables, 2,500 subjects):
// the generator's replication on one thread and on every core, against the plain computation
// (loops for the correlation matrix) on one thread.

#include <benchmark/benchmark.h>

#include <thread>
#include <vector>

#include "tools/tablegen/GridSimulation.h"
#include "tools/tablegen/PlainReplication.h"
#include "tools/tablegen/Replication.h"

namespace {

constexpr int kVars = 100;
constexpr int kSubjects = 2500;

template <typename ReplicationType>
void RunReplications(benchmark::State& state) {
    ReplicationType replication(kVars, kSubjects);
    std::vector<double> eigenvalues(kVars);
    std::uint64_t rep = 0;
    for (auto _ : state) {
        tablegen::Xoshiro256 stream(1, kVars, kSubjects, rep++);
        replication.Run(stream, eigenvalues.data());
        benchmark::DoNotOptimize(eigenvalues.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_PlainReplicationOneThread(benchmark::State& state) {
    RunReplications<tablegen::PlainReplication>(state);
}
BENCHMARK(BM_PlainReplicationOneThread)->Unit(benchmark::kMillisecond);

void BM_ReplicationOneThread(benchmark::State& state) {
    RunReplications<tablegen::Replication>(state);
}
BENCHMARK(BM_ReplicationOneThread)->Unit(benchmark::kMillisecond);

void BM_ReplicationsAllThreads(benchmark::State& state) {
    tablegen::SimulationRequest request;
    request.vars = {kVars};
    request.subjects = {kSubjects};
    request.replications = static_cast<int>(state.range(0));
    request.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    for (auto _ : state) {
        auto cells = tablegen::SimulateGrid(request);
        benchmark::DoNotOptimize(cells.data());
    }
    state.SetItemsProcessed(state.iterations() * request.replications);
    state.counters["threads"] = request.threads;
}
BENCHMARK(BM_ReplicationsAllThreads)->Arg(320)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
