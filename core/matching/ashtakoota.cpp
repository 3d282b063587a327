#include "core/matching/ashtakoota.h"

#include <cstddef>

#include "core/format/local_names.h"
#include "core/matching/match_tables.h"
#include "core/matching/worded_text.h"

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

// The name of a class (varna, yoni, gana, ...) as the wording words it.
std::string Name(std::string_view name, const Wording& wording) { return wording.Say(name); }

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

std::string Holds(bool holds, const Wording& wording) {
    return wording.Say(holds ? " (holds for this pair)" : " (does not hold here)");
}

std::string TaraText(int tara, const Wording& wording) {
    return Name(At(kTaraNames, tara - 1), wording) + " (" + std::to_string(tara) + ")";
}

std::string YoniText(const Star& star, const Wording& wording) {
    const StarYoni yoni = At(kStarYoni, star.nakshatra);
    return wording.SayWith(yoni.male ? "%1 (male)" : "%1 (female)", {Name(At(kYoniNames, yoni.yoni), wording)});
}

std::string LordText(Graha graha, const Wording& wording) {
    return GrahaText(static_cast<int>(graha), wording.language);
}

}  // namespace

int TaraOf(int fromNakshatra, int toNakshatra) {
    const int count = (toNakshatra - fromNakshatra + kNakshatras) % kNakshatras + 1;
    const int remainder = count % kTaraCount;
    return remainder == 0 ? kTaraCount : remainder;
}

int SignCount(int fromSign, int toSign) { return (toSign - fromSign + kSigns) % kSigns + 1; }

