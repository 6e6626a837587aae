#pragma once

namespace fw {

// Text areas take the program's edits into their documents at once but lay the text out later,
// in one go: before the window repaints, when the area is shown or gets an event of its own, or
// at the next turn of the event loop. This lays out now what every shown area has taken in since.
void FlushTextLayouts();

}  // namespace fw
