#include "core/matching/ashtakoota.h"

#include <cstddef>

#include "core/matching/match_tables.h"
#include "core/panchang/limb_names.h"

namespace zorvane {

namespace {

using namespace matching;

constexpr double kTaraPointsEachWay = 1.5;
constexpr double kBhakootPoints = 7.0;
constexpr double kNadiPoints = 8.0;
constexpr int kVarnaMax = 1;
constexpr int kVashyaMax = 2;
constexpr int kTaraMax = 3;
constexpr int kYoniMax = 4;
constexpr int kMaitriMax = 5;
constexpr int kGanaMax = 6;
constexpr double kSignMiddleDegrees = 15.0;
constexpr double kPadaDegrees = 10.0 / 3.0;
constexpr double kSignDegrees = 30.0;
// Gana dosha is held lighter by some when the groom's star is beyond this
// count from the bride's.
constexpr int kGanaDoshaBeyondCount = 14;

template <typename Table, typename Index>
constexpr auto At(const Table& table, Index index) {
    return table[static_cast<std::size_t>(index)];
}

std::string Name(std::string_view name) { return std::string(name); }

bool Unfavourable(int tara) { return tara == 3 || tara == 5 || tara == 7; }

VashyaClass VashyaOf(const Star& star) {
    const int sign = SignOfStar(star);
    const double startInSign = PadaIndexOf(star) * kPadaDegrees - sign * kSignDegrees;
    const SignVashya row = At(kSignVashya, sign);
    return startInSign < kSignMiddleDegrees ? row.firstHalf : row.secondHalf;
}

Relation RelationOf(Graha from, Graha to) { return At(At(kNaturalRelation, from), to); }

double MaitriPoints(Graha a, Graha b) {
    if (a == b) return kMaitriMax;
    const Relation ab = RelationOf(a, b);
    const Relation ba = RelationOf(b, a);
    for (const MaitriRule& rule : kMaitriPoints) {
        if ((rule.one == ab && rule.other == ba) || (rule.one == ba && rule.other == ab)) return rule.points;
    }
    return 0;
}

// The lords of the two Moon signs are one graha or friends of each other.
bool LordsAgree(int signA, int signB) {
    const Graha a = At(kSignLord, signA);
    const Graha b = At(kSignLord, signB);
    return a == b || (RelationOf(a, b) == Relation::Friend && RelationOf(b, a) == Relation::Friend);
}

std::string Holds(bool holds) { return holds ? " (holds for this pair)" : " (does not hold here)"; }

std::string TaraText(int tara) { return Name(At(kTaraNames, tara - 1)) + " (" + std::to_string(tara) + ")"; }

std::string YoniText(const Star& star) {
    const StarYoni yoni = At(kStarYoni, star.nakshatra);
    return Name(At(kYoniNames, yoni.yoni)) + (yoni.male ? " (male)" : " (female)");
}

}  // namespace

int TaraOf(int fromNakshatra, int toNakshatra) {
    const int count = (toNakshatra - fromNakshatra + kNakshatras) % kNakshatras + 1;
    const int remainder = count % kTaraCount;
    return remainder == 0 ? kTaraCount : remainder;
}

int SignCount(int fromSign, int toSign) { return (toSign - fromSign + kSigns) % kSigns + 1; }

Ashtakoota MatchAshtakoota(const Star& bride, const Star& groom) {
    Ashtakoota out;
    const int brideSign = SignOfStar(bride);
    const int groomSign = SignOfStar(groom);

    const Varna brideVarna = At(kSignVarna, brideSign);
    const Varna groomVarna = At(kSignVarna, groomSign);
    out.kootas[0] = {"Varna", groomVarna >= brideVarna ? 1.0 : 0.0, kVarnaMax,
                     {Name(At(kVarnaNames, brideVarna)), Name(At(kVarnaNames, groomVarna))},
                     "temperament and work; the groom's varna at or above the bride's"};

    const VashyaClass brideVashya = VashyaOf(bride);
    const VashyaClass groomVashya = VashyaOf(groom);
    out.kootas[1] = {"Vashya", At(At(kVashyaPoints, brideVashya), groomVashya), kVashyaMax,
                     {Name(At(kVashyaNames, brideVashya)), Name(At(kVashyaNames, groomVashya))},
                     "mutual attraction and give and take"};

    const int taraToGroom = TaraOf(bride.nakshatra, groom.nakshatra);
    const int taraToBride = TaraOf(groom.nakshatra, bride.nakshatra);
    out.kootas[2] = {"Tara",
                     (Unfavourable(taraToGroom) ? 0 : kTaraPointsEachWay) +
                         (Unfavourable(taraToBride) ? 0 : kTaraPointsEachWay),
                     kTaraMax,
                     {TaraText(taraToBride), TaraText(taraToGroom)},
                     "health and fortune, each star counted from the other"};

    const Yoni brideYoni = At(kStarYoni, bride.nakshatra).yoni;
    const Yoni groomYoni = At(kStarYoni, groom.nakshatra).yoni;
    out.kootas[3] = {"Yoni", static_cast<double>(At(At(kYoniPoints, brideYoni), groomYoni)), kYoniMax,
                     {YoniText(bride), YoniText(groom)}, "physical and intimate accord"};

    const Graha brideLord = At(kSignLord, brideSign);
    const Graha groomLord = At(kSignLord, groomSign);
    out.kootas[4] = {"Graha Maitri", MaitriPoints(brideLord, groomLord), kMaitriMax,
                     {Name(At(kGrahaNames, brideLord)), Name(At(kGrahaNames, groomLord))},
                     "friendship of the Moon signs' lords: accord of minds"};

    const Gana brideGana = At(kStarGana, bride.nakshatra);
    const Gana groomGana = At(kStarGana, groom.nakshatra);
    out.kootas[5] = {"Gana", At(At(kGanaPoints, groomGana), brideGana), kGanaMax,
                     {Name(At(kGanaNames, brideGana)), Name(At(kGanaNames, groomGana))}, "nature and temperament"};

    const int groomFromBride = SignCount(brideSign, groomSign);
    const int brideFromGroom = SignCount(groomSign, brideSign);
    const bool bhakootDosha = groomFromBride == 2 || groomFromBride == 12 || groomFromBride == 5 ||
                              groomFromBride == 9 || groomFromBride == 6 || groomFromBride == 8;
    out.kootas[6] = {"Bhakoot", bhakootDosha ? 0.0 : kBhakootPoints, kBhakootPoints,
                     {Name(At(kSignNames, brideSign)), Name(At(kSignNames, groomSign))},
                     "welfare of the family, from the Moon signs' distance"};

    const Nadi brideNadi = At(kStarNadi, bride.nakshatra);
    const Nadi groomNadi = At(kStarNadi, groom.nakshatra);
    const bool nadiDosha = brideNadi == groomNadi;
    out.kootas[7] = {"Nadi", nadiDosha ? 0.0 : kNadiPoints, kNadiPoints,
                     {Name(At(kNadiNames, brideNadi)), Name(At(kNadiNames, groomNadi))}, "health and children"};

    for (const Koota& koota : out.kootas) out.total += koota.points;

    const bool lordsAgree = LordsAgree(brideSign, groomSign);
    if (nadiDosha) {
        const bool sameStar = bride.nakshatra == groom.nakshatra;
        out.doshas.push_back(
            {"Nadi dosha",
             "both births are of " + Name(At(kNadiNames, brideNadi)) + " nadi",
             {"cancelled by some texts when the star is one and the padas differ" +
                  Holds(sameStar && bride.pada != groom.pada),
              "cancelled by some texts when the sign is one and the stars differ" +
                  Holds(brideSign == groomSign && !sameStar),
              "cancelled by some texts when the star is one and the signs differ" +
                  Holds(sameStar && brideSign != groomSign),
              "softened by some texts when the Moon signs' lords are one or friends" + Holds(lordsAgree)}});
    }
    if (bhakootDosha) {
        out.doshas.push_back(
            {"Bhakoot dosha",
             "the Moon signs are " + std::to_string(groomFromBride) + "/" + std::to_string(brideFromGroom) +
                 " from each other",
             {"cancelled by some texts when the two signs have one lord" + Holds(brideLord == groomLord),
              "cancelled by some texts when the signs' lords are friends of each other" + Holds(lordsAgree),
              "cancelled by some texts when the nadis differ" + Holds(!nadiDosha)}});
    }
    const bool ganaDosha = (brideGana == Gana::Rakshasa) != (groomGana == Gana::Rakshasa);
    if (ganaDosha) {
        out.doshas.push_back(
            {"Gana dosha",
             "a " + Name(At(kGanaNames, Gana::Rakshasa)) + " birth with a " +
                 Name(At(kGanaNames, brideGana == Gana::Rakshasa ? groomGana : brideGana)) + " one",
             {"cancelled by some texts when the Moon signs' lords are one or friends" + Holds(lordsAgree),
              "cancelled by some texts when bhakoot is free of dosha" + Holds(!bhakootDosha),
              "cancelled by some texts when the groom's star is beyond the 14th from the bride's" +
                  Holds((groom.nakshatra - bride.nakshatra + kNakshatras) % kNakshatras + 1 > kGanaDoshaBeyondCount)}});
    }
    return out;
}

}  // namespace zorvane
