#pragma once

#include <string>

#include "core/text/language.h"

namespace zorvane {

// The names of the limbs, signs and lords in a language, by the same indices
// as the English tables of core/panchang and core/dasha.

// Tithi index 0..29 with its paksha: "Shukla Dwitiya", "शुक्ल द्वितीया".
std::string TithiText(int tithiIndex, Language language);
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
// Dasha lord 0..8 in the order of the periods, Ketu first; the lord of
// nakshatra i is lord i % 9.
std::string LordText(int lord, Language language);
// Graha 0..8 in the ephemeris's order, Sun first: "Jupiter", "गुरु".
std::string GrahaText(int graha, Language language);
// "Lagna", "लग्न".
std::string LagnaText(Language language);
// The mark after a retrograde graha in a table: "R", "व".
std::string RetrogradeText(Language language);
// Divisional chart 0..15 in the order of kVargas: "Navamsa", "नवांश".
std::string VargaText(int vargaIndex, Language language);
// Month 1..12 of the civil calendar.
std::string CivilMonthText(int month, Language language);
// Lunar month 0..11 from Chaitra.
std::string LunarMonthText(int month, Language language);

}  // namespace zorvane
