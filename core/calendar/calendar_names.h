#pragma once

#include <array>
#include <string_view>

namespace zorvane {

// The lunar months from Chaitra. An amanta month (new moon to new moon) is
// named for the sign the Sun enters during it: the month that begins with
// the Sun in Meena is Chaitra, and so on, so its name is one on from the
// sign of the Sun at its first new moon (Mesha 0 .. Meena 11).
inline constexpr auto kLunarMonthNames = std::to_array<std::string_view>({
    "Chaitra", "Vaishakha", "Jyeshtha", "Ashadha", "Shravana", "Bhadrapada",
    "Ashvina", "Kartika", "Margashirsha", "Pausha", "Magha", "Phalguna",
});
static_assert(kLunarMonthNames.size() == 12);

// The six seasons, two lunar months each from Chaitra (the lunar ritu of the
// almanacs; the solar ritu by the Sun's sign is the variant not used here).
inline constexpr auto kRituNames = std::to_array<std::string_view>({
    "Vasanta", "Grishma", "Varsha", "Sharad", "Hemanta", "Shishira",
});
static_assert(kRituNames.size() == 6);
inline constexpr int kMonthsPerRitu = 2;

// The Sun's northward and southward halves of the year by its sidereal sign:
// Uttarayana from its entry into Makara to its entry into Karka (the
// traditional reckoning; the tropical one by the solstices is the variant).
inline constexpr std::string_view kUttarayana = "Uttarayana";
inline constexpr std::string_view kDakshinayana = "Dakshinayana";
inline constexpr int kMakaraSign = 9;
inline constexpr int kKarkaSign = 3;

// The sixty years of the Jupiter cycle from Prabhava, counted with the
// luni-solar year from Chaitra Shukla Pratipada (as in the Deccan and the
// south): Shaka year S is number (S + 11) mod 60, so Shaka 1945 (2023-24)
// is Shobhakrit.
inline constexpr auto kSamvatsaraNames = std::to_array<std::string_view>({
    "Prabhava",     "Vibhava",      "Shukla",     "Pramoda",     "Prajapati",   "Angirasa",
    "Shrimukha",    "Bhava",        "Yuva",       "Dhatri",      "Ishvara",     "Bahudhanya",
    "Pramathi",     "Vikrama",      "Vrisha",     "Chitrabhanu", "Svabhanu",    "Tarana",
    "Parthiva",     "Vyaya",        "Sarvajit",   "Sarvadhari",  "Virodhi",     "Vikriti",
    "Khara",        "Nandana",      "Vijaya",     "Jaya",        "Manmatha",    "Durmukhi",
    "Hevilambi",    "Vilambi",      "Vikari",     "Sharvari",    "Plava",       "Shubhakrit",
    "Shobhakrit",   "Krodhi",       "Vishvavasu", "Parabhava",   "Plavanga",    "Kilaka",
    "Saumya",       "Sadharana",    "Virodhikrit", "Paridhavi",  "Pramadicha",  "Ananda",
    "Rakshasa",     "Nala",         "Pingala",    "Kalayukti",   "Siddharthi",  "Raudra",
    "Durmati",      "Dundubhi",     "Rudhirodgari", "Raktakshi", "Krodhana",    "Akshaya",
});
static_assert(kSamvatsaraNames.size() == 60);
inline constexpr int kSamvatsaraShakaShift = 11;

// The Shaka year (elapsed, as the national calendar and the almanacs print
// it) is the Christian year less 78 from Chaitra Shukla Pratipada, less 79
// before it; the Vikrama year (Chaitradi, as in the north; Gujarat counts
// from Kartika) is the Shaka year plus 135.
inline constexpr int kShakaLagYears = 78;
inline constexpr int kVikramaLeadOverShakaYears = 135;

}  // namespace zorvane
