#pragma once

#include <optional>

#include "core/chart/birth_chart.h"
#include "core/reading/birth_record.h"

namespace zorvane {

// The longitude of the reading as applied, degrees east positive.
double EastLongitudeOf(const BirthRecord& record);

// The birth chart of a reading whose details are computed (they hold the
// moment in universal time); empty without them.
std::optional<BirthChart> ChartOfRecord(const BirthRecord& record, const ChartOptions& options);

}  // namespace zorvane
