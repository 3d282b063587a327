// Compares the birth details with the reference ephemeris (Debian's
// libswe-dev, its analytic Moshier theory, so no data files are needed):
// the two longitudes, the bounds of the four limbs and sunrise and sunset,
// over random readings of 1901-2050. Prints a Markdown table of the largest
// and the median difference.
//
//   cmake -S . -B build-tools -DZORVANE_BUILD_TOOLS=ON -DZORVANE_BUILD_GUI=OFF
//         -DZORVANE_BUILD_TESTS=OFF -DZORVANE_BUILD_BENCH=OFF
//   cmake --build build-tools --target zorvane-reference-accuracy
//   build-tools/tools/zorvane-reference-accuracy [readings] [seed]
//   build-tools/tools/zorvane-reference-accuracy --reading 1947-08-15 00:00 +5:30 77:13E 28:36N
//
// The second form prints one reading's bounds, sunrise and sunset by the
// program and by the reference, in the birth's clock.
//
// The reference keeps the program's own sidereal offsets (a convention, not
// an accuracy), so the differences are those of the theories and of the
// program's dynamical time.
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/time/angles.h"
#include "core/panchang/birth_nakshatra.h"
#include "core/time/crossing_search.h"
#include "core/sky/sidereal_moon.h"
#include "core/panchang/birth_details.h"
#include "core/panchang/birth_yoga.h"
#include "core/time/delta_t.h"
#include "core/format/details_text.h"
#include "core/panchang/limbs.h"
#include "core/sky/panchang_ayanamsa.h"
#include "core/sky/sun_longitude.h"

namespace {

using namespace zorvane;

constexpr double kJ2000 = 2451545.0;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kArcsecondsPerTurn = 1296000.0;
constexpr int kNewtonSteps = 40;
constexpr double kNewtonToleranceDays = 1e-8;

double ReferenceLongitude(double universalJd, int body) {
    double x[6];
    char error[AS_MAXCH];
    swe_calc_ut(universalJd, body, SEFLG_MOSEPH, x, error);
    return x[0];
}

// The reference limb positions, with the program's sidereal offsets.
double ReferencePosition(Limb limb, double jd) {
    const double moon = ReferenceLongitude(jd, SE_MOON);
    if (limb == Limb::Nakshatra) {
        double sidereal = moon + AyanamsaOffset((jd - kJ2000) / kDaysPerJulianCentury);
        sidereal -= kDegreesPerTurn * std::floor(sidereal / kDegreesPerTurn);
        return NakshatraPositionOf(sidereal);
    }
    const double sun = ReferenceLongitude(jd, SE_SUN);
    if (limb == Limb::Tithi) return TithiPositionOf(moon, sun);
    if (limb == Limb::Karana) return KaranaPositionOf(moon, sun);
    return YogaPositionOf(moon, sun, PanchangAyanamsaOffset(jd + swe_deltat(jd)));
}

// When the reference limb crosses the bound the program found at programJd.
double ReferenceBound(Limb limb, double programJd, double target) {
    const int count = LimbCount(limb);
    const GrowingAngle position = [limb, target, count](double jd) {
        return UnwrapNear(ReferencePosition(limb, jd), target, count);
    };
    return FindCrossing(position, {programJd, position(programJd), LimbMeanRatePerDay(limb)}, target);
}

// True altitude of the Sun's centre, degrees.
double ReferenceSunAltitude(double jd, const GeoPlace& place) {
    double x[6];
    char error[AS_MAXCH];
    swe_calc_ut(jd, SE_SUN, SEFLG_MOSEPH | SEFLG_EQUATORIAL, x, error);
    double geo[3] = {place.longitudeEastDegrees, place.latitudeNorthDegrees, 0};
    double horizontal[3];
    swe_azalt(jd, SE_EQU2HOR, geo, 0, 0, x, horizontal);
    return horizontal[1];
}

// Newton's method on the altitude, from the program's moment.
double ReferenceSunEvent(double programJd, const GeoPlace& place) {
    double jd = programJd;
    const double step = 1e-5;
    for (int i = 0; i < kNewtonSteps; ++i) {
        const double miss = ReferenceSunAltitude(jd, place) - kSunriseAltitudeDegrees;
        const double slope =
            (ReferenceSunAltitude(jd + step, place) - ReferenceSunAltitude(jd - step, place)) / (2 * step);
        const double correction = miss / slope;
        jd -= correction;
        if (std::fabs(correction) < kNewtonToleranceDays) break;
    }
    return jd;
}

double AngleDifferenceArcseconds(double a, double b) {
    double d = std::fmod((a - b) * kArcsecondsPerDegree, kArcsecondsPerTurn);
    if (d > kArcsecondsPerTurn / 2) d -= kArcsecondsPerTurn;
    if (d < -kArcsecondsPerTurn / 2) d += kArcsecondsPerTurn;
    return std::fabs(d);
}

// One reading typed as on the command line; exit status 2 when it does not parse.
int ShowReading(char** argv) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, zoneHour = 0, zoneMinute = 0;
    int lonDegrees = 0, lonMinutes = 0, latDegrees = 0, latMinutes = 0;
    char zoneSign = 0, east = 0, north = 0;
    if (std::sscanf(argv[2], "%d-%d-%d", &year, &month, &day) != 3 ||
        std::sscanf(argv[3], "%d:%d", &hour, &minute) != 2 ||
        std::sscanf(argv[4], "%c%d:%d", &zoneSign, &zoneHour, &zoneMinute) != 3 ||
        std::sscanf(argv[5], "%d:%d%c", &lonDegrees, &lonMinutes, &east) != 3 ||
        std::sscanf(argv[6], "%d:%d%c", &latDegrees, &latMinutes, &north) != 3) {
        std::fprintf(stderr, "expected: --reading YYYY-MM-DD HH:MM +H:MM D:ME D:MN\n");
        return 2;
    }
    BirthData birth{static_cast<std::int16_t>(month),      static_cast<std::int16_t>(day),
                    static_cast<std::int16_t>(year),       static_cast<std::int16_t>(hour),
                    static_cast<std::int16_t>(minute),     static_cast<std::int16_t>(zoneHour),
                    static_cast<std::int16_t>(zoneMinute), static_cast<std::int16_t>(lonDegrees),
                    static_cast<std::int16_t>(lonMinutes), east == 'E',
                    false,                                 zoneSign == '+'};
    const double latitude = (latDegrees + latMinutes / kMinutesPerDegree) * (north == 'N' ? 1 : -1);
    ChartState chart;
    ComputeBirthNakshatra(birth, chart);
    ComputeBirthYoga(chart);
    const BirthDetails d = ComputeBirthDetails(chart, latitude);
    const double lead = d.clockLeadHours;
    std::printf("universal time %s\n", FormatUniversalTime(d.universalJd).c_str());
    const std::pair<const char*, std::pair<Limb, LimbSpan>> limbs[] = {
        {"tithi", {Limb::Tithi, d.tithi}},
        {"karana", {Limb::Karana, d.karana}},
        {"yoga", {Limb::Yoga, d.yoga}},
        {"nakshatra", {Limb::Nakshatra, d.nakshatra}},
    };
    for (const auto& [name, limbAndSpan] : limbs) {
        const auto& [limb, span] = limbAndSpan;
        std::printf("%-9s %2d  program %s .. %s  reference %s .. %s\n", name, span.index,
                    FormatBirthClock(span.startJd, lead).c_str(), FormatBirthClock(span.endJd, lead).c_str(),
                    FormatBirthClock(ReferenceBound(limb, span.startJd, span.index), lead).c_str(),
                    FormatBirthClock(ReferenceBound(limb, span.endJd, span.index + 1), lead).c_str());
    }
    const GeoPlace place{latitude, -chart.LongitudeWest};
    for (const auto& [name, jd] : {std::pair{"sunrise", d.sunriseJd}, std::pair{"sunset", d.sunsetJd}}) {
        if (!jd) continue;
        std::printf("%-9s     program %s  reference %s\n", name, FormatBirthClock(*jd, lead).c_str(),
                    FormatBirthClock(ReferenceSunEvent(*jd, place), lead).c_str());
    }
    return 0;
}

