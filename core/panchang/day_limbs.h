#pragma once

#include <vector>

#include "core/panchang/birth_details.h"
#include "core/panchang/limbs.h"

namespace zorvane {

// Every span of the limb that runs during [fromJd, toJd): the first began at
// or before fromJd, the last ends at or after toJd, and each ends where the
// next begins (the same crossing, found once). The bounds come from
// LimbPositionAt and FindCrossing, as a birth's details do.
std::vector<LimbSpan> LimbSpansBetween(Limb limb, double fromJd, double toJd);

// The nakshatra's quarters (padas) in the same way: index 0..107 from the
// first pada of Ashwini.
std::vector<LimbSpan> PadaSpansBetween(double fromJd, double toJd);

// The panchang Sun's sidereal longitude counted in signs, 0 <= s < 12: the
// panchang's apparent Sun plus its sidereal offset, as the birth details name
// the Sun's sign.
double SunSignPositionAt(double universalJd);

// The Sun's signs during [fromJd, toJd): a span's start is a sankranti (the
// Sun entering the sign of its index).
std::vector<LimbSpan> SunSignSpansBetween(double fromJd, double toJd);

// The moment the tithi position reaches a whole number near a moment:
// target 0 is the new moon before (or at) the moment, 15 the full moon.
// Counted unwrapped around the tithi at the moment, so -15 is the full moon
// before it, 30 the next new moon.
double TithiCrossingNear(double universalJd, double target);

}  // namespace zorvane
