#include "core/matching/porutham.h"

#include <algorithm>
#include <cstddef>

#include "core/matching/ashtakoota.h"
#include "core/matching/match_tables.h"
#include "core/panchang/limb_names.h"

namespace zorvane {

namespace {

using namespace matching;

// Counts from the bride's star that agree for dina (remainders by nines) and
// mahendra, and the count stree deergha asks the groom's star to pass.
constexpr auto kDinaRemainders = std::to_array<int>({2, 4, 6, 8, 0});
constexpr auto kMahendraCounts = std::to_array<int>({4, 7, 10, 13, 16, 19, 22, 25});
constexpr int kStreeDeerghaBeyond = 13;
// Rasi: the groom's sign counted from the bride's agrees when it is the same
// sign or beyond the sixth.
constexpr int kRasiBeyond = 6;

template <typename Table, typename Index>
constexpr auto At(const Table& table, Index index) {
    return table[static_cast<std::size_t>(index)];
}

std::string Name(std::string_view name) { return std::string(name); }

std::string Ordinal(int n) {
    const int lastTwo = n % 100;
    const int last = n % 10;
    const char* suffix = (lastTwo >= 11 && lastTwo <= 13) ? "th"
                         : last == 1                       ? "st"
                         : last == 2                       ? "nd"
                         : last == 3                       ? "rd"
                                                           : "th";
    return std::to_string(n) + suffix;
}

bool IsVasya(int fromSign, int toSign) {
    const std::array<int, 2> row = At(kVasyaSigns, fromSign);
    return row[0] == toSign || row[1] == toSign;
}

bool InVedha(int a, int b) {
    return std::any_of(kVedhaPairs.begin(), kVedhaPairs.end(), [a, b](const std::array<int, 2>& pair) {
        return (pair[0] == a && pair[1] == b) || (pair[0] == b && pair[1] == a);
    });
}

std::string_view RelationWord(Relation relation) {
    switch (relation) {
        case Relation::Friend: return "friend";
        case Relation::Neutral: return "neutral";
        case Relation::Enemy: return "enemy";
    }
    return {};
}

}  // namespace

std::array<Porutham, kPoruthamCount> MatchPorutham(const Star& bride, const Star& groom) {
    std::array<Porutham, kPoruthamCount> out;
    const int count = (groom.nakshatra - bride.nakshatra + kNakshatras) % kNakshatras + 1;
    const std::string countText = "the groom's star is the " + Ordinal(count) + " from the bride's";
    const int brideSign = SignOfStar(bride);
    const int groomSign = SignOfStar(groom);

    const bool dina =
        std::find(kDinaRemainders.begin(), kDinaRemainders.end(), count % kTaraCount) != kDinaRemainders.end();
    out[0] = {"Dina", dina, countText + (dina ? ": 2, 4, 6, 8 or 9 by nines" : ": not 2, 4, 6, 8 or 9 by nines")};

    const Gana brideGana = At(kStarGana, bride.nakshatra);
    const Gana groomGana = At(kStarGana, groom.nakshatra);
    const bool gana = (brideGana == Gana::Rakshasa) == (groomGana == Gana::Rakshasa);
    out[1] = {"Gana", gana,
              Name(At(kGanaNames, brideGana)) + " and " + Name(At(kGanaNames, groomGana)) +
                  (gana ? ": one gana, or Deva with Manushya" : ": Rakshasa with another gana")};

    const bool mahendra =
        std::find(kMahendraCounts.begin(), kMahendraCounts.end(), count) != kMahendraCounts.end();
    out[2] = {"Mahendra", mahendra,
              countText + (mahendra ? ": 4, 7, 10, 13, 16, 19, 22 or 25" : ": not 4, 7, 10, 13, 16, 19, 22 or 25")};

    const bool streeDeergha = count > kStreeDeerghaBeyond;
    out[3] = {"Stree Deergha", streeDeergha,
              countText + (streeDeergha ? ": beyond the 13th" : ": not beyond the 13th")};

    const Yoni brideYoni = At(kStarYoni, bride.nakshatra).yoni;
    const Yoni groomYoni = At(kStarYoni, groom.nakshatra).yoni;
    const bool yoni = At(At(kYoniPoints, brideYoni), groomYoni) > 0;
    out[4] = {"Yoni", yoni,
              Name(At(kYoniNames, brideYoni)) + " and " + Name(At(kYoniNames, groomYoni)) +
                  (yoni ? ": not enemies" : ": sworn enemies")};

    const int signCount = SignCount(brideSign, groomSign);
    const bool rasi = signCount == 1 || signCount > kRasiBeyond;
    out[5] = {"Rasi", rasi,
              Name(At(kSignNames, groomSign)) + " is the " + Ordinal(signCount) + " sign from " +
                  Name(At(kSignNames, brideSign)) + (rasi ? ": the same sign or beyond the 6th" : ": 2nd to 6th")};

    const Graha brideLord = At(kSignLord, brideSign);
    const Graha groomLord = At(kSignLord, groomSign);
    const Relation brideToGroom = At(At(kNaturalRelation, brideLord), groomLord);
    const Relation groomToBride = At(At(kNaturalRelation, groomLord), brideLord);
    const bool lords = brideLord == groomLord || (brideToGroom != Relation::Enemy && groomToBride != Relation::Enemy);
    out[6] = {"Rasyadhipati", lords,
              brideLord == groomLord
                  ? "both signs are ruled by " + Name(At(kGrahaNames, brideLord))
                  : Name(At(kGrahaNames, brideLord)) + " holds " + Name(At(kGrahaNames, groomLord)) + " " +
                        Name(RelationWord(brideToGroom)) + ", " + Name(At(kGrahaNames, groomLord)) + " holds " +
                        Name(At(kGrahaNames, brideLord)) + " " + Name(RelationWord(groomToBride)) +
                        (lords ? ": no enmity" : ": enmity")};

    const bool vasya = IsVasya(brideSign, groomSign) || IsVasya(groomSign, brideSign);
    out[7] = {"Vasya", vasya,
              Name(At(kSignNames, brideSign)) + " and " + Name(At(kSignNames, groomSign)) +
                  (vasya ? ": one sign is vasya to the other" : ": neither sign is vasya to the other")};

    const Rajju brideRajju = At(kStarRajju, bride.nakshatra);
    const Rajju groomRajju = At(kStarRajju, groom.nakshatra);
    const bool rajju = brideRajju != groomRajju;
    out[8] = {"Rajju", rajju,
              rajju ? Name(At(kRajjuNames, brideRajju)) + " and " + Name(At(kRajjuNames, groomRajju)) + " rajju"
                    : "both stars are of " + Name(At(kRajjuNames, brideRajju)) + " rajju"};

    const bool vedha = !InVedha(bride.nakshatra, groom.nakshatra);
    out[9] = {"Vedha", vedha, vedha ? "the stars do not obstruct each other" : "the stars obstruct each other"};
    return out;
}

}  // namespace zorvane
