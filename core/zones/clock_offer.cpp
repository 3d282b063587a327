#include "core/zones/clock_offer.h"

#include <algorithm>

#include "core/zones/zone_offset_text.h"

namespace zorvane {

namespace {
constexpr int kSecondsPerMinute = 60;

ClockStandardOption ChangeOption(std::string_view key, std::string_view name, int offsetSeconds) {
    return {ClockStandard::TzDatabase, key, name, offsetSeconds, "at the change of the clocks",
            "the zone's history", "tz database"};
}
}  // namespace

ClockOffer ClockOfferAt(const QByteArray& zoneId, QDate date, QTime clockTime, double latitudeDegrees,
                        double longitudeDegrees) {
    ClockOffer offer;
    offer.zone = ZoneAt(zoneId, date, clockTime);
    if (!offer.zone.known) return offer;
    const int tzSeconds = offer.zone.offsetMinutes * kSecondsPerMinute;
    offer.change = ClockChangeAt(zoneId, date, clockTime)
                       .value_or(ClockChange{ClockTimeAtChange::Ordinary, tzSeconds, tzSeconds});
    const std::string id = zoneId.toStdString();
    offer.standards = ClockStandardsAt({id, latitudeDegrees, longitudeDegrees, date.year(), tzSeconds});
    return offer;
}

std::vector<ClockChoiceRow> ClockChoiceRows(const ClockOffer& offer) {
    std::vector<ClockChoiceRow> rows;
    if (!offer.zone.known) return rows;
    if (offer.change.kind != ClockTimeAtChange::Ordinary) {
        const bool skipped = offer.change.kind == ClockTimeAtChange::Skipped;
        rows.push_back({{RepeatedChoice::Earlier, ClockStandard::TzDatabase},
                        ChangeOption("earlier", skipped ? "Offset before the change" : "Earlier (first) time",
                                     offer.change.offsetBeforeSeconds)});
        rows.push_back({{RepeatedChoice::Later, ClockStandard::TzDatabase},
                        ChangeOption("later", skipped ? "Offset after the change" : "Later (second) time",
                                     offer.change.offsetAfterSeconds)});
    }
    for (const ClockStandardOption& option : offer.standards) {
        if (option.standard == ClockStandard::TzDatabase && !rows.empty()) continue;
        rows.push_back({{RepeatedChoice::Earlier, option.standard}, option});
    }
    return rows;
}

AppliedClock ApplyClockSelection(const ClockOffer& offer, const ClockSelection& selection,
                                 std::string_view clockText, std::string_view dateText,
                                 const Wording& wording) {
    AppliedClock applied;
    if (!offer.zone.known) return applied;
    applied.known = true;
    applied.zone = offer.zone;
    const int tzSeconds = offer.zone.offsetMinutes * kSecondsPerMinute;
    applied.offsetSeconds = tzSeconds;

    const auto standard = std::find_if(offer.standards.begin(), offer.standards.end(),
                                       [&selection](const ClockStandardOption& option) {
                                           return option.standard == selection.standard;
                                       });
    if (selection.standard != ClockStandard::TzDatabase && standard != offer.standards.end()) {
        applied.standard = *standard;
        applied.offsetSeconds = standard->offsetSeconds;
        applied.zone.offsetMinutes = RoundToMinutes(standard->offsetSeconds);
        applied.zone.standardOffsetMinutes = applied.zone.offsetMinutes;
        applied.zone.clockTime = ClockTimeAtChange::Ordinary;
        applied.note = StandardClockNote(*standard, tzSeconds, wording);
        return applied;
    }
    if (offer.change.kind != ClockTimeAtChange::Ordinary) {
        applied.offsetSeconds = ChosenOffsetSeconds(offer.change, selection.repeated);
        applied.zone.offsetMinutes = RoundToMinutes(applied.offsetSeconds);
        applied.note = ClockNote(offer.change, selection.repeated, clockText, dateText, wording);
    } else if (!offer.standards.empty()) {
        applied.note = TzDatabaseClockNote(tzSeconds, wording);
    }
    return applied;
}

std::string StandardClockNote(const ClockStandardOption& option, int tzSeconds, const Wording& wording) {
    return wording.SayWith("read on %1 (%2, %3, %4) instead of the tz database's %5; source: %6",
                           {wording.Say(option.name), SignedOffsetText(option.offsetSeconds), wording.Say(option.where),
                            WordedYears(option.years, wording),
                            SignedOffsetText(tzSeconds), option.source});
}

std::string TzDatabaseClockNote(int tzSeconds, const Wording& wording) {
    return wording.SayWith("the tz database's %1 applied; before 1956 a time here may have been read from another clock",
                           {SignedOffsetText(tzSeconds)});
}

std::string_view RepeatedChoiceKey(RepeatedChoice choice) {
    return choice == RepeatedChoice::Later ? "later" : "earlier";
}

std::string_view ClockStandardKey(ClockStandard standard) {
    for (const ClockStandardRow& row : kClockStandards) {
        if (row.standard == standard) return row.key;
    }
    return "tz";
}

std::optional<ClockStandard> ClockStandardOfKey(std::string_view key) {
    const ClockStandardRow* row = FindClockStandard(key);
    if (row == nullptr) return std::nullopt;
    return row->standard;
}

}  // namespace zorvane