Ashtakoota MatchAshtakoota(const Star& bride, const Star& groom, const Wording& wording) {
    Ashtakoota out;
    const int brideSign = SignOfStar(bride);
    const int groomSign = SignOfStar(groom);

    const Varna brideVarna = At(kSignVarna, brideSign);
    const Varna groomVarna = At(kSignVarna, groomSign);
    out.kootas[0] = {"Varna", groomVarna >= brideVarna ? 1.0 : 0.0, kVarnaMax,
                     {Name(At(kVarnaNames, brideVarna), wording), Name(At(kVarnaNames, groomVarna), wording)},
                     "temperament and work; the groom's varna at or above the bride's"};

    const VashyaClass brideVashya = VashyaOf(bride);
    const VashyaClass groomVashya = VashyaOf(groom);
    out.kootas[1] = {"Vashya", At(At(kVashyaPoints, brideVashya), groomVashya), kVashyaMax,
                     {Name(At(kVashyaNames, brideVashya), wording), Name(At(kVashyaNames, groomVashya), wording)},
                     "mutual attraction and give and take"};

    const int taraToGroom = TaraOf(bride.nakshatra, groom.nakshatra);
    const int taraToBride = TaraOf(groom.nakshatra, bride.nakshatra);
    out.kootas[2] = {"Tara",
                     (Unfavourable(taraToGroom) ? 0 : kTaraPointsEachWay) +
                         (Unfavourable(taraToBride) ? 0 : kTaraPointsEachWay),
                     kTaraMax,
                     {TaraText(taraToBride, wording), TaraText(taraToGroom, wording)},
                     "health and fortune, each star counted from the other"};

    const Yoni brideYoni = At(kStarYoni, bride.nakshatra).yoni;
    const Yoni groomYoni = At(kStarYoni, groom.nakshatra).yoni;
    out.kootas[3] = {"Yoni", static_cast<double>(At(At(kYoniPoints, brideYoni), groomYoni)), kYoniMax,
                     {YoniText(bride, wording), YoniText(groom, wording)}, "physical and intimate accord"};

    const Graha brideLord = At(kSignLord, brideSign);
    const Graha groomLord = At(kSignLord, groomSign);
    out.kootas[4] = {"Graha Maitri", MaitriPoints(brideLord, groomLord), kMaitriMax,
                     {LordText(brideLord, wording), LordText(groomLord, wording)},
                     "friendship of the Moon signs' lords: accord of minds"};

    const Gana brideGana = At(kStarGana, bride.nakshatra);
    const Gana groomGana = At(kStarGana, groom.nakshatra);
    out.kootas[5] = {"Gana", At(At(kGanaPoints, groomGana), brideGana), kGanaMax,
                     {Name(At(kGanaNames, brideGana), wording), Name(At(kGanaNames, groomGana), wording)}, "nature and temperament"};

    const int groomFromBride = SignCount(brideSign, groomSign);
    const int brideFromGroom = SignCount(groomSign, brideSign);
    const bool bhakootDosha = groomFromBride == 2 || groomFromBride == 12 || groomFromBride == 5 ||
                              groomFromBride == 9 || groomFromBride == 6 || groomFromBride == 8;
    out.kootas[6] = {"Bhakoot", bhakootDosha ? 0.0 : kBhakootPoints, kBhakootPoints,
                     {SignText(brideSign, wording.language), SignText(groomSign, wording.language)},
                     "welfare of the family, from the Moon signs' distance"};

    const Nadi brideNadi = At(kStarNadi, bride.nakshatra);
    const Nadi groomNadi = At(kStarNadi, groom.nakshatra);
    const bool nadiDosha = brideNadi == groomNadi;
    out.kootas[7] = {"Nadi", nadiDosha ? 0.0 : kNadiPoints, kNadiPoints,
                     {Name(At(kNadiNames, brideNadi), wording), Name(At(kNadiNames, groomNadi), wording)}, "health and children"};

    for (const Koota& koota : out.kootas) out.total += koota.points;

    const bool lordsAgree = LordsAgree(brideSign, groomSign);
    // A classical cancellation and whether it holds for this pair.
    const auto note = [&wording](std::string_view condition, bool holds) {
        return wording.Say(condition) + Holds(holds, wording);
    };
    if (nadiDosha) {
        const bool sameStar = bride.nakshatra == groom.nakshatra;
        out.doshas.push_back(
            {"Nadi dosha",
             wording.SayWith("both births are of %1 nadi", {Name(At(kNadiNames, brideNadi), wording)}),
             {note("cancelled by some texts when the star is one and the padas differ",
                   sameStar && bride.pada != groom.pada),
              note("cancelled by some texts when the sign is one and the stars differ", brideSign == groomSign && !sameStar),
              note("cancelled by some texts when the star is one and the signs differ", sameStar && brideSign != groomSign),
              note("softened by some texts when the Moon signs' lords are one or friends", lordsAgree)}});
    }
    if (bhakootDosha) {
        out.doshas.push_back(
            {"Bhakoot dosha",
             wording.SayWith("the Moon signs are %1/%2 from each other",
                    {std::to_string(groomFromBride), std::to_string(brideFromGroom)}),
             {note("cancelled by some texts when the two signs have one lord", brideLord == groomLord),
              note("cancelled by some texts when the signs' lords are friends of each other", lordsAgree),
              note("cancelled by some texts when the nadis differ", !nadiDosha)}});
    }
    const bool ganaDosha = (brideGana == Gana::Rakshasa) != (groomGana == Gana::Rakshasa);
    if (ganaDosha) {
        out.doshas.push_back(
            {"Gana dosha",
             wording.SayWith("a %1 birth with a %2 one",
                    {Name(At(kGanaNames, Gana::Rakshasa), wording),
                     Name(At(kGanaNames, brideGana == Gana::Rakshasa ? groomGana : brideGana), wording)}),
             {note("cancelled by some texts when the Moon signs' lords are one or friends", lordsAgree),
              note("cancelled by some texts when bhakoot is free of dosha", !bhakootDosha),
              note("cancelled by some texts when the groom's star is beyond the 14th from the bride's",
                   (groom.nakshatra - bride.nakshatra + kNakshatras) % kNakshatras + 1 > kGanaDoshaBeyondCount)}});
    }
    return out;
}

}  // namespace zorvane
