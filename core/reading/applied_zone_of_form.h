#pragma once

#include <optional>

#include "core/reading/number_text.h"
#include "core/reading/validate_input.h"
#include "core/zones/applied_zone.h"

namespace zorvane {

// The zone a form's boxes give, by the calculation's own rule (a "+" or "-"
// decides the side, otherwise the longitude's hemisphere), as typed. Nothing
// when the zone boxes do not convert, or the longitude boxes for a zone
// without a sign.
std::optional<AppliedZone> AppliedZoneOfForm(const ReadingForm& form, const NumberFormat& format);

// A whole offset (seconds east of universal time) written into a form's
// zone boxes as the atlas writes a clock standard: explicit sign, minutes
// and seconds as magnitudes, "DST" unticked.
void PutOffsetInForm(int offsetSeconds, ReadingForm& form);

}  // namespace zorvane
