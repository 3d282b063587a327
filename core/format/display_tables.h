#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/state/chart_state.h"

namespace zorvane {

// One row of a result table: the name as shown and its paragraph.
struct DisplayRow {
    std::string_view name;
    std::string_view description;
};

// Row i of each table is the name at index i of the computed names, letter
// for letter (checked when this compiles): a computed index is its row, and a
// name read from a file finds its row by exact, case-sensitive equality.
extern const std::array<DisplayRow, kYogaCount> YogaTable;
extern const std::array<DisplayRow, kNakshatraCount> NakshatraTable;

// The row of a name read from a file; empty when the name is none of that
// table's (exact, case-sensitive).
std::optional<int> FindNakshatraRow(std::string_view name);
std::optional<int> FindYogaRow(std::string_view name);

}  // namespace zorvane
