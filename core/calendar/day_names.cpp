#include "core/calendar/day_names.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/calendar/calendar_names.h"
#include "core/calendar/day_calendar.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/panchang/period_tables.h"
#include "core/panchang/yoga_names.h"
#include "core/sky/graha_names.h"
#include "core/text/calendar_names_hi.h"
#include "core/text/names_hi.h"

namespace zorvane::day_names {

namespace {

// Each Hindi table has a row for every English one.
static_assert(kTithiNamesHi.size() == kTithiNames.size());
static_assert(kMovableKaranaNamesHi.size() == kMovableKaranaNames.size());
static_assert(kLastKaranaNamesHi.size() == kLastKaranaNames.size());
static_assert(kWeekdayNamesHi.size() == kWeekdayNames.size());
static_assert(kSignNamesHi.size() == kSignNames.size());
static_assert(kNakshatraNamesHi.size() == NakshatraNames.size());
static_assert(kYogaNamesHi.size() == YogaNames.size());
static_assert(kLunarMonthNamesHi.size() == kLunarMonthNames.size());
static_assert(kRituNamesHi.size() == kRituNames.size());
static_assert(kSamvatsaraNamesHi.size() == kSamvatsaraNames.size());
static_assert(kChoghadiyaNamesHi.size() == kChoghadiyaNames.size());
static_assert(kGrahaNamesHi.size() == kGrahaNames.size());

constexpr int kFixedKaranaSpan = 8;  // each movable karana comes eight times a month

template <typename Table>
std::string Row(const Table& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return "?";
    return std::string(table[static_cast<std::size_t>(index)]);
}

template <typename English, typename Hindi>
std::string Either(const English& english, const Hindi& hindi, int index, Language language) {
    return language == Language::Hindi ? Row(hindi, index) : Row(english, index);
}

// The row of a name in an English table, or -1.
template <typename Table>
int RowOf(const Table& table, std::string_view name) {
    const auto* found = std::find(table.begin(), table.end(), name);
    return found == table.end() ? -1 : static_cast<int>(found - table.begin());
}

// "%1 begins" with its %1 filled.
std::string Fill(std::string pattern, std::string_view value) {
    if (const std::size_t at = pattern.find("%1"); at != std::string::npos) pattern.replace(at, 2, value);
    return pattern;
}

}  // namespace

std::string TithiAlone(int tithi, Language language) {
    if (language != Language::Hindi) return std::string(TithiName(tithi));
    if (tithi == kTithiCount) return std::string(kAmavasyaHi);
    return Row(kTithiNamesHi, (tithi - 1) % kTithisPerPaksha);
}

std::string Paksha(bool krishna, Language language) {
    if (language != Language::Hindi) return std::string(krishna ? kKrishnaPaksha : kShuklaPaksha);
    return std::string(krishna ? kKrishnaPakshaHi : kShuklaPakshaHi);
}

std::string PakshaMark(bool krishna, Language language) {
    if (language != Language::Hindi) return Paksha(krishna, language).substr(0, 1);
    return krishna ? "कृ" : "शु";
}

std::string Tithi(int tithiIndex, Language language) {
    const int tithi = tithiIndex + 1;
    return Paksha(tithi > kTithisPerPaksha, language) + " " + TithiAlone(tithi, language);
}

std::string Nakshatra(int nakshatraIndex, Language language) {
    return Either(NakshatraNames, kNakshatraNamesHi, nakshatraIndex, language);
}

std::string Yoga(int yogaIndex, Language language) { return Either(YogaNames, kYogaNamesHi, yogaIndex, language); }

std::string Karana(int karana, Language language) {
    if (language != Language::Hindi) return std::string(KaranaName(karana));
    if (karana == 1) return std::string(kFirstKaranaNameHi);
    const int movable = karana - 2;
    const int movableSpan = kFixedKaranaSpan * static_cast<int>(kMovableKaranaNamesHi.size());
    if (movable < movableSpan) {
        return Row(kMovableKaranaNamesHi, movable % static_cast<int>(kMovableKaranaNamesHi.size()));
    }
    return Row(kLastKaranaNamesHi, movable - movableSpan);
}

std::string Vara(int weekday, Language language) { return Either(kWeekdayNames, kWeekdayNamesHi, weekday, language); }

std::string Sign(int sign, Language language) { return Either(kSignNames, kSignNamesHi, sign, language); }

std::string LunarMonth(int nameIndex, Language language) {
    return Either(kLunarMonthNames, kLunarMonthNamesHi, nameIndex, language);
}

std::string Ritu(int rituIndex, Language language) { return Either(kRituNames, kRituNamesHi, rituIndex, language); }

std::string Ayana(bool uttarayana, Language language) {
    if (language != Language::Hindi) return std::string(AyanaName(uttarayana));
    return std::string(uttarayana ? kUttarayanaHi : kDakshinayanaHi);
}

std::string Samvatsara(int samvatsaraIndex, Language language) {
    return Either(kSamvatsaraNames, kSamvatsaraNamesHi, samvatsaraIndex, language);
}

std::string PeriodName(std::string_view english, Language language) {
    if (language != Language::Hindi) return std::string(english);
    if (const int row = RowOf(kChoghadiyaNames, english); row >= 0) return Row(kChoghadiyaNamesHi, row);
    if (const int row = RowOf(kGrahaNames, english); row >= 0) return Row(kGrahaNamesHi, row);
    return std::string(english);
}

std::string MonthTitle(int nameIndex, bool adhika, const Wording& wording) {
    return LunarMonth(nameIndex, wording.language) + (adhika ? " (" + wording.Say("adhika") + ")" : "");
}

std::string EventTitle(const CalendarEvent& event, const Wording& wording) {
    const Language language = wording.language;
    if (language != Language::Hindi) return event.title;
    switch (event.kind) {
        case CalendarEventKind::Ekadashi: return Tithi(event.number - 1, language);
        case CalendarEventKind::Purnima:
        case CalendarEventKind::Amavasya: return TithiAlone(event.number, language);
        case CalendarEventKind::Sankranti: return Sign(event.number, language) + " " + wording.Say("Sankranti");
        case CalendarEventKind::MonthStart:
            return Fill(wording.Say("%1 begins"), LunarMonth(event.number, language)) +
                   (event.adhika ? " (" + wording.Say("adhika") + ")" : "");
    }
    return event.title;
}

}  // namespace zorvane::day_names
