#include "core/reading/compute_reading.h"

#include "core/reading/calculation_driver.h"

namespace zorvane {

BirthRecord ComputeReading(const BirthInput& input, ReadingParts parts) {
    ChartState chart;
    RunComputationSteps(input.birth, chart);
    BirthRecord record = MakeBirthRecord(input, chart);
    if (parts != ReadingParts::NamesOnly) {
        record.details = ComputeBirthDetails(chart, record.latitudeDegrees);
    }
    if (parts == ReadingParts::WithDetailsAndDasha) {
        record.dasha = ComputeVimshottariDasha(chart.MoonLongitude, record.details->universalJd);
    }
    return record;
}

}  // namespace zorvane
