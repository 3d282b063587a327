#pragma once

#include <array>
#include <string>
#include <utility>

#include "core/matching/ashtakoota.h"
#include "core/matching/porutham.h"
#include "core/matching/star.h"
#include "core/matching/star_day.h"
#include "core/text/wording.h"

namespace zorvane {

// "Rohini pada 3, Vrishabha", in the wording's language.
std::string DescribeStar(const Star& star, const Wording& wording = {});

// Points in halves as the tables print them: "24.5", "3", "0.5".
std::string FormatPoints(double points);

// Both schemes as plain text, for the command line, Copy and Print; the
// schemes computed with the same wording.
std::string FormatMatchText(const Star& bride, const Star& groom, const Ashtakoota& ashtakoota,
                            const std::array<Porutham, kPoruthamCount>& porutham, const Wording& wording = {});

// The universal-time Julian days of a civil date's midnight and the next, on
// a clock the given hours ahead of universal time.
std::pair<double, double> CivilDayBounds(int year, int month, int day, double clockLeadHours);

// The day for a birth star as plain text, times on the given clock.
std::string FormatStarDayText(const Star& birth, const StarDay& day, double clockLeadHours,
                              const Wording& wording = {});

}  // namespace zorvane
