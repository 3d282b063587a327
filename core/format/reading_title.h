#pragma once

#include <string>
#include <vector>

#include "core/reading/birth_record.h"
#include "core/text/wording.h"

namespace zorvane {

// Whose reading is shown, in up to three parts: the name, the birth date and
// clock time as given ("15 August 1947 00:00"), and the place as typed
// ("New Delhi, India"); an empty name or place is left out. The month is
// named in the wording's language.
std::vector<std::string> ReadingTitleParts(const BirthRecord& record, const Wording& wording = {});

// The parts on one line, "Bharat, 15 August 1947 00:00, New Delhi, India":
// the result panel, the details window's title and the copied reading carry
// it; the saved wheel picture carries the parts as lines.
std::string ReadingTitle(const BirthRecord& record, const Wording& wording = {});

}  // namespace zorvane
