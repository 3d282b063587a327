#include "core/format/local_names.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "core/calendar/calendar_names.h"
#include "core/dasha/dasha_lords.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/panchang/yoga_names.h"
#include "core/chart/vargas.h"
#include "core/sky/graha_names.h"
#include "core/text/names_hi.h"

namespace zorvane {

namespace {

// Each Hindi table has a row for every English one.
static_assert(kTithiNamesHi.size() == kTithiNames.size());
static_assert(kMovableKaranaNamesHi.size() == kMovableKaranaNames.size());
static_assert(kLastKaranaNamesHi.size() == kLastKaranaNames.size());
static_assert(kWeekdayNamesHi.size() == kWeekdayNames.size());
static_assert(kSignNamesHi.size() == kSignNames.size());
static_assert(kNakshatraLordsHi.size() == kNakshatraLords.size());
static_assert(kNakshatraNamesHi.size() == NakshatraNames.size());
static_assert(kYogaNamesHi.size() == YogaNames.size());
static_assert(kLunarMonthNamesHi.size() == kLunarMonthNames.size());
static_assert(kDashaLords.size() == kNakshatraLordsHi.size());
static_assert(kGrahaNamesHi.size() == kGrahaNames.size());
static_assert(kVargaNamesHi.size() == kVargas.size());

constexpr int kCivilMonthCount = 12;
static_assert(kCivilMonthNamesHi.size() == kCivilMonthCount);
constexpr auto kCivilMonthNames = std::to_array<std::string_view>({
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
});

template <typename Table>
std::string Row(const Table& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return "?";
    return std::string(table[static_cast<std::size_t>(index)]);
}

bool InHindi(Language language) { return language == Language::Hindi; }

}  // namespace

std::string TithiText(int tithiIndex, Language language) {
    const int tithi = tithiIndex + 1;
    if (!InHindi(language)) return std::string(PakshaName(tithi)) + " " + std::string(TithiName(tithi));
    const std::string_view paksha = tithi <= kTithisPerPaksha ? kShuklaPakshaHi : kKrishnaPakshaHi;
    const std::string name = tithi == kTithiCount ? std::string(kAmavasyaHi)
                                                  : Row(kTithiNamesHi, (tithi - 1) % kTithisPerPaksha);
    return std::string(paksha) + " " + name;
}

std::string KaranaText(int karana, Language language) {
    if (!InHindi(language)) return std::string(KaranaName(karana));
    if (karana == 1) return std::string(kFirstKaranaNameHi);
    const int movable = karana - 2;
    const int movableSpan = 8 * static_cast<int>(kMovableKaranaNamesHi.size());
    if (movable < movableSpan) {
        return Row(kMovableKaranaNamesHi, movable % static_cast<int>(kMovableKaranaNamesHi.size()));
    }
    return Row(kLastKaranaNamesHi, movable - movableSpan);
}

std::string VaraText(int weekday, Language language) {
    return InHindi(language) ? Row(kWeekdayNamesHi, weekday) : Row(kWeekdayNames, weekday);
}

std::string SignText(int sign, Language language) {
    return InHindi(language) ? Row(kSignNamesHi, sign) : Row(kSignNames, sign);
}

std::string NakshatraText(int nakshatraIndex, Language language) {
    return InHindi(language) ? Row(kNakshatraNamesHi, nakshatraIndex) : Row(NakshatraNames, nakshatraIndex);
}

std::string YogaText(int yogaIndex, Language language) {
    return InHindi(language) ? Row(kYogaNamesHi, yogaIndex) : Row(YogaNames, yogaIndex);
}

std::string LordText(int lord, Language language) {
    return InHindi(language) ? Row(kNakshatraLordsHi, lord) : Row(kNakshatraLords, lord);
}

std::string GrahaText(int graha, Language language) {
    return InHindi(language) ? Row(kGrahaNamesHi, graha) : Row(kGrahaNames, graha);
}

std::string LagnaText(Language language) {
    return std::string(InHindi(language) ? kLagnaNameHi : std::string_view("Lagna"));
}

std::string RetrogradeText(Language language) {
    return std::string(InHindi(language) ? kRetrogradeMarkHi : std::string_view("R"));
}

std::string VargaText(int vargaIndex, Language language) {
    if (InHindi(language)) return Row(kVargaNamesHi, vargaIndex);
    if (vargaIndex < 0 || static_cast<std::size_t>(vargaIndex) >= kVargas.size()) return "?";
    return std::string(kVargas[static_cast<std::size_t>(vargaIndex)].name);
}

std::string CivilMonthText(int month, Language language) {
    return InHindi(language) ? Row(kCivilMonthNamesHi, month - 1) : Row(kCivilMonthNames, month - 1);
}

std::string LunarMonthText(int month, Language language) {
    return InHindi(language) ? Row(kLunarMonthNamesHi, month) : Row(kLunarMonthNames, month);
}

}  // namespace zorvane
