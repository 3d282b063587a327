#pragma once

#include <string_view>

#include "core/calendar/lunar_month.h"
#include "core/time/zone_date.h"

namespace zorvane {

// Where a day stands in the lunar year, all read at its sunrise.
struct CalendarDay {
    LunarMonth amanta;
    PurnimantaMonth purnimanta;
    bool krishnaPaksha = false;
    int rituIndex = 0;  // kRituNames
    bool uttarayana = false;
    int shakaYear = 0;
    int vikramaYear = 0;
    int samvatsaraIndex = 0;  // kSamvatsaraNames
};

// The lunar month, season, half-year and year of a civil date whose
// sunrise is given.
CalendarDay CalendarOfDay(const CivilDate& date, double sunriseJd);

// The Shaka year of a civil date in a lunar month (0 Chaitra .. 11): the
// year turns at Chaitra's first day, which falls in March or April, so the
// months from Margashirsha on seen in the first half of a Christian year
// belong to the Shaka year that began the spring before.
int ShakaYearOf(int christianYear, int civilMonth, int lunarMonthIndex);

int SamvatsaraIndexOf(int shakaYear);
int RituIndexOf(int lunarMonthIndex);
// By the Sun's sidereal sign, 0 Mesha .. 11 Meena.
bool IsUttarayana(int sunSign);

std::string_view RituName(int rituIndex);
std::string_view SamvatsaraName(int samvatsaraIndex);
std::string_view AyanaName(bool uttarayana);

}  // namespace zorvane
