#pragma once

namespace zorvane {

// Sidereal offset of the panchang in degrees (negative) for a Julian
// ephemeris day.
double PanchangAyanamsaOffset(double jde);

}  // namespace zorvane
