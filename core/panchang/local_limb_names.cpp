#include "core/panchang/local_limb_names.h"

#include <cstddef>
#include <string_view>

#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/panchang/yoga_names.h"
#include "core/sky/graha_names.h"
#include "core/text/name_row.h"
#include "core/text/names_hi.h"

namespace zorvane {

namespace {

// Each Hindi table has a row for every English one.
static_assert(kTithiNamesHi.size() == kTithiNames.size());
static_assert(kMovableKaranaNamesHi.size() == kMovableKaranaNames.size());
static_assert(kLastKaranaNamesHi.size() == kLastKaranaNames.size());
static_assert(kWeekdayNamesHi.size() == kWeekdayNames.size());
static_assert(kSignNamesHi.size() == kSignNames.size());
static_assert(kNakshatraNamesHi.size() == NakshatraNames.size());
static_assert(kYogaNamesHi.size() == YogaNames.size());
static_assert(kGrahaNamesHi.size() == kGrahaNames.size());

constexpr int kTimesEachMovableKarana = 8;  // each of the seven comes eight times a month

bool InHindi(Language language) { return language == Language::Hindi; }

}  // namespace

std::string TithiAloneText(int tithi, Language language) {
    if (!InHindi(language)) return std::string(TithiName(tithi));
    if (tithi == kTithiCount) return std::string(kAmavasyaHi);
    return NameInRow(kTithiNamesHi, (tithi - 1) % kTithisPerPaksha);
}

std::string PakshaText(bool krishna, Language language) {
    if (!InHindi(language)) return std::string(krishna ? kKrishnaPaksha : kShuklaPaksha);
    return std::string(krishna ? kKrishnaPakshaHi : kShuklaPakshaHi);
}

std::string TithiText(int tithiIndex, Language language) {
    const int tithi = tithiIndex + 1;
    return PakshaText(tithi > kTithisPerPaksha, language) + " " + TithiAloneText(tithi, language);
}

std::string KaranaText(int karana, Language language) {
    if (!InHindi(language)) return std::string(KaranaName(karana));
    if (karana == 1) return std::string(kFirstKaranaNameHi);
    const int movable = karana - 2;
    const auto movableCount = static_cast<int>(kMovableKaranaNamesHi.size());
    if (movable < kTimesEachMovableKarana * movableCount) return NameInRow(kMovableKaranaNamesHi, movable % movableCount);
    return NameInRow(kLastKaranaNamesHi, movable - kTimesEachMovableKarana * movableCount);
}

std::string VaraText(int weekday, Language language) {
    return InHindi(language) ? NameInRow(kWeekdayNamesHi, weekday) : NameInRow(kWeekdayNames, weekday);
}

std::string SignText(int sign, Language language) {
    return InHindi(language) ? NameInRow(kSignNamesHi, sign) : NameInRow(kSignNames, sign);
}

std::string NakshatraText(int nakshatraIndex, Language language) {
    return InHindi(language) ? NameInRow(kNakshatraNamesHi, nakshatraIndex) : NameInRow(NakshatraNames, nakshatraIndex);
}

std::string YogaText(int yogaIndex, Language language) {
    return InHindi(language) ? NameInRow(kYogaNamesHi, yogaIndex) : NameInRow(YogaNames, yogaIndex);
}

std::string GrahaText(int graha, Language language) {
    return InHindi(language) ? NameInRow(kGrahaNamesHi, graha) : NameInRow(kGrahaNames, graha);
}

}  // namespace zorvane
