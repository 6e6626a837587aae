#pragma once

namespace fw {

// The cooperative yield point of long actions. Returns promptly. It repaints what is pending, at
// most every few tens of milliseconds of the action, but never runs the user's input or a timer,
// so no handler can start again inside the action that yields.
void YieldToFramework();

}  // namespace fw
