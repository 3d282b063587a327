#pragma once

#include <array>
#include <string_view>

#include "core/panchang/limb_names.h"

namespace zorvane {

// The weekday tables of the day's periods. Rows are weekdays from Sunday
// (Ravivara) to Saturday (Shanivara); an "eighth" is 1..8 of the day from
// sunrise to sunset cut in eight equal parts, a "muhurta" 1..15 of the day
// (or of the night) cut in fifteen.

// Rahu kalam, Yamaganda and Gulika kalam by day: the eighth of the day.
// Yamaganda and Gulika are the portions of Jupiter and of Saturn when the
// eighths are given to the weekday lords in weekday order from the day's own
// lord (the eighth part has no lord); Rahu kalam is the table every almanac
// prints (with a 06:00-18:00 day: Monday 07:30-09:00 ... Sunday 16:30-18:00).
inline constexpr auto kRahuKalamEighth = std::to_array<int>({8, 2, 7, 5, 6, 4, 3});
inline constexpr auto kYamagandaEighth = std::to_array<int>({5, 4, 3, 2, 1, 7, 6});
inline constexpr auto kGulikaEighth = std::to_array<int>({7, 6, 5, 4, 3, 2, 1});
// By night (sunset to the next sunrise) the portions are counted from the
// lord of the fifth weekday (counting the day itself as the first), so the
// night of a weekday takes the day table's row four weekdays on: Sunday night
// Gulika the 3rd eighth, Yamaganda the 1st. The same shift is used for Rahu
// kalam by night, the variant most almanacs that print it follow.
inline constexpr int kNightWeekdayShift = 4;

// Abhijit muhurta: the 8th of the day's 15 muhurtas, around local noon.
// Given every day here; almanacs that omit it on Wednesdays say so beside it.
inline constexpr int kAbhijitMuhurta = 8;
inline constexpr int kMuhurtasPerHalfDay = 15;

// Durmuhurtas by weekday (Muhurta Chintamani's table as the almanacs print
// it): day muhurtas 1..15, night muhurtas 16..30 (the night's 1..15). Zero
// ends a row.
inline constexpr auto kDurmuhurtas = std::to_array<std::array<int, 2>>({
    {14, 0},   // Sunday
    {9, 12},   // Monday
    {4, 22},   // Tuesday: the 4th of the day and the 7th of the night
    {8, 0},    // Wednesday
    {6, 12},   // Thursday
    {4, 9},    // Friday
    {1, 2},    // Saturday
});

// Choghadiya: the day and the night each in eight equal parts, named in this
// cycle (the lords Sun, Venus, Mercury, Moon, Saturn, Jupiter, Mars).
inline constexpr auto kChoghadiyaNames = std::to_array<std::string_view>({
    "Udveg",  // Sun
    "Char",   // Venus
    "Labh",   // Mercury
    "Amrit",  // Moon
    "Kaal",   // Saturn
    "Shubh",  // Jupiter
    "Rog",    // Mars
});
// The day's first choghadiya is its weekday lord's, the night's the lord of
// the fifth weekday's; by day they follow the cycle, by night every fifth of
// it (Sunday night: Shubh, Amrit, Char, Rog, Kaal, Labh, Udveg, Shubh).
inline constexpr auto kChoghadiyaOfWeekdayLord = std::to_array<int>({0, 3, 6, 2, 5, 1, 4});
inline constexpr int kChoghadiyaNightStep = 5;
inline constexpr int kChoghadiyasPerHalfDay = 8;

// Horas: the day's twelfths and the night's twelfths (the unequal hours; some
// almanacs use equal hours of sixty minutes from sunrise), the first one the
// weekday lord's, then in the descending order of the planets' periods.
inline constexpr auto kHoraLordCycle = std::to_array<std::string_view>({
    kGrahaNames[kSunRow],
    kGrahaNames[kVenusRow],
    kGrahaNames[kMercuryRow],
    kGrahaNames[kMoonRow],
    kGrahaNames[kSaturnRow],
    kGrahaNames[kJupiterRow],
    kGrahaNames[kMarsRow],
});
inline constexpr auto kHoraOfWeekdayLord = std::to_array<int>({0, 3, 6, 2, 5, 1, 4});
inline constexpr int kHorasPerHalfDay = 12;

// Varjyam and amrita kalam: where each begins in its nakshatra, in ghatis of
// the 60 that the nakshatra's own span is divided into, from Ashwini (Muhurta
// Chintamani's tables as the south-Indian almanacs print them; Ardra is 21
// and Uttara Phalguni 1 in some). Each lasts 4 ghatis of the nakshatra.
inline constexpr auto kVarjyamStartGhatis = std::to_array<int>({
    50, 24, 30, 40, 14, 11, 30, 20, 32,  // Ashwini .. Ashlesha
    30, 20, 18, 22, 20, 14, 14, 10, 14,  // Magha .. Jyeshtha
    20, 24, 20, 10, 10, 18, 16, 24, 30,  // Moola .. Revati
});
inline constexpr auto kAmritaStartGhatis = std::to_array<int>({
    42, 48, 54, 52, 38, 35, 54, 44, 56,  // Ashwini .. Ashlesha
    54, 44, 42, 45, 44, 38, 38, 34, 38,  // Magha .. Jyeshtha
    44, 48, 44, 34, 34, 42, 40, 48, 54,  // Moola .. Revati
});
inline constexpr int kGhatisPerNakshatra = 60;
inline constexpr int kKalaGhatis = 4;

static_assert(kRahuKalamEighth.size() == kWeekdayCount && kYamagandaEighth.size() == kWeekdayCount &&
              kGulikaEighth.size() == kWeekdayCount && kDurmuhurtas.size() == kWeekdayCount);
static_assert(kChoghadiyaOfWeekdayLord.size() == kWeekdayCount && kHoraOfWeekdayLord.size() == kWeekdayCount);
static_assert(kVarjyamStartGhatis.size() == 27 && kAmritaStartGhatis.size() == 27);

}  // namespace zorvane
