#include "tools/tablegen/Finishing.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

#include "calc/Grid.h"
#include "tools/tablegen/ReferenceEntries.h"
#include "tools/tablegen/TableForm.h"

namespace tablegen {

namespace {

int SubjectLevel(int n) {
    for (std::size_t s = 0; s < calc::SubGrid.size(); ++s) {
        if (calc::SubGrid[s] == n) {
            return static_cast<int>(s);
        }
    }
    throw std::invalid_argument("no grid number of subjects: " + std::to_string(n));
}

std::int64_t RoundToMultiple(double units, std::int64_t granule) {
    return static_cast<std::int64_t>(std::floor(units / granule + 0.5)) * granule;
}

}  // namespace

FinishedCell FinishCell(const CellMoments& cell) {
    const int p = cell.p;
    FinishedCell out;
    out.p = p;
    out.s = SubjectLevel(cell.n);
    out.eigenvalues.assign(p, 0);
    out.standardErrors.assign(p, 0);

    std::vector<double> mean = cell.mean;
    std::vector<bool> fixed(p, false);
    for (int i = 1; i <= p; ++i) {
        if (const ReferenceEntry* ref = FindReferenceEntry(p, i, out.s)) {
            fixed[i - 1] = true;
            out.eigenvalues[i - 1] = *EntryUnits(ref->eigenvalue);
            out.standardErrors[i - 1] = *EntryUnits(ref->standardError);
            mean[i - 1] = static_cast<double>(out.eigenvalues[i - 1]) / kUnitsPerOne;
        } else {
            out.standardErrors[i - 1] =
                RoundToMultiple(cell.standardError[i - 1] * kUnitsPerOne, 1);
        }
    }

    // The least-squares correction of the free entries towards a sum of p.
    double sum = 0;
    double weightSum = 0;
    int freeCount = 0;
    for (int k = 0; k < p; ++k) {
        sum += mean[k];
        if (!fixed[k]) {
            weightSum += cell.standardError[k] * cell.standardError[k];
            ++freeCount;
        }
    }
    const double gap = p - sum;
    for (int k = 0; k < p; ++k) {
        if (fixed[k]) {
            continue;
        }
        const double weight = weightSum > 0
                                  ? cell.standardError[k] * cell.standardError[k] / weightSum
                                  : 1.0 / freeCount;
        mean[k] += gap * weight;
    }

    // Rounding, with the column sum kept within the tolerance.
    std::int64_t total = 0;
    for (int k = 0; k < p; ++k) {
        if (!fixed[k]) {
            const bool isShort = IsShortEntry(p, k + 1, out.s);
            out.eigenvalues[k] = RoundToMultiple(mean[k] * kUnitsPerOne, isShort ? 10 : 1);
        }
        total += out.eigenvalues[k];
    }
    const std::int64_t target = static_cast<std::int64_t>(p) * kUnitsPerOne;
    if (std::llabs(total - target) > kSumTolerance) {
        std::vector<int> adjustable;
        std::int64_t floorTotal = total;
        for (int k = 0; k < p; ++k) {
            if (!fixed[k] && !IsShortEntry(p, k + 1, out.s)) {
                adjustable.push_back(k);
                floorTotal -= out.eigenvalues[k];
                out.eigenvalues[k] = static_cast<std::int64_t>(std::floor(mean[k] * kUnitsPerOne));
                floorTotal += out.eigenvalues[k];
            }
        }
        const auto remainder = [&](int k) {
            return mean[k] * kUnitsPerOne - std::floor(mean[k] * kUnitsPerOne);
        };
        std::stable_sort(adjustable.begin(), adjustable.end(),
                         [&](int a, int b) { return remainder(a) > remainder(b); });
        const std::int64_t missing = std::clamp<std::int64_t>(
            target - floorTotal, 0, static_cast<std::int64_t>(adjustable.size()));
        for (std::int64_t k = 0; k < missing; ++k) {
            ++out.eigenvalues[adjustable[k]];
        }
    }
    return out;
}

TableTexts WriteTables(const std::vector<FinishedCell>& cells) {
    TableTexts texts;
    std::size_t blockBegin = 0;
    bool first = true;
    while (blockBegin < cells.size()) {
        const int p = cells[blockBegin].p;
        std::size_t blockEnd = blockBegin;
        while (blockEnd < cells.size() && cells[blockEnd].p == p) {
            ++blockEnd;
        }
        for (int i = 1; i <= p; ++i) {
            for (std::size_t c = blockBegin; c < blockEnd; ++c) {
                const FinishedCell& cell = cells[c];
                if (!first) {
                    texts.eigenvalues += kSeparator;
                    texts.standardErrors += kSeparator;
                }
                first = false;
                texts.eigenvalues +=
                    EigenvalueText(cell.eigenvalues[i - 1], IsShortEntry(p, i, cell.s));
                texts.standardErrors += StandardErrorText(cell.standardErrors[i - 1]);
            }
        }
        blockBegin = blockEnd;
    }
    return texts;
}

}  // namespace tablegen
