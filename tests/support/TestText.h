#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

// The lines of a text, whatever ends them (CR, LF or CR LF, each one line end); a last line
// without an end counts, an empty one after the last end does not.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += c;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

#ifdef VANTREX_TABLES_DIR
// One of the committed tables ("random_eigenvalues.txt", "standard_errors.txt"), byte for byte;
// empty when it cannot be read.
inline std::string ReadCommittedTable(const std::string& name) {
    std::ifstream in(std::string(VANTREX_TABLES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
#endif

}  // namespace testsupport
