#pragma once

#include <string_view>
#include <vector>

namespace tablegen {

// The reference entries that the table keeps: entries of both tables whose texts are fixed in
// advance. The generator writes them unchanged and fits the simulated entries around them.
struct ReferenceEntry {
    int p;  // number of variables
    int i;  // eigenvalue number
    int s;  // subject level, 0 to 10
    std::string_view eigenvalue;
    std::string_view standardError;
};

// All of them, in field order.
const std::vector<ReferenceEntry>& ReferenceEntries();

// The reference entry at (p, i, s), or nullptr.
const ReferenceEntry* FindReferenceEntry(int p, int i, int s);

}  // namespace tablegen
