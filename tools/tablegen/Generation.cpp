#include "tools/tablegen/Generation.h"

namespace tablegen {

TableTexts GenerateTables(const SimulationRequest& request, const ProgressFn& progress) {
    std::vector<FinishedCell> finished;
    for (const CellMoments& cell : SimulateGrid(request, progress)) {
        finished.push_back(FinishCell(cell));
    }
    return WriteTables(finished);
}

}  // namespace tablegen
