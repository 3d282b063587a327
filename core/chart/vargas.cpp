#include "core/chart/vargas.h"

#include <algorithm>
#include <cmath>

#include "core/panchang/limb_names.h"
#include "core/time/angles.h"

namespace zorvane {

namespace {

constexpr double kSignWidthDegrees = kDegreesPerTurn / kSignCount;

// Sign numbers, 0 Mesha.
constexpr int kMesha = 0;
constexpr int kVrishabha = 1;
constexpr int kMithuna = 2;
constexpr int kKarka = 3;
constexpr int kSimha = 4;
constexpr int kKanya = 5;
constexpr int kTula = 6;
constexpr int kVrishchika = 7;
constexpr int kDhanu = 8;
constexpr int kMakara = 9;
constexpr int kKumbha = 10;
constexpr int kMeena = 11;

int Wrapped(int sign) { return ((sign % kSignCount) + kSignCount) % kSignCount; }

// Odd signs in the texts' counting (Mesha is the first) are the even
// numbers here.
bool IsOdd(int sign) { return sign % 2 == 0; }

// Movable (chara), fixed (sthira) and dual (dvisvabhava) signs repeat in
// that order from Mesha.
enum class Quality { Movable, Fixed, Dual };
Quality QualityOf(int sign) { return static_cast<Quality>(sign % 3); }

int ByQuality(int sign, int movable, int fixed, int dual) {
    switch (QualityOf(sign)) {
        case Quality::Movable:
            return movable;
        case Quality::Fixed:
            return fixed;
        case Quality::Dual:
            break;
    }
    return dual;
}

// The Parashari trimsamsa: unequal parts ruled by the five star planets.
// Source: Brihat Parashara Hora Shastra, the chapter on the sixteen
// divisions: in odd signs 5, 5, 8, 7, 5 degrees to Mars, Saturn, Jupiter,
// Mercury and Venus; in even signs the reverse, 5, 7, 8, 5, 5 to Venus,
// Mercury, Jupiter, Saturn and Mars. Each part goes to its ruler's sign of
// the same parity: Mesha, Kumbha, Dhanu, Mithuna, Tula for odd signs and
// Vrishabha, Kanya, Meena, Makara, Vrishchika for even ones. (The cyclic
// trimsamsa of 1 degree parts counted from the sign, met in some later
// works, is not used.) Units: degrees within the sign, upper bounds.
struct TrimsamsaPart {
    double endDegrees;
    int sign;
};
constexpr auto kOddTrimsamsa = std::to_array<TrimsamsaPart>({
    {5.0, kMesha},
    {10.0, kKumbha},
    {18.0, kDhanu},
    {25.0, kMithuna},
    {30.0, kTula},
});
constexpr auto kEvenTrimsamsa = std::to_array<TrimsamsaPart>({
    {5.0, kVrishabha},
    {12.0, kKanya},
    {20.0, kMeena},
    {25.0, kMakara},
    {30.0, kVrishchika},
});

int Trimsamsa(int sign, double degreeInSign) {
    const auto& parts = IsOdd(sign) ? kOddTrimsamsa : kEvenTrimsamsa;
    for (const TrimsamsaPart& part : parts) {
        if (degreeInSign < part.endDegrees) return part.sign;
    }
    return parts.back().sign;
}

}  // namespace

// Each rule below counts `part` (0 for the first part of the sign) onwards
// from a starting sign. Source of every rule: Brihat Parashara Hora Shastra,
// the chapter on the sixteen divisions (shodasavarga); where later texts
// differ, the variant chosen is named.
int VargaSign(int division, double longitudeDegrees) {
    double longitude = std::fmod(longitudeDegrees, kDegreesPerTurn);
    if (longitude < 0.0) longitude += kDegreesPerTurn;
    const int sign = std::min(static_cast<int>(longitude / kSignWidthDegrees), kSignCount - 1);
    const double degreeInSign = longitude - sign * kSignWidthDegrees;
    const int part = std::min(static_cast<int>(degreeInSign * division / kSignWidthDegrees), division - 1);
    switch (division) {
        case 1:  // Rasi: the sign itself.
            return sign;
        case 2:  // Hora, Parashara's: the Sun's hora (Simha) and the Moon's
                 // (Karka); odd signs begin with the Sun's, even signs with
                 // the Moon's. (Not the cyclic hora counted from the sign.)
            return (part == 0) == IsOdd(sign) ? kSimha : kKarka;
        case 3:  // Drekkana, Parashara's: the sign, its 5th, its 9th.
            return Wrapped(sign + part * 4);
        case 4:  // Chaturthamsa: the sign, its 4th, 7th and 10th.
            return Wrapped(sign + part * 3);
        case 7:  // Saptamsa: odd signs from the sign, even signs from its 7th.
            return Wrapped((IsOdd(sign) ? sign : sign + 6) + part);
        case 9:  // Navamsa: fiery signs from Mesha, earthy from Makara, airy
                 // from Tula, watery from Karka; the same as counting the
                 // ninths on from Mesha without a break.
            return Wrapped(sign * 9 + part);
        case 10:  // Dasamsa: odd signs from the sign, even from its 9th.
            return Wrapped((IsOdd(sign) ? sign : sign + 8) + part);
        case 12:  // Dwadasamsa: from the sign itself.
            return Wrapped(sign + part);
        case 16:  // Shodasamsa: movable from Mesha, fixed from Simha, dual from Dhanu.
            return Wrapped(ByQuality(sign, kMesha, kSimha, kDhanu) + part);
        case 20:  // Vimsamsa: movable from Mesha, fixed from Dhanu, dual from Simha.
            return Wrapped(ByQuality(sign, kMesha, kDhanu, kSimha) + part);
        case 24:  // Chaturvimsamsa: odd signs from Simha, even from Karka.
            return Wrapped((IsOdd(sign) ? kSimha : kKarka) + part);
        case 27:  // Saptavimsamsa (bhamsa): fiery from Mesha, earthy from
                  // Karka, airy from Tula, watery from Makara; the same as
                  // counting on from Mesha without a break.
            return Wrapped(sign * 27 + part);
        case 30:  // Trimsamsa: the unequal parts of the table above.
            return Trimsamsa(sign, degreeInSign);
        case 40:  // Khavedamsa: odd signs from Mesha, even from Tula.
            return Wrapped((IsOdd(sign) ? kMesha : kTula) + part);
        case 45:  // Akshavedamsa: movable from Mesha, fixed from Simha, dual from Dhanu.
            return Wrapped(ByQuality(sign, kMesha, kSimha, kDhanu) + part);
        case 60:  // Shashtiamsa: from the sign itself (twice the degrees,
                  // the remainder by 12, counted from the sign).
            return Wrapped(sign + part);
        default:
            break;
    }
    return -1;
}

}  // namespace zorvane
