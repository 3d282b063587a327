#pragma once

#include "core/reading/birth_input.h"
#include "core/reading/birth_record.h"

namespace zorvane {

// What a calculation adds beyond the two names and their numbers. The batch
// asks for less, so that a large file does not pay for what it does not show.
enum class ReadingParts { NamesOnly, WithDetails, WithDetailsAndDasha };

// The one calculation of a reading: the nakshatra and then the yoga steps run
// on state of their own, and the record of what they applied and found is
// returned. Pure: the same input gives the same record, and nothing outlives
// the call but that record.
BirthRecord ComputeReading(const BirthInput& input,
                           ReadingParts parts = ReadingParts::WithDetailsAndDasha);

}  // namespace zorvane
