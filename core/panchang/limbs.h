#pragma once

namespace zorvane {

// The four limbs that divide a growing angle: the tithi and the karana divide
// the Moon's elongation from the Sun, the yoga the sum of the sidereal Moon
// and Sun, the nakshatra the sidereal Moon.
enum class Limb { Tithi, Karana, Yoga, Nakshatra };

// Divisions of the limb in one turn of its angle.
int LimbCount(Limb limb);

// Mean rate of the limb in divisions per day, the first step of a search.
double LimbMeanRatePerDay(Limb limb);

// Position of a limb counted in its own divisions, 0 <= position < count
// (the whole part is the index), at a universal-time Julian day. Each comes
// from the theory that names it: the nakshatra from the nakshatra's Moon, the
// others from the panchang's Moon, Sun, dynamical time and offset.
double LimbPositionAt(Limb limb, double universalJd);

// The same positions from the unreduced apparent longitudes of the panchang's
// Moon and Sun (degrees) and its offset, as a reading stores them.
double TithiPositionOf(double moonUnreducedDegrees, double sunUnreducedDegrees);
double KaranaPositionOf(double moonUnreducedDegrees, double sunUnreducedDegrees);

}  // namespace zorvane
