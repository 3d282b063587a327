#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/panchang/birth_details.h"

namespace zorvane {

// A stretch of the day, universal-time Julian days.
struct Period {
    double startJd = 0;
    double endJd = 0;
};

// A stretch with the name it goes by (a choghadiya's, a hora's lord).
struct NamedPeriod {
    std::string_view name;
    double startJd = 0;
    double endJd = 0;
};

// The good and bad stretches that follow from the weekday and the lengths of
// the day and the night alone (tables and sources in period_tables.h).
struct DayPeriods {
    Period rahuKalam;
    Period yamaganda;
    Period gulika;
    Period nightRahuKalam;
    Period nightYamaganda;
    Period nightGulika;
    Period abhijit;
    std::vector<Period> durmuhurtas;
    std::vector<NamedPeriod> choghadiya;  // 8 of the day, then 8 of the night
    std::vector<NamedPeriod> horas;       // 12 of the day, then 12 of the night
};

// The weekday is the vara, 0 Ravivara (Sunday) .. 6.
DayPeriods ComputeDayPeriods(double sunriseJd, double sunsetJd, double nextSunriseJd, int weekday);

// Varjyam (kVarjyamStartGhatis) or amrita kalam (kAmritaStartGhatis) of each
// nakshatra span, kept when it overlaps [fromJd, toJd). Each begins the
// table's ghatis into its nakshatra and lasts four, both scaled to that
// nakshatra's own length.
std::vector<Period> NakshatraKalas(const std::vector<LimbSpan>& nakshatras, const std::array<int, 27>& startGhatis,
                                   double fromJd, double toJd);

}  // namespace zorvane
