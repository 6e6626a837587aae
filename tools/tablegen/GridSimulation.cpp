#include "tools/tablegen/GridSimulation.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "tools/tablegen/Replication.h"

namespace tablegen {

CellMoments SummariseReplications(int p, int n, const std::vector<double>& eigenvalues,
                                  int replications) {
    CellMoments cell;
    cell.p = p;
    cell.n = n;
    cell.mean.assign(p, 0.0);
    cell.standardError.assign(p, 0.0);
    for (int i = 0; i < p; ++i) {
        double sum = 0;
        for (int r = 0; r < replications; ++r) {
            sum += eigenvalues[static_cast<std::size_t>(r) * p + i];
        }
        const double mean = sum / replications;
        double squares = 0;
        for (int r = 0; r < replications; ++r) {
            const double d = eigenvalues[static_cast<std::size_t>(r) * p + i] - mean;
            squares += d * d;
        }
        cell.mean[i] = mean;
        cell.standardError[i] =
            replications > 1 ? std::sqrt(squares / (replications - 1)) / std::sqrt(replications)
                             : 0.0;
    }
    return cell;
}

namespace {

// Replications per unit of work: small enough to share the big cells among threads, large
// enough that a workspace is set up rarely.
constexpr int kChunk = 20;

struct CellWork {
    int p = 0;
    int n = 0;
    std::vector<double> eigenvalues;  // replication-major
    std::atomic<int> chunksLeft{0};
};

struct Task {
    int cell;
    int firstRep;
    int lastRep;  // one past
};

}  // namespace

std::vector<CellMoments> SimulateGrid(const SimulationRequest& request,
                                      const ProgressFn& progress) {
    const int reps = std::max(1, request.replications);
    const int cellCount = static_cast<int>(request.vars.size() * request.subjects.size());
    std::vector<std::unique_ptr<CellWork>> work;
    std::vector<Task> tasks;
    for (int p : request.vars) {
        for (int n : request.subjects) {
            const int index = static_cast<int>(work.size());
            auto cell = std::make_unique<CellWork>();
            cell->p = p;
            cell->n = n;
            cell->eigenvalues.assign(static_cast<std::size_t>(reps) * p, 0.0);
            int chunks = 0;
            for (int first = 0; first < reps; first += kChunk) {
                tasks.push_back({index, first, std::min(reps, first + kChunk)});
                ++chunks;
            }
            cell->chunksLeft = chunks;
            work.push_back(std::move(cell));
        }
    }
    // Biggest cells first, so that no thread is left with a big one at the end.
    std::stable_sort(tasks.begin(), tasks.end(), [&](const Task& a, const Task& b) {
        const auto cost = [&](const Task& t) {
            const CellWork& c = *work[t.cell];
            return static_cast<double>(c.p) * c.p * (c.n + c.p);
        };
        return cost(a) > cost(b);
    });

    std::vector<CellMoments> result(cellCount);
    std::atomic<std::size_t> nextTask{0};
    std::atomic<int> cellsDone{0};
    std::mutex doneMutex;
    std::condition_variable doneSignal;

    const auto worker = [&] {
        std::unique_ptr<Replication> replication;
        for (;;) {
            const std::size_t t = nextTask.fetch_add(1);
            if (t >= tasks.size()) {
                break;
            }
            const Task& task = tasks[t];
            CellWork& cell = *work[task.cell];
            if (!replication || replication->P() != cell.p || replication->N() != cell.n) {
                replication = std::make_unique<Replication>(cell.p, cell.n);
            }
            for (int r = task.firstRep; r < task.lastRep; ++r) {
                Xoshiro256 stream(request.seed, cell.p, cell.n, r);
                replication->Run(stream, &cell.eigenvalues[static_cast<std::size_t>(r) * cell.p]);
            }
            if (cell.chunksLeft.fetch_sub(1) == 1) {
                result[task.cell] = SummariseReplications(cell.p, cell.n, cell.eigenvalues, reps);
                std::vector<double>().swap(cell.eigenvalues);
                cellsDone.fetch_add(1);
                std::lock_guard lock(doneMutex);
                doneSignal.notify_all();
            }
        }
    };

    const int threadCount = std::max(1, request.threads);
    std::vector<std::thread> threads;
    for (int k = 0; k < threadCount; ++k) {
        threads.emplace_back(worker);
    }
    {
        std::unique_lock lock(doneMutex);
        while (cellsDone.load() < cellCount) {
            doneSignal.wait_for(lock, std::chrono::milliseconds(250));
            if (progress) {
                progress(cellsDone.load(), cellCount);
            }
        }
    }
    for (auto& thread : threads) {
        thread.join();
    }
    return result;
}

}  // namespace tablegen
