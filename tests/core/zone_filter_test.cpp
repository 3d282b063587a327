// The time-zone picker's filter: which rows a typed text keeps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/zones/zone_filter.h"
#include "core/zones/zone_table.h"

namespace zorvane {
namespace {

std::vector<int> RowsKept(const std::string& typed) {
    std::vector<int> rows;
    for (int row = 0; row < kTimeZoneRowCount; ++row) {
        if (ZoneRowMatches(TimeZoneTable[static_cast<std::size_t>(row)], typed)) rows.push_back(row);
    }
    return rows;
}

TEST(ZoneFilter, KeepsTheRowsWhoseNameAbbreviationOrOffsetMatch) {
    const struct {
        const char* typed;
        std::vector<int> rows;
    } cases[] = {
        {"newfoundland", {50}},             // name, any case
        {"  Indian ", {34}},                // outer spaces dropped
        {"IST", {34}},                      // abbreviation
        {"nzst", {46}},
        {"+5:30", {34}},                    // the offset written, with its sign
        {"-3:3", {50}},                     // its beginning
        {"13:", {46}},                      // without the sign
        {"+10.5", {5, 56, 57}},             // the offset as listed
        {"0:00", {29, 61}},                 // universal time has no sign
        {"Mars", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(RowsKept(c.typed), c.rows) << c.typed;
    EXPECT_EQ(RowsKept("").size(), static_cast<std::size_t>(kTimeZoneRowCount));
}

}  // namespace
}  // namespace zorvane
