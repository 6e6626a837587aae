#pragma once

namespace fw::testing {

// Makes the GUI runtime ready for a test program (headless under QT_QPA_PLATFORM=offscreen).
void EnsureRuntimeForTests();

}  // namespace fw::testing
