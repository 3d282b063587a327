#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/chart/birth_chart.h"
#include "core/reading/birth_record.h"

namespace zorvane::cli {

// The chart's columns of a batch with --details --chart, after the dasha's:
// the lagna's sign (empty without a latitude), then each graha's sidereal
// longitude in degrees.
inline constexpr auto kChartColumnNames = std::to_array<std::string_view>({
    "lagna_sign",
    "sun_longitude",
    "moon_longitude",
    "mars_longitude",
    "mercury_longitude",
    "jupiter_longitude",
    "venus_longitude",
    "saturn_longitude",
    "rahu_longitude",
    "ketu_longitude",
});
static_assert(kChartColumnNames.size() == 1 + kGrahaCount);

// Appends ",<name>" for each chart column.
void AppendChartHeader(std::string& out);

// Appends the chart's columns of a computed reading (each after a comma).
void AppendChartColumns(const BirthRecord& record, const ChartOptions& options, std::string& out);

}  // namespace zorvane::cli
