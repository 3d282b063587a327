#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "core/chart/birth_chart.h"
#include "core/text/wording.h"

namespace zorvane {

// The chart's position table as text: the ayanamsa and ephemeris line, then
// one row each for the lagna (or the sentence saying it needs a latitude)
// and the nine grahas: longitude, sign and degree in it, nakshatra, pada,
// lord, house, retrograde mark and daily speed.
std::string FormatChartTable(const BirthChart& chart, const Wording& wording = {});

// Each point's sign (by number, 1 Mesha) in the sixteen divisional charts,
// one row a point, after a line naming the numbers.
std::string FormatVargaTable(const BirthChart& chart, const Wording& wording = {});

// The chart as the command line's "chart" object: ayanamsa, its degrees,
// the ephemeris used, the lagna (null without a latitude), the grahas and
// the vargas by D-number ("D1" .. "D60"), each mapping a point's name to
// its sign.
nlohmann::ordered_json ChartJson(const BirthChart& chart);

// A sentence when the chart's Moon stands in another nakshatra or pada than
// the reading's own Moon (sidereal, degrees), giving both longitudes;
// nothing when they agree.
std::optional<std::string> MoonDisagreement(double readingMoonDegrees, const BirthChart& chart,
                                            const Wording& wording = {});

// The chart as one text, as the command line prints it after the details
// and Copy Reading puts it on the clipboard: a heading, the position table,
// the vargas, and the Moon's sentence when the two Moons disagree. In
// another language than English the names and words are the wording's and
// the columns are padded to terminal columns (core/text/utf8.h).
std::string FormatChartSection(const BirthChart& chart, double readingMoonDegrees, const Wording& wording = {});

// Degrees as D°MM'SS" (whole seconds, rounded).
std::string DegreesMinutesSeconds(double degrees);

}  // namespace zorvane
