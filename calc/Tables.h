#pragma once

#include "framework/core/String.h"

namespace calc {

// The random-eigenvalue table and the standard-error table: each one text of 11,550 entries
// joined by CR, compiled into the program so that there is no file to lose. Built once; every
// call shares the same bytes.
fw::String RandomEigenvalueTableText();
fw::String StandardErrorTableText();

}  // namespace calc
