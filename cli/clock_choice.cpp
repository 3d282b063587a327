#include "cli/clock_choice.h"

#include <QDate>
#include <QTime>
#include <cstdlib>
#include <variant>

#include "cli/cli_wording.h"
#include "cli/reading_form_builder.h"
#include "cli/reading_output.h"
#include "core/format/details_text.h"
#include "core/format/reading_at_offset.h"
#include "cli/run_reading.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/panchang/yoga_names.h"
#include "core/reading/applied_zone_of_form.h"
#include "core/zones/atlas_zone.h"
#include "core/zones/clock_change.h"
#include "core/zones/clock_offer.h"
#include "core/zones/clock_standards.h"
#include "core/zones/standard_changes.h"
#include "core/zones/zone_offset_text.h"

namespace zorvane::cli {
namespace {

constexpr int kSecondsPerMinute = 60;

// The fields with the whole offset in the zone boxes and DST unticked.
ReadingFields WithOffset(ReadingFields fields, int offsetSeconds) {
    const ZoneHourMinuteTexts texts = SignedZoneTexts(offsetSeconds);
    fields[InputColumn::ZoneHour] = texts.hour;
    fields[InputColumn::ZoneMinute] = texts.minute;
    fields.zoneSecond = std::abs(offsetSeconds) % kSecondsPerMinute;
    fields[InputColumn::DaylightSaving].assign(1, '0');
    return fields;
}

std::optional<AppliedZone> ZoneOfFields(const ReadingFields& fields) {
    ReadingForm form;
    if (BuildReadingForm(fields, form)) return std::nullopt;
    return AppliedZoneOfForm(form, NumberFormat{"."});
}

std::string Utf8(const QString& text) { return text.toStdString(); }

// The parts one after another (operator+ chains of literals and strings
// trip a false -Wrestrict in GCC 12).
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) text.append(part);
    return text;
}

std::optional<ReadingNames> NamesAt(const ReadingFields& fields, int offsetSeconds, Language language) {
    BirthRecord record;
    if (RunReading(WithOffset(fields, offsetSeconds), record, ReadingParts::WithDetailsAndDasha)) return std::nullopt;
    return ReadingNamesOf(record, language);
}

}  // namespace

ClockChoice ChooseClock(const Options& options, const PlaceListing& listing) {
    // The notes read in the text output's language; JSON keeps them English.
    const Wording wording =
        options.format == OutputFormat::Text ? CliWording(options.language) : Wording{};
    ClockChoice choice;
    choice.fields = listing.firstPlaceFields;
    choice.fields.second = options.fields.second;
    const QByteArray zoneId = QByteArray::fromStdString(listing.firstZoneId);
    const QDate date = QDate::fromString(QString::fromStdString(options.placeDate), Qt::ISODate);
    const QTime clock = QTime(QTime::fromString(QString::fromStdString(options.placeTime.substr(0, 5)),
                                                QStringLiteral("H:mm")));
    const ZoneAtBirth zone = ZoneAt(zoneId, date, clock);
    const int tzSeconds = zone.offsetMinutes * kSecondsPerMinute;

    // A clock time at a change of the clocks: the offset chosen.
    const RepeatedChoice repeated = RepeatedChoiceOf(options.repeated).value_or(RepeatedChoice::Earlier);
    int appliedSeconds = tzSeconds;
    std::string clockNote;
    if (const std::optional<ClockChange> change = ClockChangeAt(zoneId, date, clock);
        change && change->kind != ClockTimeAtChange::Ordinary) {
        appliedSeconds = ChosenOffsetSeconds(*change, repeated);
        clockNote = ClockNote(*change, repeated, Utf8(clock.toString(QStringLiteral("HH:mm"))), options.placeDate,
                              wording);
        if (appliedSeconds != tzSeconds) choice.fields = WithOffset(choice.fields, appliedSeconds);
    }

    // India's clock standards before 1956.
    const BirthPlaceAndYear birth{listing.firstZoneId, listing.firstLatitude, listing.firstLongitude, date.year(),
                                  tzSeconds};
    std::string standardName;
    if (!options.clock.empty() && options.clock != "tz") {
        const auto chosen = ChooseClockStandard(options.clock, birth);
        if (const auto* refusal = std::get_if<std::string>(&chosen)) {
            choice.fault = Join({"--clock ", options.clock, ": ", *refusal});
            return choice;
        }
        const ClockStandardOption& option = std::get<ClockStandardOption>(chosen);
        appliedSeconds = option.offsetSeconds;
        choice.fields = WithOffset(choice.fields, appliedSeconds);
        standardName = option.name;
        clockNote = StandardClockNote(option, tzSeconds, wording);
    }
    const std::vector<ClockStandardOption> standards = ClockStandardsAt(birth);
    if (!standards.empty()) {
        const ReadingFields base = listing.firstPlaceFields;
        for (const StandardChange& change : ChangesOfStandards(
                 standards, appliedSeconds, [&base, &wording](int offset) { return NamesAt(base, offset, wording.language); },
                 wording)) {
            choice.standards.push_back(Join({"--clock ", change.option.key, ": ", StandardChangeText(change, wording)}));
        }
        if (clockNote.empty()) {
            clockNote = TzDatabaseClockNote(tzSeconds, wording) + " (--clock)";
        }
    }

    if (std::optional<AppliedZone> applied = ZoneOfFields(choice.fields)) {
        const std::string note = zone.known ? Utf8(ZoneNote(zone, wording)) : std::string();
        const bool standard = !standardName.empty();
        applied->source = standard ? ZoneSource::ClockStandard : ZoneSource::Atlas;
        applied->sourceName = standard ? std::string_view(standardName) : std::string_view(listing.firstZoneId);
        if (!standard && appliedSeconds == tzSeconds) applied->note = note;
        choice.zoneApplied = AppliedZoneSentence(*applied, wording);
    }
    choice.clockNote = clockNote;
    if (standardName.empty()) choice.placeClockZone = listing.firstZoneId;
    return choice;
}

}  // namespace zorvane::cli
