#pragma once

#include <optional>
#include <string_view>

#include "cli/reading_fields.h"
#include "core/reading/birth_record.h"
#include "core/reading/validate_input.h"

namespace zorvane::cli {

// One reading through the same conversions, checks and computations as the
// window, on a BirthData of its own: the command line has no earlier reading
// whose values a later one could inherit. Returns the refusal message, or
// nothing when record holds the computed reading, with its details when
// they are wanted.
std::optional<std::string_view> RunReading(const ReadingFields& fields, BirthRecord& record,
                                           bool withDetails = false);

// The same from a form that is already filled, as a chart file fills it.
std::optional<std::string_view> RunReadingForm(const ReadingForm& form, BirthRecord& record,
                                               bool withDetails);

}  // namespace zorvane::cli
