#pragma once

#include <string>
#include <variant>

#include "core/files/chart_file.h"
#include "core/text/wording.h"

namespace zorvane {

// A chart's input with the clock its atlas zone offers at its moment, as the
// window applies it on opening the chart: a chosen clock standard's whole
// offset (seconds and all, which the zone boxes cannot hold) and sentence,
// and what a reader must be told of the clock (a time skipped or repeated, a
// standard read, or that before 1956 another clock may apply).
struct ChartInput {
    BirthInput input;
    std::string clockNote;  // empty when nothing need be said
};

// As InputFromChart for a chart without an atlas zone, or whose zone or
// moment the zone history does not know. A chosen standard's input names no
// atlas zone, so that its later times stay on the standard's clock.
// The note and the zone's sentence are worded as given.
std::variant<ChartInput, Refusal> InputFromChartWithClock(const ChartFile& chart, const NumberFormat& format,
                                                          ValidationScope scope = ValidationScope::FullReading,
                                                          const Wording& wording = {});

}  // namespace zorvane
