#include "core/matching/porutham.h"

#include <algorithm>
#include <cstddef>

#include "core/matching/ashtakoota.h"
#include "core/format/local_names.h"
#include "core/matching/match_tables.h"
#include "core/matching/worded_text.h"

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

// The name of a class (gana, yoni, rajju, relation) as the wording words it.
std::string Name(std::string_view name, const Wording& wording) { return wording.Say(name); }

std::string LordText(Graha graha, const Wording& wording) {
    return GrahaText(static_cast<int>(graha), wording.language);
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

std::array<Porutham, kPoruthamCount> MatchPorutham(const Star& bride, const Star& groom, const Wording& wording) {
    std::array<Porutham, kPoruthamCount> out;
    const int count = (groom.nakshatra - bride.nakshatra + kNakshatras) % kNakshatras + 1;
    const std::string countText =
        wording.SayWith("the groom's star is the %1 from the bride's", {Ordinal(count, wording)});
    const auto both = [&wording](std::string one, std::string other) {
        return wording.SayWith("%1 and %2", {std::move(one), std::move(other)});
    };
    const Language language = wording.language;
    const int brideSign = SignOfStar(bride);
    const int groomSign = SignOfStar(groom);

    const bool dina =
        std::find(kDinaRemainders.begin(), kDinaRemainders.end(), count % kTaraCount) != kDinaRemainders.end();
    out[0] = {"Dina", dina,
              countText + wording.Say(dina ? ": 2, 4, 6, 8 or 9 by nines" : ": not 2, 4, 6, 8 or 9 by nines")};

    const Gana brideGana = At(kStarGana, bride.nakshatra);
    const Gana groomGana = At(kStarGana, groom.nakshatra);
    const bool gana = (brideGana == Gana::Rakshasa) == (groomGana == Gana::Rakshasa);
    out[1] = {"Gana", gana,
              both(Name(At(kGanaNames, brideGana), wording), Name(At(kGanaNames, groomGana), wording)) +
                  wording.Say(gana ? ": one gana, or Deva with Manushya" : ": Rakshasa with another gana")};

    const bool mahendra =
        std::find(kMahendraCounts.begin(), kMahendraCounts.end(), count) != kMahendraCounts.end();
    out[2] = {"Mahendra", mahendra,
              countText + wording.Say(mahendra ? ": 4, 7, 10, 13, 16, 19, 22 or 25"
                                               : ": not 4, 7, 10, 13, 16, 19, 22 or 25")};

    const bool streeDeergha = count > kStreeDeerghaBeyond;
    out[3] = {"Stree Deergha", streeDeergha,
              countText + wording.Say(streeDeergha ? ": beyond the 13th" : ": not beyond the 13th")};

    const Yoni brideYoni = At(kStarYoni, bride.nakshatra).yoni;
    const Yoni groomYoni = At(kStarYoni, groom.nakshatra).yoni;
    const bool yoni = At(At(kYoniPoints, brideYoni), groomYoni) > 0;
    out[4] = {"Yoni", yoni,
              both(Name(At(kYoniNames, brideYoni), wording), Name(At(kYoniNames, groomYoni), wording)) +
                  wording.Say(yoni ? ": not enemies" : ": sworn enemies")};

    const int signCount = SignCount(brideSign, groomSign);
    const bool rasi = signCount == 1 || signCount > kRasiBeyond;
    out[5] = {"Rasi", rasi,
              wording.SayWith("%1 is the %2 sign from %3",
                     {SignText(groomSign, language), Ordinal(signCount, wording), SignText(brideSign, language)}) +
                  wording.Say(rasi ? ": the same sign or beyond the 6th" : ": 2nd to 6th")};

    const Graha brideLord = At(kSignLord, brideSign);
    const Graha groomLord = At(kSignLord, groomSign);
    const Relation brideToGroom = At(At(kNaturalRelation, brideLord), groomLord);
    const Relation groomToBride = At(At(kNaturalRelation, groomLord), brideLord);
    const bool lords = brideLord == groomLord || (brideToGroom != Relation::Enemy && groomToBride != Relation::Enemy);
    out[6] = {"Rasyadhipati", lords,
              brideLord == groomLord
                  ? wording.SayWith("both signs are ruled by %1", {LordText(brideLord, wording)})
                  : wording.SayWith("%1 holds %2 %3, %4 holds %5 %6",
                           {LordText(brideLord, wording), LordText(groomLord, wording),
                            Name(RelationWord(brideToGroom), wording), LordText(groomLord, wording),
                            LordText(brideLord, wording), Name(RelationWord(groomToBride), wording)}) +
                        wording.Say(lords ? ": no enmity" : ": enmity")};

    const bool vasya = IsVasya(brideSign, groomSign) || IsVasya(groomSign, brideSign);
    out[7] = {"Vasya", vasya,
              both(SignText(brideSign, language), SignText(groomSign, language)) +
                  wording.Say(vasya ? ": one sign is vasya to the other" : ": neither sign is vasya to the other")};

    const Rajju brideRajju = At(kStarRajju, bride.nakshatra);
    const Rajju groomRajju = At(kStarRajju, groom.nakshatra);
    const bool rajju = brideRajju != groomRajju;
    out[8] = {"Rajju", rajju,
              rajju ? wording.SayWith("%1 and %2 rajju",
                             {Name(At(kRajjuNames, brideRajju), wording), Name(At(kRajjuNames, groomRajju), wording)})
                    : wording.SayWith("both stars are of %1 rajju", {Name(At(kRajjuNames, brideRajju), wording)})};

    const bool vedha = !InVedha(bride.nakshatra, groom.nakshatra);
    out[9] = {"Vedha", vedha,
              wording.Say(vedha ? "the stars do not obstruct each other" : "the stars obstruct each other")};
    return out;
}

}  // namespace zorvane
