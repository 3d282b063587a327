#pragma once

namespace zorvane {

// Nutation in longitude in degrees for a Julian ephemeris day.
double NutationInLongitude(double jde);

}  // namespace zorvane
