#pragma once

#include <string>

#include "core/text/language.h"

namespace zorvane {

// The names of the limbs, signs and grahas in a language, by the same
// indices as the English tables of core/panchang and core/sky; in English
// each is exactly the English table's name.

// Tithi index 0..29 with its paksha: "Shukla Dwitiya", "शुक्ल द्वितीया".
std::string TithiText(int tithiIndex, Language language);
// Tithi 1..30 alone, without its paksha: "Dwitiya", "द्वितीया".
std::string TithiAloneText(int tithi, Language language);
// "Shukla" or "Krishna", "शुक्ल" or "कृष्ण".
std::string PakshaText(bool krishna, Language language);
// Karana 1..60.
std::string KaranaText(int karana, Language language);
// Weekday 0..6 from Sunday.
std::string VaraText(int weekday, Language language);
// Sign 0..11 from Mesha.
std::string SignText(int sign, Language language);
// Nakshatra index 0..26 from Ashwini.
std::string NakshatraText(int nakshatraIndex, Language language);
// Yoga index 0..26 from Vishkambha.
std::string YogaText(int yogaIndex, Language language);
// Graha 0..8 in the ephemeris's order, Sun first: "Jupiter", "गुरु".
std::string GrahaText(int graha, Language language);

}  // namespace zorvane
