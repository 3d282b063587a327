#include "core/calendar/day_names.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/calendar/calendar_names.h"
#include "core/calendar/day_calendar.h"
#include "core/panchang/local_limb_names.h"
#include "core/panchang/period_tables.h"
#include "core/sky/graha_names.h"
#include "core/text/calendar_names_hi.h"
#include "core/text/name_row.h"
#include "core/text/names_hi.h"

namespace zorvane::day_names {

namespace {

// Each Hindi table has a row for every English one.
static_assert(kLunarMonthNamesHi.size() == kLunarMonthNames.size());
static_assert(kRituNamesHi.size() == kRituNames.size());
static_assert(kSamvatsaraNamesHi.size() == kSamvatsaraNames.size());
static_assert(kChoghadiyaNamesHi.size() == kChoghadiyaNames.size());

template <typename English, typename Hindi>
std::string Either(const English& english, const Hindi& hindi, int index, Language language) {
    return language == Language::Hindi ? NameInRow(hindi, index) : NameInRow(english, index);
}

// The row of a name in an English table, or -1.
template <typename Table>
int RowOf(const Table& table, std::string_view name) {
    const auto* found = std::find(table.begin(), table.end(), name);
    return found == table.end() ? -1 : static_cast<int>(found - table.begin());
}

}  // namespace

std::string PakshaMark(bool krishna, Language language) {
    if (language != Language::Hindi) return PakshaText(krishna, language).substr(0, 1);
    return krishna ? "कृ" : "शु";
}

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
    if (const int row = RowOf(kChoghadiyaNames, english); row >= 0) return NameInRow(kChoghadiyaNamesHi, row);
    if (const int row = RowOf(kGrahaNames, english); row >= 0) return GrahaText(row, language);
    return std::string(english);
}

std::string MonthTitle(int nameIndex, bool adhika, const Wording& wording) {
    return LunarMonth(nameIndex, wording.language) + (adhika ? " (" + wording.Say("adhika") + ")" : "");
}

std::string EventTitle(const CalendarEvent& event, const Wording& wording) {
    const Language language = wording.language;
    if (language != Language::Hindi) return event.title;
    switch (event.kind) {
        case CalendarEventKind::Ekadashi: return TithiText(event.number - 1, language);
        case CalendarEventKind::Purnima:
        case CalendarEventKind::Amavasya: return TithiAloneText(event.number, language);
        case CalendarEventKind::Sankranti: return SignText(event.number, language) + " " + wording.Say("Sankranti");
        case CalendarEventKind::MonthStart:
            return wording.SayWith("%1 begins", {LunarMonth(event.number, language)}) +
                   (event.adhika ? " (" + wording.Say("adhika") + ")" : "");
    }
    return event.title;
}

}  // namespace zorvane::day_names
