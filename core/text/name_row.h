#pragma once

#include <cstddef>
#include <string>

namespace zorvane {

// The name in a row of a table of names, "?" for a row the table does not
// have (an index from a damaged file must not read past the table).
template <typename Table>
std::string NameInRow(const Table& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return "?";
    return std::string(table[static_cast<std::size_t>(index)]);
}

}  // namespace zorvane
