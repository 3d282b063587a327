#pragma once

#include <string>
#include <string_view>

#include "core/calendar/year_calendar.h"
#include "core/text/language.h"
#include "core/text/wording.h"

namespace zorvane {

// The names the panchang's day page and month grid show, in a language, by
// the indices of the English tables of core/panchang, core/sky and
// core/calendar, beside the limbs' own (core/panchang/local_limb_names.h).
// In English each is exactly the English table's name.
namespace day_names {

// The paksha's mark in the month grid: "S" or "K", "शु" or "कृ".
std::string PakshaMark(bool krishna, Language language);
std::string LunarMonth(int nameIndex, Language language);      // 0..11 from Chaitra
std::string Ritu(int rituIndex, Language language);
std::string Ayana(bool uttarayana, Language language);
std::string Samvatsara(int samvatsaraIndex, Language language);
// A choghadiya's or a hora lord's name as the core's periods carry it
// ("Amrit", "Venus"); a name the tables do not know is kept.
std::string PeriodName(std::string_view english, Language language);

// A lunar month with its adhika mark: "Shravana (adhika)".
std::string MonthTitle(int nameIndex, bool adhika, const Wording& wording);
// A mark of the month grid as its title reads: "Shukla Ekadashi",
// "Makara Sankranti", "Shravana begins (adhika)"; the event's own title in
// English.
std::string EventTitle(const CalendarEvent& event, const Wording& wording);

}  // namespace day_names

}  // namespace zorvane
