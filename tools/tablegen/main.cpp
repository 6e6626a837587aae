// tablegen: simulates the random-eigenvalue and standard-error tables and writes them as the
// program's two table texts.
//
//   tablegen [--replications R] [--seed S] [--threads T] [--out DIR]
//            [--vars 5,10,...] [--subjects 100,150,...]
//   tablegen --help
//
// The full grid is checked before anything is written, and nothing is written when a check
// fails. A smaller grid (--vars, --subjects) is for trying the generator out: its texts are
// written unchecked.

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "calc/Grid.h"
#include "tools/tablegen/Generation.h"
#include "tools/tablegen/TableVerifier.h"

namespace {

constexpr std::uint64_t kDefaultSeed = 2;

struct Options {
    tablegen::SimulationRequest request;
    std::filesystem::path out = ".";
};

constexpr const char* kUsage =
    "usage: tablegen [--replications R] [--seed S] [--threads T] [--out DIR]\n"
    "                [--vars 5,10,...] [--subjects 100,150,...]\n";

[[noreturn]] void Usage(const std::string& problem) {
    std::cerr << "tablegen: " << problem << "\n" << kUsage;
    std::exit(2);
}

[[noreturn]] void Help() {
    std::cout
        << kUsage
        << "Simulates the tables of mean random eigenvalues and of their standard errors, checks\n"
           "them and writes them to DIR as random_eigenvalues.txt and standard_errors.txt.\n"
           "  --replications R  replications per grid cell (default "
        << tablegen::SimulationRequest().replications
        << ", at least 2)\n"
           "  --seed S          the seed of the random numbers (default "
        << kDefaultSeed
        << ")\n"
           "  --threads T       threads (default: one per core); the tables do not depend on it\n"
           "  --out DIR         the folder to write to (default: the current folder)\n"
           "  --vars, --subjects  a smaller grid, to try the generator out: written unchecked\n";
    std::exit(0);
}

template <typename T>
T ParseNumber(std::string_view text, std::string_view option) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        Usage(std::string(option) + ": not a number: " + std::string(text));
    }
    return value;
}

// A comma-separated list of grid numbers, each in grid and given once.
template <std::size_t Size>
std::vector<int> ParseGridList(std::string_view text, std::string_view option,
                               const std::array<std::int64_t, Size>& grid) {
    std::vector<int> values;
    while (!text.empty()) {
        const auto comma = text.find(',');
        const int value = ParseNumber<int>(text.substr(0, comma), option);
        if (std::find(grid.begin(), grid.end(), value) == grid.end()) {
            Usage(std::string(option) + ": " + std::to_string(value) + " is not a grid number");
        }
        values.push_back(value);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    if (values.empty()) {
        Usage(std::string(option) + ": no grid numbers given");
    }
    return values;
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    auto& request = options.request;
    request.vars.assign(calc::VarGrid.begin(), calc::VarGrid.end());
    request.subjects.assign(calc::SubGrid.begin(), calc::SubGrid.end());
    request.seed = kDefaultSeed;
    request.threads = std::max(1u, std::thread::hardware_concurrency());
    for (int k = 1; k < argc; ++k) {
        const std::string_view option = argv[k];
        if (option == "--help") {
            Help();
        }
        if (k + 1 >= argc) {
            Usage(std::string(option) + ": a value is missing");
        }
        const std::string_view value = argv[++k];
        if (option == "--replications") {
            request.replications = ParseNumber<int>(value, option);
            if (request.replications < 2) {
                Usage("--replications: at least 2");
            }
        } else if (option == "--seed") {
            request.seed = ParseNumber<std::uint64_t>(value, option);
        } else if (option == "--threads") {
            request.threads = ParseNumber<int>(value, option);
            if (request.threads < 1) {
                Usage("--threads: at least 1");
            }
        } else if (option == "--out") {
            options.out = std::string(value);
        } else if (option == "--vars") {
            request.vars = ParseGridList(value, option, calc::VarGrid);
        } else if (option == "--subjects") {
            request.subjects = ParseGridList(value, option, calc::SubGrid);
        } else {
            Usage("unknown option " + std::string(option));
        }
    }
    return options;
}

// Writes beside the final name first, so that a failure never leaves half a table behind.
bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    const std::filesystem::path partial = path.string() + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::cerr << "tablegen: cannot write " << partial << "\n";
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    if (error) {
        std::cerr << "tablegen: cannot write " << path << ": " << error.message() << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    const auto& request = options.request;
    const bool fullGrid = request.vars.size() == calc::VarGrid.size() &&
                          request.subjects.size() == calc::SubGrid.size();

    std::cerr << "tablegen: " << request.vars.size() * request.subjects.size() << " cells, "
              << request.replications << " replications, seed " << request.seed << ", "
              << request.threads << " threads\n";
    const auto started = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    const auto texts = tablegen::GenerateTables(request, [&](int done, int count) {
        std::fprintf(stderr, "\rcells done %d/%d, elapsed %.1f s", done, count, elapsed());
        std::fflush(stderr);
    });
    std::fprintf(stderr, "\nsimulated in %.1f s\n", elapsed());

    if (fullGrid) {
        if (const auto fault = tablegen::FirstTableFault(texts.eigenvalues, texts.standardErrors)) {
            std::cerr << "tablegen: not written: " << *fault << "\n";
            return 1;
        }
    } else {
        std::cerr << "tablegen: a partial grid: written unchecked\n";
    }
    std::error_code error;
    std::filesystem::create_directories(options.out, error);
    if (!WriteFile(options.out / "random_eigenvalues.txt", texts.eigenvalues) ||
        !WriteFile(options.out / "standard_errors.txt", texts.standardErrors)) {
        return 1;
    }
    std::cerr << "tablegen: wrote " << (options.out / "random_eigenvalues.txt").string() << " and "
              << (options.out / "standard_errors.txt").string() << "\n";
    return 0;
}
