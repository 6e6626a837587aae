#pragma once

namespace fw::testing {

// Makes the GUI runtime ready for a test program (headless under QT_QPA_PLATFORM=offscreen).
void EnsureRuntimeForTests();

// Runs what the event loop has pending (repaints, layouts, deferred deletions), as happens between
// two of the user's actions; for tests and benchmarks that run no event loop of their own.
void ProcessPendingEvents();

}  // namespace fw::testing
