#pragma once

#include <string>

#include "core/panchang/local_limb_names.h"
#include "core/text/language.h"

namespace zorvane {

// The names of the lords, months and charts in a language, by the same
// indices as the English tables of core/dasha and core/chart; the limbs',
// signs' and grahas' come from core/panchang/local_limb_names.h.

// Dasha lord 0..8 in the order of the periods, Ketu first; the lord of
// nakshatra i is lord i % 9.
std::string LordText(int lord, Language language);
// "Lagna", "लग्न".
std::string LagnaText(Language language);
// The mark after a retrograde graha in a table: "R", "व".
std::string RetrogradeText(Language language);
// Divisional chart 0..15 in the order of kVargas: "Navamsa", "नवांश".
std::string VargaText(int vargaIndex, Language language);
// Month 1..12 of the civil calendar.
std::string CivilMonthText(int month, Language language);
}  // namespace zorvane
