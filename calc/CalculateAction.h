#pragma once

namespace calc {

class CalculateWindow;

// The Calculate button's action: checks the numbers of subjects and of variables typed into the
// window, and when both are accepted replaces the output area's text with the report of random
// eigenvalues and standard errors. A rejected number gives a beep and a message and takes the
// focus to its field; the output area then keeps its text.
//
// Any exception a window operation raises ends the action where it is and goes on to the caller;
// nothing is undone, so the lines already appended stay.
void CalculateBtn_Action(CalculateWindow& window);

// Whether the window holds an accepted calculation: the numbers of subjects and of variables on
// record (not 0) and each within its limits. Print asks the same before it prints.
bool HoldsAcceptedCalculation(const CalculateWindow& window);

}  // namespace calc
