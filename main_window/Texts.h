#pragma once

#include "framework/core/String.h"

namespace main_window {

// The fixed texts of the main window and of what it prints. Line ends inside them are CRs
// (character 13); none holds a line feed. All are plain ASCII.

// The notice laid over the output area at start: rights, then the disclaimer of warranty.
fw::String DisclaimerText();

// The help text that the question-mark picture copies into the output area: what the program
// is for, how to use it, the literature, how to cite it, and the rights and disclaimer.
fw::String InformationText();

// The line under the banner in the window.
fw::String WindowByline();

// The line under the banner on the printed page; a text of its own, not the window's byline.
fw::String PrintedByline();

// The last line of every report, without its line end.
fw::String ReportFooter();

}  // namespace main_window
