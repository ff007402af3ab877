// Writes limit deviation data files in the layout fits/limit_file.h reads.
// Used by the build-time generator and by tests that need files of their own;
// the module itself only reads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fits {

struct LimitRecord {
    float upper;  // micrometres; NaN in both fields where no value is defined
    float lower;
};

// bounds: at most 30, ascending. names: at most 150, each at most 5 characters.
// records: (bounds.size() - 1) per name, row by row in name order.
// Returns the file bytes, or an empty vector when the content does not fit the layout.
std::vector<unsigned char> EncodeLimitFile(const std::vector<std::uint16_t>& bounds,
                                           const std::vector<std::string>& names,
                                           const std::vector<LimitRecord>& records);

}  // namespace fits
