#pragma once

#include <optional>

#include "core/state/birth_data.h"
#include "core/state/chart_state.h"
#include "core/reading/validate_input.h"

namespace zorvane {

// Copies the form into BirthData one field at a time in the fixed order
// (Month, Day, Year, ZoneHour, ZoneMinute, Hour, Minute, LonDegrees,
// LonMinutes, DaylightSaving, LonEast). A text that does not convert leaves
// its field as it was.
void FillBirthData(const ReadingForm& form, const NumberFormat& format, BirthData& birth);

// The nakshatra and then the yoga computation over the records they work on.
void RunComputationSteps(const BirthData& birth, ChartState& chart);

// The driver without its display step: validates, fills BirthData, runs the
// nakshatra and then the yoga computation. On a refusal nothing is changed
// and the refusal is returned for the caller to show.
[[nodiscard]] std::optional<Refusal> RunCalculation(const ReadingForm& form, const NumberFormat& format,
                                      BirthData& birth, ChartState& chart,
                                      ValidationScope scope = ValidationScope::FullReading);

}  // namespace zorvane
