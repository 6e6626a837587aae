#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tablegen {

// Checks the two table texts against every rule they must keep: their form and lengths, the
// short entries where they belong, the reference entries, eigenvalues strictly falling within a
// column, column sums equal to p, the first eigenvalue never rising and the last never falling
// with more subjects, and the extremes of both tables. Gives a description of the first fault,
// naming its field, or nothing when the texts are sound.
std::optional<std::string> FirstTableFault(std::string_view eigenvalues,
                                           std::string_view standardErrors);

}  // namespace tablegen
