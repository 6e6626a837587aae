#pragma once

#include "tools/tablegen/Finishing.h"
#include "tools/tablegen/GridSimulation.h"

namespace tablegen {

// Simulates the requested cells and turns them into the two table texts.
TableTexts GenerateTables(const SimulationRequest& request, const ProgressFn& progress = {});

}  // namespace tablegen
