#include "core/panchang/day_periods.h"

#include <cstddef>

#include "core/panchang/period_tables.h"

namespace zorvane {

namespace {

constexpr int kEighths = 8;

std::size_t Row(int weekday) { return static_cast<std::size_t>(((weekday % kWeekdayCount) + kWeekdayCount) % kWeekdayCount); }

// Part `number` (1-based) of [start, end) cut in `parts`.
Period Part(double startJd, double endJd, int parts, int number) {
    const double length = (endJd - startJd) / parts;
    return {startJd + (number - 1) * length, startJd + number * length};
}

void AddCycle(std::vector<NamedPeriod>& into, double startJd, double endJd, int parts, int first, int step,
              const auto& names) {
    const auto count = static_cast<int>(names.size());
    for (int i = 0; i < parts; ++i) {
        const Period part = Part(startJd, endJd, parts, i + 1);
        into.push_back({names[static_cast<std::size_t>((first + i * step) % count)], part.startJd, part.endJd});
    }
}

}  // namespace

DayPeriods ComputeDayPeriods(double sunriseJd, double sunsetJd, double nextSunriseJd, int weekday) {
    const std::size_t day = Row(weekday);
    const std::size_t night = Row(weekday + kNightWeekdayShift);
    DayPeriods periods;
    periods.rahuKalam = Part(sunriseJd, sunsetJd, kEighths, kRahuKalamEighth[day]);
    periods.yamaganda = Part(sunriseJd, sunsetJd, kEighths, kYamagandaEighth[day]);
    periods.gulika = Part(sunriseJd, sunsetJd, kEighths, kGulikaEighth[day]);
    periods.nightRahuKalam = Part(sunsetJd, nextSunriseJd, kEighths, kRahuKalamEighth[night]);
    periods.nightYamaganda = Part(sunsetJd, nextSunriseJd, kEighths, kYamagandaEighth[night]);
    periods.nightGulika = Part(sunsetJd, nextSunriseJd, kEighths, kGulikaEighth[night]);
    periods.abhijit = Part(sunriseJd, sunsetJd, kMuhurtasPerHalfDay, kAbhijitMuhurta);

    for (const int muhurta : kDurmuhurtas[day]) {
        if (muhurta == 0) continue;
        periods.durmuhurtas.push_back(muhurta <= kMuhurtasPerHalfDay
                                          ? Part(sunriseJd, sunsetJd, kMuhurtasPerHalfDay, muhurta)
                                          : Part(sunsetJd, nextSunriseJd, kMuhurtasPerHalfDay,
                                                 muhurta - kMuhurtasPerHalfDay));
    }

    const int dayChoghadiya = kChoghadiyaOfWeekdayLord[day];
    const int nightChoghadiya = kChoghadiyaOfWeekdayLord[night];
    AddCycle(periods.choghadiya, sunriseJd, sunsetJd, kChoghadiyasPerHalfDay, dayChoghadiya, 1, kChoghadiyaNames);
    AddCycle(periods.choghadiya, sunsetJd, nextSunriseJd, kChoghadiyasPerHalfDay, nightChoghadiya,
             kChoghadiyaNightStep, kChoghadiyaNames);

    // The night's horas carry on the day's sequence.
    const int firstHora = kHoraOfWeekdayLord[day];
    AddCycle(periods.horas, sunriseJd, sunsetJd, kHorasPerHalfDay, firstHora, 1, kHoraLordCycle);
    AddCycle(periods.horas, sunsetJd, nextSunriseJd, kHorasPerHalfDay, firstHora + kHorasPerHalfDay, 1,
             kHoraLordCycle);
    return periods;
}

std::vector<Period> NakshatraKalas(const std::vector<LimbSpan>& nakshatras, const std::array<int, 27>& startGhatis,
                                   double fromJd, double toJd) {
    std::vector<Period> kalas;
    for (const LimbSpan& span : nakshatras) {
        const double ghati = (span.endJd - span.startJd) / kGhatisPerNakshatra;
        const double start = span.startJd + startGhatis[static_cast<std::size_t>(span.index)] * ghati;
        const Period kala{start, start + kKalaGhatis * ghati};
        if (kala.endJd > fromJd && kala.startJd < toJd) kalas.push_back(kala);
    }
    return kalas;
}

}  // namespace zorvane
