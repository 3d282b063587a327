#include "core/calendar/year_calendar.h"

#include <algorithm>
#include <cmath>

#include "core/calendar/day_calendar.h"
#include "core/panchang/day_limbs.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/limbs.h"
#include "core/time/angles.h"
#include "core/time/day_number.h"
#include "core/time/delta_t.h"

namespace zorvane {

namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr int kShuklaEkadashi = 10;  // tithi indices from 0
constexpr int kPurnima = 14;
constexpr int kKrishnaEkadashi = 25;
constexpr int kAmavasya = 29;
constexpr int kMonthsPerYear = 12;

struct SunDay {
    CivilDate date;
    double dayNumber = 0;
    std::optional<double> sunriseJd;
    std::optional<double> sunsetJd;
};

SunDay SunOf(double dayNumber, const GeoPlace& place, const ZoneOffsetAt& offsetAt) {
    const double meanNoonJd = dayNumber - place.longitudeEastDegrees / kDegreesPerTurn;
    const double leadHours = offsetAt(meanNoonJd) * kHoursPerDay / kMinutesPerDay;
    const SunriseSunset sun = ComputeSunriseSunset(dayNumber, leadHours, place);
    const CalendarDate civil = JulianDayToDate(dayNumber);
    return {{civil.year, civil.month, static_cast<int>(std::floor(civil.day))}, dayNumber, sun.sunriseJd,
            sun.sunsetJd};
}

int TithiAt(double jd) { return static_cast<int>(std::floor(LimbPositionAt(Limb::Tithi, jd))) % kTithiCount; }

// The tithis that begin to hold at this sunrise or run out unseen before the
// next: from the one after the previous sunrise's up to this one's.
std::vector<int> TithisMarking(int previous, int current) {
    std::vector<int> marked;
    if (previous == current) return marked;
    for (int t = (previous + 1) % kTithiCount;; t = (t + 1) % kTithiCount) {
        marked.push_back(t);
        if (t == current || marked.size() > 2) break;
    }
    return marked;
}

// The tithi's name from the one table, with its paksha for an ekadashi.
std::string TithiEventName(int tithi) {
    const std::string name(TithiName(tithi + 1));
    if (tithi == kPurnima || tithi == kAmavasya) return name;
    return std::string(PakshaName(tithi + 1)) + " " + name;
}

void AddTithiEvents(int tithi, std::vector<CalendarEvent>& events) {
    switch (tithi) {
        case kShuklaEkadashi:
        case kKrishnaEkadashi: events.push_back({CalendarEventKind::Ekadashi, TithiEventName(tithi), tithi + 1}); break;
        case kPurnima: events.push_back({CalendarEventKind::Purnima, TithiEventName(tithi), tithi + 1}); break;
        case kAmavasya: events.push_back({CalendarEventKind::Amavasya, TithiEventName(tithi), tithi + 1}); break;
        default: break;
    }
}

std::string MonthTitle(const LunarMonth& month) {
    return std::string(LunarMonthName(month.nameIndex)) + " begins" + (month.adhika ? " (adhika)" : "");
}

}  // namespace

std::string_view EventKindName(CalendarEventKind kind) {
    switch (kind) {
        case CalendarEventKind::Ekadashi: return "ekadashi";
        case CalendarEventKind::Purnima: return "purnima";
        case CalendarEventKind::Amavasya: return "amavasya";
        case CalendarEventKind::Sankranti: return "sankranti";
        case CalendarEventKind::MonthStart: return "month_start";
    }
    return "";
}

std::vector<CalendarDayRow> ComputeCalendar(int year, int month, const GeoPlace& place, const ZoneOffsetAt& offsetAt) {
    const double firstDay = DayNumber(month == 0 ? 1 : month, 1, year);
    const double endDay = month == 0 || month == kMonthsPerYear ? DayNumber(1, 1, year + 1)
                                                                 : DayNumber(month + 1, 1, year);
    // Sunrises from the day before the first to the day after the last: a
    // day's marks compare its sunrise with the previous and the next.
    std::vector<SunDay> days;
    for (double d = firstDay - 1; d <= endDay; d += 1) days.push_back(SunOf(d, place, offsetAt));

    std::vector<double> moments;  // each day's sunrise, or its clock's noon where there is none
    std::vector<int> tithis;
    std::vector<int> signs;
    for (const SunDay& day : days) {
        const double at = day.sunriseJd.value_or(day.dayNumber - offsetAt(day.dayNumber) / kMinutesPerDay);
        moments.push_back(at);
        tithis.push_back(TithiAt(at));
        signs.push_back(static_cast<int>(std::floor(SunSignPositionAt(at))) % kSignCount);
    }

    const std::vector<double> newMoons = NewMoonsCovering(moments.front(), moments.back());
    std::vector<LunarMonth> months;
    for (std::size_t i = 0; i + 1 < newMoons.size(); ++i) {
        months.push_back(MonthBetweenNewMoons(newMoons[i], newMoons[i + 1]));
    }
    std::size_t monthAt = 0;

    std::vector<CalendarDayRow> rows;
    for (std::size_t i = 1; i + 1 < days.size(); ++i) {
        const SunDay& day = days[i];
        while (monthAt + 1 < months.size() && months[monthAt].endJd <= moments[i]) ++monthAt;
        CalendarDayRow row;
        row.date = day.date;
        row.weekday = CivilWeekday(day.dayNumber);
        row.sunriseJd = day.sunriseJd;
        row.sunsetJd = day.sunsetJd;
        row.tithiAtSunrise = tithis[i];
        row.nakshatraAtSunrise =
            static_cast<int>(std::floor(LimbPositionAt(Limb::Nakshatra, moments[i]))) % LimbCount(Limb::Nakshatra);
        row.amanta = months[monthAt];
        const LunarMonth& next = months[std::min(monthAt + 1, months.size() - 1)];
        row.purnimanta = PurnimantaOf(row.amanta, row.tithiAtSunrise >= kTithisPerPaksha, next);

        if (moments[i - 1] < row.amanta.startJd) {
            row.events.push_back(
                {CalendarEventKind::MonthStart, MonthTitle(row.amanta), row.amanta.nameIndex, row.amanta.adhika});
        }
        // This day's own tithi when it first holds a sunrise, and any that
        // runs out between this sunrise and the next unseen.
        if (tithis[i] != tithis[i - 1]) AddTithiEvents(tithis[i], row.events);
        for (const int t : TithisMarking(tithis[i], tithis[i + 1])) {
            if (t != tithis[i + 1]) AddTithiEvents(t, row.events);
        }
        if (signs[i + 1] != signs[i]) {
            row.events.push_back({CalendarEventKind::Sankranti,
                                  std::string(kSignNames[static_cast<std::size_t>(signs[i + 1])]) + " Sankranti",
                                  signs[i + 1]});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace zorvane
