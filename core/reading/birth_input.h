#pragma once

#include <optional>
#include <string>
#include <variant>

#include "core/state/birth_data.h"
#include "core/reading/number_text.h"
#include "core/reading/validate_input.h"

namespace zorvane {

// One reading's inputs, typed: what every front end hands to ComputeReading.
// The window parses it from its boxes once (ParseForm); the command line,
// the batch and chart files build it from their own values.
struct BirthInput {
    std::string name;
    // Date, clock time, zone (magnitudes, with the "+" mark as typed), DST
    // and longitude, exactly as the computation steps read them.
    BirthData birth;
    int second = 0;  // the clock's seconds: kept and shown, not computed with
    // Degrees, north positive; empty when none valid was given (a latitude
    // never blocks a reading, it only feeds the details).
    std::optional<double> latitudeDegrees;
    BirthPlace place;
    // The offset applied and how it was made, when the front end or the
    // boxes can tell; the record shows it as the zone's line.
    std::string zoneApplied;
};

// The form's texts as one typed input, or the first refusal of the checks in
// their fixed order, naming the control to act on.
std::variant<BirthInput, Refusal> ParseForm(const ReadingForm& form, const NumberFormat& format,
                                            ValidationScope scope = ValidationScope::FullReading);

// The latitude of the form's boxes by the same box conversions as the
// longitude: 0..90 degrees and 0..59 minutes, at most 90 degrees 0 minutes,
// north positive. Empty for anything else.
std::optional<double> LatitudeFromForm(const ReadingForm& form, const NumberFormat& format);

// A latitude from whole degrees and minutes with its side, by the same
// limits; empty when out of range.
std::optional<double> LatitudeFromParts(int degrees, int minutes, bool north);

}  // namespace zorvane
