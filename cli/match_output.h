#pragma once

#include <array>
#include <string>

#include "core/matching/ashtakoota.h"
#include "core/matching/porutham.h"
#include "core/matching/star.h"
#include "core/matching/star_day.h"

namespace zorvane::cli {

// {"ashtakoota": {"kootas": [{"name", "points", "max", "values", "meaning"}],
// "total", "max": 36, "doshas": [{"name", "reason", "notes"}]},
// "porutham": [{"name", "agrees", "reason"}]}, indented, with a final newline.
std::string FormatMatchJson(const Ashtakoota& ashtakoota, const std::array<Porutham, kPoruthamCount>& porutham);

// {"birth": {"nakshatra", "pada", "sign"}, "date", "taras": [{"nakshatra",
// "tara", "name", "verdict", "start", "end"}], "chandrabala": [{"sign",
// "count", "favourable", "chandrashtama", "start", "end"}], "chandrashtama"},
// times on the given clock.
std::string FormatStarDayJson(const Star& birth, const std::string& date, const StarDay& day,
                              double clockLeadHours);

}  // namespace zorvane::cli
