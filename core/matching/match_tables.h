#pragma once

// The tables of matching, one row a line, each with where it comes from and
// the variant taken where the texts differ. Nakshatras are indexed 0 Ashwini
// .. 26 Revati, signs 0 Mesha .. 11 Meena.

#include <array>
#include <string_view>

#include "core/sky/graha_names.h"

namespace zorvane::matching {

inline constexpr int kNakshatras = 27;
inline constexpr int kSigns = 12;

// ---- Varna of the Moon's sign (koota 1) --------------------------------
// Source: the varna of the signs as the Muhurta texts give them for guna
// milan (watery signs Brahmin, fiery Kshatriya, earthy Vaishya, airy Shudra).
enum class Varna { Shudra, Vaishya, Kshatriya, Brahmin };  // in rising rank
inline constexpr auto kVarnaNames = std::to_array<std::string_view>({"Shudra", "Vaishya", "Kshatriya", "Brahmin"});
inline constexpr auto kSignVarna = std::to_array<Varna>({
    Varna::Kshatriya,  // Mesha
    Varna::Vaishya,    // Vrishabha
    Varna::Shudra,     // Mithuna
    Varna::Brahmin,    // Karka
    Varna::Kshatriya,  // Simha
    Varna::Vaishya,    // Kanya
    Varna::Shudra,     // Tula
    Varna::Brahmin,    // Vrishchika
    Varna::Kshatriya,  // Dhanu
    Varna::Vaishya,    // Makara
    Varna::Shudra,     // Kumbha
    Varna::Brahmin,    // Meena
});
static_assert(kSignVarna.size() == kSigns);

// ---- Vashya class of the Moon's sign (koota 2) -------------------------
// Source: the five vashya classes of the signs by the creature each sign
// pictures. Variant taken: Simha Vanachara (wild), Karka Jalachara, and the
// two split signs by halves: Dhanu's first half Manava and second half
// Chatushpada, Makara's first half Chatushpada and second half Jalachara. A
// pada is in the half its start lies in (the padas starting at Dhanu 13d20'
// and Makara 13d20' straddle the middle and count as the first half).
enum class VashyaClass { Chatushpada, Manava, Jalachara, Vanachara, Keeta };
inline constexpr auto kVashyaNames =
    std::to_array<std::string_view>({"Chatushpada", "Manava", "Jalachara", "Vanachara", "Keeta"});
struct SignVashya {
    VashyaClass firstHalf;
    VashyaClass secondHalf;
};
inline constexpr auto kSignVashya = std::to_array<SignVashya>({
    {VashyaClass::Chatushpada, VashyaClass::Chatushpada},  // Mesha (ram)
    {VashyaClass::Chatushpada, VashyaClass::Chatushpada},  // Vrishabha (bull)
    {VashyaClass::Manava, VashyaClass::Manava},            // Mithuna (pair)
    {VashyaClass::Jalachara, VashyaClass::Jalachara},      // Karka (crab)
    {VashyaClass::Vanachara, VashyaClass::Vanachara},      // Simha (lion)
    {VashyaClass::Manava, VashyaClass::Manava},            // Kanya (maiden)
    {VashyaClass::Manava, VashyaClass::Manava},            // Tula (balance-bearer)
    {VashyaClass::Keeta, VashyaClass::Keeta},              // Vrishchika (scorpion)
    {VashyaClass::Manava, VashyaClass::Chatushpada},       // Dhanu (archer / horse)
    {VashyaClass::Chatushpada, VashyaClass::Jalachara},    // Makara (goat / sea-creature)
    {VashyaClass::Manava, VashyaClass::Manava},            // Kumbha (water-bearer)
    {VashyaClass::Jalachara, VashyaClass::Jalachara},      // Meena (fishes)
});
static_assert(kSignVashya.size() == kSigns);

// Vashya points (of 2) for the two classes, rows and columns in the order of
// VashyaClass. Source: the five-class point table of the guna milan
// almanacs. Variant taken: the symmetric form (the same points whichever
// birth is the bride's); texts that count who is vashya to whom give 0 to
// some of the half-point pairs in one direction.
inline constexpr auto kVashyaPoints = std::to_array<std::array<double, 5>>({
    {2.0, 1.0, 1.0, 0.5, 1.0},  // Chatushpada
    {1.0, 2.0, 0.5, 0.0, 1.0},  // Manava
    {1.0, 0.5, 2.0, 1.0, 1.0},  // Jalachara
    {0.5, 0.0, 1.0, 2.0, 0.0},  // Vanachara
    {1.0, 1.0, 1.0, 0.0, 2.0},  // Keeta
});

// ---- The nine taras (koota 3, tarabala) --------------------------------
// Source: the tara cycle of the Muhurta texts: the count of stars from one to
// the other, inclusive, taken by nines (a remainder of 0 is the ninth).
// Vipat (3), Pratyak (5) and Naidhana (7) are the unfavourable ones; Janma
// (1) is taken as favourable for matching and named as mixed for a day.
inline constexpr auto kTaraNames = std::to_array<std::string_view>({
    "Janma", "Sampat", "Vipat", "Kshema", "Pratyak", "Sadhana", "Naidhana", "Mitra", "Parama Mitra",
});
inline constexpr int kTaraCount = static_cast<int>(kTaraNames.size());

// ---- Yoni of the nakshatra (koota 4, yoni porutham) --------------------
// Source: the fourteen yoni animals of the nakshatras, each with a male and
// a female star (the mongoose's female star is Abhijit, not counted here).
enum class Yoni { Horse, Elephant, Sheep, Serpent, Dog, Cat, Rat, Cow, Buffalo, Tiger, Deer, Monkey, Mongoose, Lion };
inline constexpr auto kYoniNames = std::to_array<std::string_view>({
    "Horse", "Elephant", "Sheep", "Serpent", "Dog", "Cat", "Rat",
    "Cow", "Buffalo", "Tiger", "Deer", "Monkey", "Mongoose", "Lion",
});
inline constexpr int kYoniCount = static_cast<int>(kYoniNames.size());
struct StarYoni {
    Yoni yoni;
    bool male;
};
inline constexpr auto kStarYoni = std::to_array<StarYoni>({
    {Yoni::Horse, true},      // Ashwini
    {Yoni::Elephant, true},   // Bharani
    {Yoni::Sheep, false},     // Krittika
    {Yoni::Serpent, true},    // Rohini
    {Yoni::Serpent, false},   // Mrigasira
    {Yoni::Dog, false},       // Ardra
    {Yoni::Cat, false},       // Punarvasu
    {Yoni::Sheep, true},      // Pushya
    {Yoni::Cat, true},        // Ashlesha
    {Yoni::Rat, true},        // Magha
    {Yoni::Rat, false},       // Poorva Phalguni
    {Yoni::Cow, true},        // Uttara Phalguni
    {Yoni::Buffalo, false},   // Hasta
    {Yoni::Tiger, false},     // Chitra
    {Yoni::Buffalo, true},    // Swati
    {Yoni::Tiger, true},      // Vishakha
    {Yoni::Deer, false},      // Anuradha
    {Yoni::Deer, true},       // Jyeshtha
    {Yoni::Dog, true},        // Moola
    {Yoni::Monkey, true},     // Purva Ashadha
    {Yoni::Mongoose, true},   // Uttara Ashadha
    {Yoni::Monkey, false},    // Shravana
    {Yoni::Lion, false},      // Dhanistha
    {Yoni::Horse, false},     // Shatabhisha
    {Yoni::Lion, true},       // Poorva Bhadrapada
    {Yoni::Cow, false},       // Uttara Bhadrapada
    {Yoni::Elephant, false},  // Revati
});
static_assert(kStarYoni.size() == kNakshatras);

// Yoni points (of 4): 4 the same animal, 3 friends, 2 neutral, 1 unfriendly,
// 0 sworn enemies. Source: the 14 x 14 yoni table as the guna milan
// almanacs print it; symmetric. Rows and columns in the order of Yoni.
inline constexpr auto kYoniPoints = std::to_array<std::array<int, 14>>({
    //Ho El Sh Se Do Ca Ra Co Bu Ti De Mo Mg Li
    {4, 2, 2, 3, 2, 2, 2, 1, 0, 1, 3, 3, 2, 1},  // Horse
    {2, 4, 3, 3, 2, 2, 2, 2, 3, 1, 2, 3, 2, 0},  // Elephant
    {2, 3, 4, 2, 1, 2, 1, 3, 3, 1, 2, 0, 3, 1},  // Sheep
    {3, 3, 2, 4, 2, 1, 1, 1, 1, 2, 2, 2, 0, 2},  // Serpent
    {2, 2, 1, 2, 4, 2, 1, 2, 2, 1, 0, 2, 1, 1},  // Dog
    {2, 2, 2, 1, 2, 4, 0, 2, 2, 1, 3, 3, 2, 1},  // Cat
    {2, 2, 1, 1, 1, 0, 4, 2, 2, 2, 2, 2, 1, 2},  // Rat
    {1, 2, 3, 1, 2, 2, 2, 4, 3, 0, 3, 2, 2, 1},  // Cow
    {0, 3, 3, 1, 2, 2, 2, 3, 4, 1, 2, 2, 2, 1},  // Buffalo
    {1, 1, 1, 2, 1, 1, 2, 0, 1, 4, 1, 1, 2, 1},  // Tiger
    {3, 2, 2, 2, 0, 3, 2, 3, 2, 1, 4, 2, 2, 1},  // Deer
    {3, 3, 0, 2, 2, 3, 2, 2, 2, 1, 2, 4, 3, 2},  // Monkey
    {2, 2, 3, 0, 1, 2, 1, 2, 2, 2, 2, 3, 4, 2},  // Mongoose
    {1, 0, 1, 2, 1, 1, 2, 1, 1, 1, 1, 2, 2, 4},  // Lion
});
static_assert(kYoniPoints.size() == kYoniNames.size());

// ---- Lords of the signs and their natural relations (koota 5) ----------
// Source: the sign lords and the natural (naisargika) friendships of the
// seven grahas as the Parashari texts give them.
enum class Graha { Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn };
// The seven sign lords are named from the one graha table, whose first seven
// rows are in the order of Graha.
static_assert(static_cast<std::size_t>(Graha::Sun) == kSunRow && static_cast<std::size_t>(Graha::Moon) == kMoonRow &&
              static_cast<std::size_t>(Graha::Mars) == kMarsRow &&
              static_cast<std::size_t>(Graha::Mercury) == kMercuryRow &&
              static_cast<std::size_t>(Graha::Jupiter) == kJupiterRow &&
              static_cast<std::size_t>(Graha::Venus) == kVenusRow &&
              static_cast<std::size_t>(Graha::Saturn) == kSaturnRow);
inline constexpr auto kSignLord = std::to_array<Graha>({
    Graha::Mars,     // Mesha
    Graha::Venus,    // Vrishabha
    Graha::Mercury,  // Mithuna
    Graha::Moon,     // Karka
    Graha::Sun,      // Simha
    Graha::Mercury,  // Kanya
    Graha::Venus,    // Tula
    Graha::Mars,     // Vrishchika
    Graha::Jupiter,  // Dhanu
    Graha::Saturn,   // Makara
    Graha::Saturn,   // Kumbha
    Graha::Jupiter,  // Meena
});
static_assert(kSignLord.size() == kSigns);

enum class Relation { Enemy, Neutral, Friend };
// How the graha of the row regards the graha of the column (the diagonal is
// the graha itself and taken as a friend), columns in the order of Graha.
inline constexpr auto kNaturalRelation = std::to_array<std::array<Relation, 7>>({
    // Sun: friends Moon, Mars, Jupiter; neutral Mercury; enemies Venus, Saturn
    {Relation::Friend, Relation::Friend, Relation::Friend, Relation::Neutral, Relation::Friend, Relation::Enemy, Relation::Enemy},
    // Moon: friends Sun, Mercury; the rest neutral; no enemy
    {Relation::Friend, Relation::Friend, Relation::Neutral, Relation::Friend, Relation::Neutral, Relation::Neutral, Relation::Neutral},
    // Mars: friends Sun, Moon, Jupiter; neutral Venus, Saturn; enemy Mercury
    {Relation::Friend, Relation::Friend, Relation::Friend, Relation::Enemy, Relation::Friend, Relation::Neutral, Relation::Neutral},
    // Mercury: friends Sun, Venus; neutral Mars, Jupiter, Saturn; enemy Moon
    {Relation::Friend, Relation::Enemy, Relation::Neutral, Relation::Friend, Relation::Neutral, Relation::Friend, Relation::Neutral},
    // Jupiter: friends Sun, Moon, Mars; neutral Saturn; enemies Mercury, Venus
    {Relation::Friend, Relation::Friend, Relation::Friend, Relation::Enemy, Relation::Friend, Relation::Enemy, Relation::Neutral},
    // Venus: friends Mercury, Saturn; neutral Mars, Jupiter; enemies Sun, Moon
    {Relation::Enemy, Relation::Enemy, Relation::Neutral, Relation::Friend, Relation::Neutral, Relation::Friend, Relation::Friend},
    // Saturn: friends Mercury, Venus; neutral Jupiter; enemies Sun, Moon, Mars
    {Relation::Enemy, Relation::Enemy, Relation::Enemy, Relation::Friend, Relation::Neutral, Relation::Friend, Relation::Friend},
});

// Graha maitri points (of 5) for how each lord regards the other. Source: the
// rule of the guna milan texts: both friends (or one lord) 5, friend and
// neutral 4, both neutral 3, friend and enemy 1, neutral and enemy 0.5, both
// enemies 0.
struct MaitriRule {
    Relation one;
    Relation other;
    double points;
};
inline constexpr auto kMaitriPoints = std::to_array<MaitriRule>({
    {Relation::Friend, Relation::Friend, 5.0},
    {Relation::Friend, Relation::Neutral, 4.0},
    {Relation::Neutral, Relation::Neutral, 3.0},
    {Relation::Friend, Relation::Enemy, 1.0},
    {Relation::Neutral, Relation::Enemy, 0.5},
    {Relation::Enemy, Relation::Enemy, 0.0},
});

// ---- Gana of the nakshatra (koota 6, gana porutham) --------------------
// Source: the three ganas of the nakshatras, nine stars each, as the Muhurta
// texts list them.
enum class Gana { Deva, Manushya, Rakshasa };
inline constexpr auto kGanaNames = std::to_array<std::string_view>({"Deva", "Manushya", "Rakshasa"});
inline constexpr auto kStarGana = std::to_array<Gana>({
    Gana::Deva,      // Ashwini
    Gana::Manushya,  // Bharani
    Gana::Rakshasa,  // Krittika
    Gana::Manushya,  // Rohini
    Gana::Deva,      // Mrigasira
    Gana::Manushya,  // Ardra
    Gana::Deva,      // Punarvasu
    Gana::Deva,      // Pushya
    Gana::Rakshasa,  // Ashlesha
    Gana::Rakshasa,  // Magha
    Gana::Manushya,  // Poorva Phalguni
    Gana::Manushya,  // Uttara Phalguni
    Gana::Deva,      // Hasta
    Gana::Rakshasa,  // Chitra
    Gana::Deva,      // Swati
    Gana::Rakshasa,  // Vishakha
    Gana::Deva,      // Anuradha
    Gana::Rakshasa,  // Jyeshtha
    Gana::Rakshasa,  // Moola
    Gana::Manushya,  // Purva Ashadha
    Gana::Manushya,  // Uttara Ashadha
    Gana::Deva,      // Shravana
    Gana::Rakshasa,  // Dhanistha
    Gana::Rakshasa,  // Shatabhisha
    Gana::Manushya,  // Poorva Bhadrapada
    Gana::Manushya,  // Uttara Bhadrapada
    Gana::Deva,      // Revati
});
static_assert(kStarGana.size() == kNakshatras);

// Gana points (of 6), the groom's gana in the rows and the bride's in the
// columns. Source: the gana table of the guna milan almanacs. Variant taken:
// a Deva groom with a Manushya bride 6 and the reverse 5; Deva with Rakshasa
// 1 either way (some texts give 0 to a Rakshasa bride with a Deva groom).
inline constexpr auto kGanaPoints = std::to_array<std::array<double, 3>>({
    {6.0, 6.0, 1.0},  // Deva groom: Deva, Manushya, Rakshasa bride
    {5.0, 6.0, 0.0},  // Manushya groom
    {1.0, 0.0, 6.0},  // Rakshasa groom
});

// ---- Nadi of the nakshatra (koota 8) -----------------------------------
// Source: the three nadis running to and fro over the stars (Adi, Madhya,
// Antya, Antya, Madhya, Adi, ...), as the guna milan texts list them.
enum class Nadi { Adi, Madhya, Antya };
inline constexpr auto kNadiNames = std::to_array<std::string_view>({"Adi", "Madhya", "Antya"});
inline constexpr auto kStarNadi = std::to_array<Nadi>({
    Nadi::Adi,     Nadi::Madhya, Nadi::Antya,   // Ashwini, Bharani, Krittika
    Nadi::Antya,   Nadi::Madhya, Nadi::Adi,     // Rohini, Mrigasira, Ardra
    Nadi::Adi,     Nadi::Madhya, Nadi::Antya,   // Punarvasu, Pushya, Ashlesha
    Nadi::Antya,   Nadi::Madhya, Nadi::Adi,     // Magha, Poorva Phalguni, Uttara Phalguni
    Nadi::Adi,     Nadi::Madhya, Nadi::Antya,   // Hasta, Chitra, Swati
    Nadi::Antya,   Nadi::Madhya, Nadi::Adi,     // Vishakha, Anuradha, Jyeshtha
    Nadi::Adi,     Nadi::Madhya, Nadi::Antya,   // Moola, Purva Ashadha, Uttara Ashadha
    Nadi::Antya,   Nadi::Madhya, Nadi::Adi,     // Shravana, Dhanistha, Shatabhisha
    Nadi::Adi,     Nadi::Madhya, Nadi::Antya,   // Poorva Bhadrapada, Uttara Bhadrapada, Revati
});
static_assert(kStarNadi.size() == kNakshatras);

// ---- Rajju of the nakshatra (rajju porutham) ---------------------------
// Source: the five rajjus of the porutham texts of the South, the stars
// running feet to head and back in each nine.
enum class Rajju { Pada, Kati, Nabhi, Kantha, Shira };
inline constexpr auto kRajjuNames = std::to_array<std::string_view>({"Pada", "Kati", "Nabhi", "Kantha", "Shira"});
inline constexpr auto kStarRajju = std::to_array<Rajju>({
    Rajju::Pada,  Rajju::Kati,   Rajju::Nabhi,  // Ashwini, Bharani, Krittika
    Rajju::Kantha, Rajju::Shira, Rajju::Kantha, // Rohini, Mrigasira, Ardra
    Rajju::Nabhi, Rajju::Kati,   Rajju::Pada,   // Punarvasu, Pushya, Ashlesha
    Rajju::Pada,  Rajju::Kati,   Rajju::Nabhi,  // Magha, Poorva Phalguni, Uttara Phalguni
    Rajju::Kantha, Rajju::Shira, Rajju::Kantha, // Hasta, Chitra, Swati
    Rajju::Nabhi, Rajju::Kati,   Rajju::Pada,   // Vishakha, Anuradha, Jyeshtha
    Rajju::Pada,  Rajju::Kati,   Rajju::Nabhi,  // Moola, Purva Ashadha, Uttara Ashadha
    Rajju::Kantha, Rajju::Shira, Rajju::Kantha, // Shravana, Dhanistha, Shatabhisha
    Rajju::Nabhi, Rajju::Kati,   Rajju::Pada,   // Poorva Bhadrapada, Uttara Bhadrapada, Revati
});
static_assert(kStarRajju.size() == kNakshatras);

// ---- Vedha pairs (vedha porutham) --------------------------------------
// Source: the mutually obstructing stars of the porutham texts: twelve pairs,
// and Mrigasira, Chitra and Dhanistha each obstructing the other two.
inline constexpr auto kVedhaPairs = std::to_array<std::array<int, 2>>({
    {0, 17},   // Ashwini - Jyeshtha
    {1, 16},   // Bharani - Anuradha
    {2, 15},   // Krittika - Vishakha
    {3, 14},   // Rohini - Swati
    {5, 21},   // Ardra - Shravana
    {6, 20},   // Punarvasu - Uttara Ashadha
    {7, 19},   // Pushya - Purva Ashadha
    {8, 18},   // Ashlesha - Moola
    {9, 26},   // Magha - Revati
    {10, 25},  // Poorva Phalguni - Uttara Bhadrapada
    {11, 24},  // Uttara Phalguni - Poorva Bhadrapada
    {12, 23},  // Hasta - Shatabhisha
    {4, 13},   // Mrigasira - Chitra
    {4, 22},   // Mrigasira - Dhanistha
    {13, 22},  // Chitra - Dhanistha
});

// ---- Vasya signs (vasya porutham) --------------------------------------
// Source: the signs each sign holds as vasya in the porutham texts of the
// South. Variant taken: the list with Simha - Tula and Vrishchika - Karka
// (some add Simha - Makara and Vrishchika - Kanya). -1 marks no second sign.
inline constexpr auto kVasyaSigns = std::to_array<std::array<int, 2>>({
    {4, 7},    // Mesha: Simha, Vrishchika
    {3, 6},    // Vrishabha: Karka, Tula
    {5, -1},   // Mithuna: Kanya
    {7, 8},    // Karka: Vrishchika, Dhanu
    {6, -1},   // Simha: Tula
    {11, 2},   // Kanya: Meena, Mithuna
    {9, 5},    // Tula: Makara, Kanya
    {3, -1},   // Vrishchika: Karka
    {11, -1},  // Dhanu: Meena
    {0, 10},   // Makara: Mesha, Kumbha
    {0, -1},   // Kumbha: Mesha
    {9, -1},   // Meena: Makara
});
static_assert(kVasyaSigns.size() == kSigns);

// ---- Chandrabala -------------------------------------------------------
// Source: the Muhurta rule of the Moon's strength by its sign counted from
// the birth Moon's: the 1st, 3rd, 6th, 7th, 10th and 11th favourable. Variant
// taken: the plain list (some also accept the 2nd, 5th and 9th in the bright
// half). The 8th is chandrashtama.
inline constexpr auto kChandrabalaFavourable =
    std::to_array<bool>({true, false, true, false, false, true, true, false, false, true, true, false});
static_assert(kChandrabalaFavourable.size() == kSigns);
inline constexpr int kChandrashtamaCount = 8;

}  // namespace zorvane::matching
