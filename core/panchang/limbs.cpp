#include "core/panchang/limbs.h"
#include "core/state/chart_state.h"

#include "core/time/epochs.h"

#include <cmath>

#include "core/time/angles.h"
#include "core/sky/sidereal_moon.h"
#include "core/panchang/birth_yoga.h"
#include "core/time/delta_t.h"
#include "core/sky/moon_longitude.h"
#include "core/sky/nutation.h"
#include "core/sky/panchang_ayanamsa.h"
#include "core/sky/sun_longitude.h"

namespace zorvane {

namespace {

constexpr double kTithiSpanDegrees = 12.0;
constexpr double kKaranaSpanDegrees = 6.0;
constexpr int kTithisPerTurn = 30;
constexpr int kKaranasPerTurn = 60;
constexpr int kYogasPerTurn = 27;

// Mean motions, degrees per day (Moon: sidereal month of 27.321662 days; Sun:
// 365.256363 days; their difference makes the synodic month of 29.530589).
constexpr double kMoonMeanDegreesPerDay = kDegreesPerTurn / 27.321662;
constexpr double kSunMeanDegreesPerDay = kDegreesPerTurn / 365.256363;
constexpr double kYogaSpanDegrees = kDegreesPerTurn / kYogasPerTurn;

// The Moon's elongation from the Sun in 0 <= e < 360 degrees.
double ElongationDegrees(double moonUnreducedDegrees, double sunUnreducedDegrees) {
    const double e = moonUnreducedDegrees - sunUnreducedDegrees;
    const double reduced = e - kDegreesPerTurn * std::floor(e / kDegreesPerTurn);
    return reduced < kDegreesPerTurn ? reduced : 0.0;  // a hair below 0 rounds up to a whole turn
}

}  // namespace

int LimbCount(Limb limb) {
    switch (limb) {
        case Limb::Tithi: return kTithisPerTurn;
        case Limb::Karana: return kKaranasPerTurn;
        case Limb::Yoga: return kYogasPerTurn;
        case Limb::Nakshatra: return kNakshatraCount;
    }
    return 1;
}

double LimbMeanRatePerDay(Limb limb) {
    switch (limb) {
        case Limb::Tithi: return (kMoonMeanDegreesPerDay - kSunMeanDegreesPerDay) / kTithiSpanDegrees;
        case Limb::Karana: return (kMoonMeanDegreesPerDay - kSunMeanDegreesPerDay) / kKaranaSpanDegrees;
        case Limb::Yoga: return (kMoonMeanDegreesPerDay + kSunMeanDegreesPerDay) / kYogaSpanDegrees;
        case Limb::Nakshatra: return kMoonMeanDegreesPerDay / kNakshatraSpanDegrees;
    }
    return 1;
}

double TithiPositionOf(double moonUnreducedDegrees, double sunUnreducedDegrees) {
    return ElongationDegrees(moonUnreducedDegrees, sunUnreducedDegrees) / kTithiSpanDegrees;
}

double KaranaPositionOf(double moonUnreducedDegrees, double sunUnreducedDegrees) {
    return ElongationDegrees(moonUnreducedDegrees, sunUnreducedDegrees) / kKaranaSpanDegrees;
}

double LimbPositionAt(Limb limb, double universalJd) {
    if (limb == Limb::Nakshatra) {
        const double centuries = (universalJd - kJ2000JulianDay) / kDaysPerJulianCentury;
        return NakshatraPositionOf(NakshatraMoonSiderealDegrees(centuries));
    }
    const double jde = EphemerisJulianDay(universalJd);
    const double nutation = NutationInLongitude(jde);
    const double moon = PanchangMoonLongitudeUnreduced(jde, nutation);
    const double sun = PanchangSunLongitudeUnreduced(jde, nutation);
    switch (limb) {
        case Limb::Tithi: return TithiPositionOf(moon, sun);
        case Limb::Karana: return KaranaPositionOf(moon, sun);
        default: return YogaPositionOf(moon, sun, PanchangAyanamsaOffset(jde));
    }
}

}  // namespace zorvane
