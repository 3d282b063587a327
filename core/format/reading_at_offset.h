#pragma once

#include <optional>

#include "core/reading/birth_record.h"
#include "core/reading/number_text.h"
#include "core/reading/validate_input.h"
#include "core/text/language.h"
#include "core/zones/standard_changes.h"

namespace zorvane {

// The names a clock standard may change, of a record with its details and
// dasha, in a language; nothing without them.
std::optional<ReadingNames> ReadingNamesOf(const BirthRecord& record, Language language = Language::English);

// The same form computed at another whole offset; nothing when the form is
// refused.
std::optional<ReadingNames> ReadingNamesAtOffset(ReadingForm form, const NumberFormat& format, int offsetSeconds,
                                                 Language language = Language::English);

}  // namespace zorvane
