#include "core/calendar/day_calendar.h"

#include <cmath>

#include "core/calendar/calendar_names.h"
#include "core/panchang/day_limbs.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/limbs.h"

namespace zorvane {

namespace {

constexpr int kMargashirshaIndex = 8;
constexpr int kLastMonthOfFirstHalf = 6;  // June
constexpr int kSamvatsaraCount = static_cast<int>(kSamvatsaraNames.size());
constexpr int kMonthCount = static_cast<int>(kLunarMonthNames.size());
constexpr double kHalfMonthDays = 14.765;

}  // namespace

int ShakaYearOf(int christianYear, int civilMonth, int lunarMonthIndex) {
    const bool beforeChaitra = civilMonth <= kLastMonthOfFirstHalf && lunarMonthIndex >= kMargashirshaIndex;
    return christianYear - kShakaLagYears - (beforeChaitra ? 1 : 0);
}

int SamvatsaraIndexOf(int shakaYear) {
    const int index = (shakaYear + kSamvatsaraShakaShift) % kSamvatsaraCount;
    return index < 0 ? index + kSamvatsaraCount : index;
}

int RituIndexOf(int lunarMonthIndex) { return (((lunarMonthIndex % kMonthCount) + kMonthCount) % kMonthCount) / kMonthsPerRitu; }

bool IsUttarayana(int sunSign) { return sunSign >= kMakaraSign || sunSign < kKarkaSign; }

std::string_view RituName(int rituIndex) { return kRituNames[static_cast<std::size_t>(rituIndex)]; }
std::string_view SamvatsaraName(int samvatsaraIndex) {
    return kSamvatsaraNames[static_cast<std::size_t>(samvatsaraIndex)];
}
std::string_view AyanaName(bool uttarayana) { return uttarayana ? kUttarayana : kDakshinayana; }

CalendarDay CalendarOfDay(const CivilDate& date, double sunriseJd) {
    CalendarDay day;
    day.amanta = AmantaMonthAt(sunriseJd);
    day.krishnaPaksha = LimbPositionAt(Limb::Tithi, sunriseJd) >= kTithisPerPaksha;
    const LunarMonth next =
        day.krishnaPaksha ? AmantaMonthAt(day.amanta.endJd + kHalfMonthDays) : day.amanta;
    day.purnimanta = PurnimantaOf(day.amanta, day.krishnaPaksha, next);
    day.rituIndex = RituIndexOf(day.amanta.nameIndex);
    day.uttarayana = IsUttarayana(static_cast<int>(std::floor(SunSignPositionAt(sunriseJd))));
    day.shakaYear = ShakaYearOf(date.year, date.month, day.amanta.nameIndex);
    day.vikramaYear = day.shakaYear + kVikramaLeadOverShakaYears;
    day.samvatsaraIndex = SamvatsaraIndexOf(day.shakaYear);
    return day;
}

}  // namespace zorvane