struct Tally {
    std::vector<double> values;
    void add(double v) { values.push_back(v); }
};

struct Sample {
    BirthData birth;
    double latitude = 0;
};

// A reading of 1901-2050 at a random place, its zone the nearest whole hour.
Sample RandomSample(std::mt19937& random) {
    auto uniform = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    BirthData birth;
    birth.Year = static_cast<std::int16_t>(uniform(1901, 2050));
    birth.Month = static_cast<std::int16_t>(uniform(1, 12));
    birth.Day = static_cast<std::int16_t>(uniform(1, 28));
    birth.Hour = static_cast<std::int16_t>(uniform(0, 23));
    birth.Minute = static_cast<std::int16_t>(uniform(0, 59));
    const int longitudeMinutes = uniform(-180 * 60, 180 * 60);
    birth.LonEast = longitudeMinutes > 0;
    birth.LonDegrees = static_cast<std::int16_t>(std::abs(longitudeMinutes) / 60);
    birth.LonMinutes = static_cast<std::int16_t>(std::abs(longitudeMinutes) % 60);
    const int zone = static_cast<int>(std::lround(longitudeMinutes / 60.0 / 15.0));
    birth.ZoneHour = static_cast<std::int16_t>(std::abs(zone));
    birth.ZoneAheadOfUniversalTime = zone > 0;
    const double latitude = uniform(-60 * 60, 60 * 60) / kMinutesPerDegree;

    return {birth, latitude};
}

