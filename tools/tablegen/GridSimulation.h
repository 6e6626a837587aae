#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace tablegen {

// Which cells to simulate and how.
struct SimulationRequest {
    std::vector<int> vars;      // numbers of variables, ascending
    std::vector<int> subjects;  // numbers of subjects, ascending
    int replications = 100;
    std::uint64_t seed = 0;
    int threads = 1;
};

// The mean and the standard error of the mean of each eigenvalue of one cell, largest first.
struct CellMoments {
    int p = 0;
    int n = 0;
    std::vector<double> mean;
    std::vector<double> standardError;
};

// Mean and standard error (sample standard deviation over the square root of the count) of
// each of p eigenvalues from replications stored one after another, summed in their order.
CellMoments SummariseReplications(int p, int n, const std::vector<double>& eigenvalues,
                                  int replications);

// Called now and then from the calling thread while the simulation runs.
using ProgressFn = std::function<void(int cellsDone, int cellCount)>;

// Runs every cell of the request on the given number of threads. The cells come back in the
// order of the tables (vars outer, subjects inner). Every replication draws from its own stream
// and every sum runs in replication order, so the result is the same for any number of threads.
std::vector<CellMoments> SimulateGrid(const SimulationRequest& request,
                                      const ProgressFn& progress = {});

}  // namespace tablegen
