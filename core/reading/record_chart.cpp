#include "core/reading/record_chart.h"

#include "core/time/angles.h"

namespace zorvane {

double EastLongitudeOf(const BirthRecord& record) {
    // The same conversion as the time base's (the typed signs kept).
    const double degrees = record.birth.LonDegrees + record.birth.LonMinutes / kMinutesPerDegree;
    return record.birth.LonEast ? degrees : -degrees;
}

std::optional<BirthChart> ChartOfRecord(const BirthRecord& record, const ChartOptions& options) {
    if (!record.details) return std::nullopt;
    return ComputeBirthChart(record.details->universalJd, EastLongitudeOf(record), record.latitudeDegrees, options);
}

}  // namespace zorvane
