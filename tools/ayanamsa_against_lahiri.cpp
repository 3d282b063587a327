// Measures the program's two sidereal offsets (the nakshatra's and the
// panchang's) against Lahiri (Chitrapaksha) as the Swiss Ephemeris gives it,
// every day at 0h universal time over 1901-2050, and prints the largest
// difference of each in arcseconds with its date, and a few sample years.
//
//   cmake -S . -B build -DZORVANE_BUILD_TOOLS=ON
//   cmake --build build --target zorvane-ayanamsa-against-lahiri
//   build/tools/zorvane-ayanamsa-against-lahiri
//
// Both of the program's offsets carry nutation in longitude, so they are
// compared with the library's true ayanamsa (swe_get_ayanamsa_ex_ut, nutation
// included); the mean one (swe_get_ayanamsa_ut, without it) is printed too.
// The library's analytic theory is used (no data files): the ayanamsa does not
// depend on the planetary files.
#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "core/sky/panchang_ayanamsa.h"
#include "core/sky/sidereal_moon.h"
#include "core/time/angles.h"
#include "core/time/delta_t.h"
#include "core/time/epochs.h"

namespace {

using namespace zorvane;

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

struct Worst {
    double arcseconds = 0;
    double julianDay = 0;
    void Take(double difference, double jd) {
        if (std::fabs(difference) > std::fabs(arcseconds)) {
            arcseconds = difference;
            julianDay = jd;
        }
    }
};

std::string DateOf(double jd) {
    const CalendarDate date = JulianDayToDate(jd);
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", date.year, date.month, static_cast<int>(date.day));
    return text.data();
}

// Degrees the program adds to a tropical longitude, as positive ayanamsas.
double NakshatraAyanamsa(double jdUt) { return -AyanamsaOffset((jdUt - kJ2000JulianDay) / kDaysPerJulianCentury); }
double PanchangAyanamsa(double jdUt) { return -PanchangAyanamsaOffset(EphemerisJulianDay(jdUt)); }

double LahiriTrue(double jdUt) {
    double degrees = 0;
    std::array<char, AS_MAXCH> message{};
    swe_get_ayanamsa_ex_ut(jdUt, SEFLG_MOSEPH, &degrees, message.data());
    return degrees;
}

}  // namespace

int main() {
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    const double first = swe_julday(kFirstYear, 1, 1, 0.0, SE_GREG_CAL);
    const double last = swe_julday(kLastYear, 12, 31, 0.0, SE_GREG_CAL);
    Worst nakshatraTrue, panchangTrue, nakshatraMean, panchangMean;
    for (double jd = first; jd <= last; jd += 1.0) {
        const double lahiriTrue = LahiriTrue(jd);
        const double lahiriMean = swe_get_ayanamsa_ut(jd);
        nakshatraTrue.Take((NakshatraAyanamsa(jd) - lahiriTrue) * kArcsecondsPerDegree, jd);
        panchangTrue.Take((PanchangAyanamsa(jd) - lahiriTrue) * kArcsecondsPerDegree, jd);
        nakshatraMean.Take((NakshatraAyanamsa(jd) - lahiriMean) * kArcsecondsPerDegree, jd);
        panchangMean.Take((PanchangAyanamsa(jd) - lahiriMean) * kArcsecondsPerDegree, jd);
    }
    std::printf("Largest difference from Lahiri, %d-%d, daily at 0h UT (arcseconds, program minus Lahiri)\n",
                kFirstYear, kLastYear);
    std::printf("| offset | against true Lahiri | against mean Lahiri |\n|---|---|---|\n");
    std::printf("| nakshatra | %+.1f on %s | %+.1f on %s |\n", nakshatraTrue.arcseconds,
                DateOf(nakshatraTrue.julianDay).c_str(), nakshatraMean.arcseconds,
                DateOf(nakshatraMean.julianDay).c_str());
    std::printf("| panchang | %+.1f on %s | %+.1f on %s |\n", panchangTrue.arcseconds,
                DateOf(panchangTrue.julianDay).c_str(), panchangMean.arcseconds,
                DateOf(panchangMean.julianDay).c_str());
    std::printf("\nSamples, 1 January 0h UT: year, Lahiri true (degrees), nakshatra and panchang minus it (arcseconds)\n");
    for (int year = kFirstYear - 1; year <= kLastYear; year += 25) {
        const double jd = swe_julday(std::max(year, kFirstYear), 1, 1, 0.0, SE_GREG_CAL);
        const double lahiri = LahiriTrue(jd);
        std::printf("%d %.6f %+.2f %+.2f\n", std::max(year, kFirstYear), lahiri,
                    (NakshatraAyanamsa(jd) - lahiri) * kArcsecondsPerDegree,
                    (PanchangAyanamsa(jd) - lahiri) * kArcsecondsPerDegree);
    }
    return 0;
}