// The program's chart state and details of a reading.
std::pair<ChartState, BirthDetails> Compute(const BirthData& birth, double latitude) {
    ChartState chart;
    ComputeBirthNakshatra(birth, chart);
    ComputeBirthYoga(chart);
    BirthDetails details = ComputeBirthDetails(chart, latitude);
    return {chart, std::move(details)};
}

// Prints the reference values of a few readings as the rows of the table in
// tests/core/reference_pins_test.cpp, which guards the accuracy table above.
int PrintPins(int count, unsigned seed) {
    std::mt19937 random(seed);
    for (int n = 0; n < count; ++n) {
        const auto [birth, latitude] = RandomSample(random);
        const auto [chart, details] = Compute(birth, latitude);
        const double jd = details.universalJd;
        const GeoPlace place{latitude, -chart.LongitudeWest};
        const double sunrise = details.sunriseJd ? ReferenceSunEvent(*details.sunriseJd, place) : 0.0;
        std::printf("    {{%d, %d, %d, %d, %d, %d, %d}, %.4f, %.6f, %.6f, %.7f, %.7f, %.7f},\n", birth.Year,
                    birth.Month, birth.Day, birth.Hour, birth.Minute,
                    (birth.LonEast ? 1 : -1) * (birth.LonDegrees * 60 + birth.LonMinutes),
                    (birth.ZoneAheadOfUniversalTime ? 1 : -1) * birth.ZoneHour, latitude,
                    ReferenceLongitude(jd, SE_MOON), ReferenceLongitude(jd, SE_SUN), sunrise,
                    ReferenceBound(Limb::Tithi, details.tithi.endJd, details.tithi.index + 1),
                    ReferenceBound(Limb::Nakshatra, details.nakshatra.endJd, details.nakshatra.index + 1));
    }
    swe_close();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 7 && std::string(argv[1]) == "--reading") return ShowReading(argv);
    if (argc == 3 && std::string(argv[1]) == "--pins") return PrintPins(std::atoi(argv[2]), 1901u);
    const int readings = argc > 1 ? std::atoi(argv[1]) : 2000;
    std::mt19937 random(argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1901u);

    std::map<std::string, Tally> seconds;
    std::map<std::string, Tally> arcseconds;
    for (int n = 0; n < readings; ++n) {
        const auto [birth, latitude] = RandomSample(random);
        const auto [chart, details] = Compute(birth, latitude);
        const double jd = details.universalJd;

        const double moonTropical = chart.MoonLongitude - chart.Ayanamsa;
        arcseconds["Moon (nakshatra's), tropical"].add(
            AngleDifferenceArcseconds(moonTropical, ReferenceLongitude(jd, SE_MOON)));
        const double sunTropical = PanchangSunLongitudeUnreduced(chart.JulianEphemerisDay);
        arcseconds["Sun (panchang's), apparent"].add(
            AngleDifferenceArcseconds(sunTropical, ReferenceLongitude(jd, SE_SUN)));
        arcseconds["Moon (panchang's), apparent"].add(
            AngleDifferenceArcseconds(chart.MoonLongitudeUnreduced, ReferenceLongitude(jd, SE_MOON)));

        const std::pair<const char*, std::pair<Limb, LimbSpan>> limbs[] = {
            {"tithi", {Limb::Tithi, details.tithi}},
            {"karana", {Limb::Karana, details.karana}},
            {"yoga", {Limb::Yoga, details.yoga}},
            {"nakshatra", {Limb::Nakshatra, details.nakshatra}},
        };
        for (const auto& [name, limbAndSpan] : limbs) {
            const auto& [limb, span] = limbAndSpan;
            const std::pair<double, int> bounds[] = {{span.startJd, span.index}, {span.endJd, span.index + 1}};
            for (const auto& [bound, target] : bounds) {
                const double reference = ReferenceBound(limb, bound, target);
                seconds[std::string(name) + " bounds"].add(std::fabs(bound - reference) * kSecondsPerDay);
            }
        }
        const GeoPlace place{latitude, -chart.LongitudeWest};
        if (details.sunriseJd) {
            seconds["sunrise"].add(std::fabs(*details.sunriseJd - ReferenceSunEvent(*details.sunriseJd, place)) *
                                   kSecondsPerDay);
        }
        if (details.sunsetJd) {
            seconds["sunset"].add(std::fabs(*details.sunsetJd - ReferenceSunEvent(*details.sunsetJd, place)) *
                                  kSecondsPerDay);
        }
    }

    auto row = [](const std::string& what, Tally& tally, const char* unit) {
        std::sort(tally.values.begin(), tally.values.end());
        const double median = tally.values[tally.values.size() / 2];
        std::printf("| %s | %.1f %s | %.1f %s | %zu |\n", what.c_str(), tally.values.back(), unit, median, unit,
                    tally.values.size());
    };
    std::printf("| quantity | largest difference | median difference | compared |\n|---|---|---|---|\n");
    for (auto& [what, tally] : arcseconds) row(what, tally, "″");
    for (auto& [what, tally] : seconds) row(what, tally, "s");
    swe_close();
    return 0;
}
