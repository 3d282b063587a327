#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

#include "core/dasha/vimshottari_dasha.h"
#include "core/text/wording.h"

namespace zorvane {

// The lord's name, e.g. "Saturn"; lord is an index into kDashaLords.
std::string_view DashaLordName(int lord);

// "12 years 3 months 4 days" ("1 year", "1 month", "1 day" in the singular),
// the length split by SplitDashaYears.
std::string YearsMonthsDaysText(double years);

// The balance at birth: "Saturn 12 years 3 months 4 days".
std::string DashaBalanceText(const VimshottariDasha& dasha);

// A plain-text table for a terminal: the balance, then each mahadasha with its
// antardashas indented beneath it, with start and end dates in the birth's
// zone (zoneOffsetHours ahead of universal time) and the sub-periods over
// before the birth marked. Ends with a newline. The wording gives the
// headings and the lords' names in its language.
std::string DashaTextTable(const VimshottariDasha& dasha, double zoneOffsetHours, const Wording& wording = {});

// {"lord", "balance_years", "periods": [{"lord", "start", "end", "sub": [...]}]}
// with "YYYY-MM-DD" dates in the birth's zone, keys in that order.
nlohmann::ordered_json DashaJson(const VimshottariDasha& dasha, double zoneOffsetHours);

}  // namespace zorvane
