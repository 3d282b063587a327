#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace zorvane {

// Texts of a birth's details as the details window and the report show them.

// A moment in the birth's clock as a person reads it, "1947-08-14 23:12:05"
// (the zone is shown once, with the birth); a dash for no moment.
QString ClockText(double universalJd, double clockLeadHours);
QString ClockText(const std::optional<double>& universalJd, double clockLeadHours);

// The calendar date of a moment in the birth's zone, "1947-08-15".
QString DateText(double universalJd, double clockLeadHours);

// Degrees and minutes as typed, with the hemisphere: "77°13′ E".
QString DegreesMinutesText(int degrees, int minutes, QChar hemisphere);

// The latitude the reading used, "28°36′ N", or "none valid".
QString BirthLatitudeText(std::optional<double> latitudeDegrees);

}  // namespace zorvane
