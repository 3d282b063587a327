#include "core/format/reading_lines.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdlib>

#include "core/format/dasha_text.h"
#include "core/format/details_text.h"
#include "core/format/local_names.h"
#include "core/format/place_clock.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/panchang/yoga_names.h"
#include "core/sky/graha_names.h"
#include "core/time/angles.h"
#include "core/time/zone_date.h"

namespace zorvane {

namespace {

// "YYYY-MM-DDTHH:MM:SS" is the shape of FormatBirthClock.
constexpr std::size_t kIsoDateTimeLength = 19;
constexpr std::size_t kIsoDateTimeSeparator = 10;
constexpr const char* kNoMoment = "\u2014";

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    if (text.size() < 2) text.insert(text.begin(), '0');
    return text;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string NumberedName(std::string_view name, int number) {
    return std::string(name) + " (" + std::to_string(number) + ")";
}

}  // namespace

std::string ClockLine(double universalJd, double clockLeadHours) {
    std::string iso = FormatBirthClock(universalJd, clockLeadHours);
    iso.resize(kIsoDateTimeLength);
    iso[kIsoDateTimeSeparator] = ' ';
    return iso;
}

std::string ClockLine(const std::optional<double>& universalJd, double clockLeadHours) {
    return universalJd ? ClockLine(*universalJd, clockLeadHours) : std::string(kNoMoment);
}

std::string DateLine(double universalJd, double clockLeadHours) {
    return IsoDateText(ZoneCivilDate(universalJd, clockLeadHours));
}

std::string DegreesMinutesLine(int degrees, int minutes, char hemisphere) {
    return std::to_string(std::abs(degrees)) + "\u00b0" + TwoDigits(std::abs(minutes)) + "\u2032 " +
           std::string(1, hemisphere);
}

std::string LatitudeLine(const std::optional<double>& latitudeDegrees, const Wording& wording) {
    if (!latitudeDegrees) return wording.Say("none valid");
    const auto minutesPerDegree = static_cast<long>(kMinutesPerDegree);
    const long totalMinutes = std::lround(std::fabs(*latitudeDegrees) * kMinutesPerDegree);
    return DegreesMinutesLine(static_cast<int>(totalMinutes / minutesPerDegree),
                              static_cast<int>(totalMinutes % minutesPerDegree),
                              *latitudeDegrees < 0 ? 'S' : 'N');
}

std::string LongDateLine(int year, int month, int day, const Wording& wording) {
    return std::to_string(day) + " " + CivilMonthText(month, wording.language) + " " + std::to_string(year);
}

std::string PlaceLine(const BirthPlace& place) {
    std::string out;
    for (const std::string* part : {&place.city, &place.state, &place.country}) {
        const std::string trimmed = Trimmed(*part);
        if (trimmed.empty()) continue;
        if (!out.empty()) out += ", ";
        out += trimmed;
    }
    return out;
}

std::string ZoneLine(double clockLeadHours, bool daylightSaving, const Wording& wording) {
    return FormatClockLead(clockLeadHours) +
           (daylightSaving ? wording.Say(" from universal time, summer time included")
                           : wording.Say(" from universal time, no summer time"));
}

std::string NakshatraPadaLine(const BirthDetails& details, const Wording& wording) {
    return NakshatraText(details.nakshatra.index, wording.language) + wording.Say(" pada ") +
           std::to_string(details.pada) + wording.Say(", lord ") +
           LordText(details.nakshatra.index % kNakshatraLordCount, wording.language);
}

std::string SignPositionLine(double siderealDegrees, const Wording& wording) {
    if (wording.language == Language::English) return FormatSignPosition(siderealDegrees);
    // Rounded first, as FormatSignPosition does, so the sign and the degrees agree.
    const long long arcsecondsPerTurn = std::llround(kDegreesPerTurn * kArcsecondsPerDegree);
    const long long arcsecondsPerSign = arcsecondsPerTurn / kSignCount;
    const long long arcseconds = std::llround(siderealDegrees * kArcsecondsPerDegree) % arcsecondsPerTurn;
    return SignText(static_cast<int>(arcseconds / arcsecondsPerSign), wording.language) + " " +
           FormatDegreesMinutesSeconds(static_cast<double>(arcseconds % arcsecondsPerSign) / kArcsecondsPerDegree);
}

std::vector<TextLine> BirthLines(const BirthRecord& record, const Wording& wording) {
    const BirthData& birth = record.birth;
    const BirthDetails& details = record.details.value();
    std::vector<TextLine> lines;
    lines.push_back({wording.Say("Date"), LongDateLine(birth.Year, birth.Month, birth.Day, wording)});
    lines.push_back({wording.Say("Clock time"), TwoDigits(birth.Hour) + ":" + TwoDigits(birth.Minute) + ":" +
                                       TwoDigits(record.second)});
    // The zone as the front end applied it, with its source, when it says so.
    lines.push_back({wording.Say("Zone"), record.zoneApplied.empty()
                                              ? ZoneLine(details.clockLeadHours, birth.DaylightSaving, wording)
                                              : record.zoneApplied});
    // What happened at a change of the clocks or which clock standard was read.
    if (!record.clockNote.empty()) lines.push_back({wording.Say("Clock"), record.clockNote});
    if (std::string place = PlaceLine(record.place); !place.empty()) {
        lines.push_back({wording.Say("Place"), std::move(place)});
    }
    lines.push_back({wording.Say("Longitude"),
                     DegreesMinutesLine(birth.LonDegrees, birth.LonMinutes, birth.LonEast ? 'E' : 'W')});
    lines.push_back({wording.Say("Latitude"), LatitudeLine(record.latitudeDegrees, wording)});
    lines.push_back({wording.Say("Universal time"), ClockLine(details.universalJd, 0.0) + " UT"});
    return lines;
}

std::vector<TextLine> SkyLines(const BirthDetails& details, const Wording& wording) {
    return SkyLines(details, BirthClock(details.clockLeadHours), wording);
}

std::vector<TextLine> SkyLines(const BirthDetails& details, const PlaceClock& clock, const Wording& wording) {
    std::vector<TextLine> lines;
    lines.push_back({wording.Say(kGrahaNames[kMoonRow]), SignPositionLine(details.moonSiderealDegrees, wording) +
                                                             ", " + NakshatraPadaLine(details, wording)});
    lines.push_back({wording.Say(kGrahaNames[kSunRow]), SignPositionLine(details.sunSiderealDegrees, wording)});
    lines.push_back({wording.Say("Ayanamsa"), FormatDegreesMinutesSeconds(details.ayanamsaDegrees) +
                                                  wording.Say(" (nakshatra), ") +
                                                  FormatDegreesMinutesSeconds(details.panchangAyanamsaDegrees) +
                                                  wording.Say(" (panchang)")});
    if (details.sunNote != SunNote::None) {
        lines.push_back({wording.Say("Sunrise"), wording.Say(SunNoteText(details.sunNote))});
    } else {
        lines.push_back({wording.Say("Sunrise"), PlaceClockLine(details.sunriseJd, clock)});
        lines.push_back({wording.Say("Sunset"), PlaceClockLine(details.sunsetJd, clock)});
    }
    lines.push_back({wording.Say("Conventions"), wording.Say(kConventionsSentence)});
    return lines;
}

std::vector<LimbLine> LimbLines(const BirthDetails& details, const Wording& wording) {
    return LimbLines(details, BirthClock(details.clockLeadHours), wording);
}

std::vector<LimbLine> LimbLines(const BirthDetails& details, const PlaceClock& clock, const Wording& wording) {
    const auto span = [&clock](std::string limb, std::string name, const LimbSpan& s) {
        return LimbLine{std::move(limb), std::move(name), PlaceClockLine(s.startJd, clock),
                        PlaceClockLine(s.endJd, clock)};
    };
    const Language language = wording.language;
    const std::string vara = details.weekday ? VaraText(*details.weekday, language)
                                             : wording.Say(SunNoteText(details.sunNote));
    return {
        span(wording.Say("Tithi"), NumberedName(TithiText(details.tithi.index, language), details.tithi.index + 1),
             details.tithi),
        LimbLine{wording.Say("Vara"), vara, PlaceClockLine(details.varaStartJd, clock),
                 PlaceClockLine(details.varaEndJd, clock)},
        span(wording.Say("Nakshatra"), NakshatraText(details.nakshatra.index, language), details.nakshatra),
        span(wording.Say("Yoga"), YogaText(details.yoga.index, language), details.yoga),
        span(wording.Say("Karana"), NumberedName(KaranaText(details.karana.index + 1, language), details.karana.index + 1),
             details.karana),
    };
}

std::vector<PeriodLine> MahadashaLines(const VimshottariDasha& dasha, double clockLeadHours,
                                       double todayNoonJd, const Wording& wording) {
    return MahadashaLines(dasha, BirthClock(clockLeadHours), todayNoonJd, wording);
}

std::vector<PeriodLine> MahadashaLines(const VimshottariDasha& dasha, const PlaceClock& clock,
                                       double todayNoonJd, const Wording& wording) {
    const std::optional<RunningDasha> running = FindRunningDasha(dasha, todayNoonJd);
    std::vector<PeriodLine> lines;
    for (std::size_t m = 0; m < dasha.mahadashas.size(); ++m) {
        const Mahadasha& period = dasha.mahadashas[m];
        lines.push_back({LordText(period.lord, wording.language), PlaceDateLine(period.startJd, clock),
                         PlaceDateLine(period.endJd, clock),
                         running && static_cast<std::size_t>(running->mahadasha) == m});
    }
    return lines;
}

std::string DashaBalanceLine(const VimshottariDasha& dasha, const Wording& wording) {
    if (wording.language == Language::English) return DashaBalanceText(dasha);
    // The languages after English count without a plural: "18 वर्ष 0 माह 25 दिन".
    const YearsMonthsDays split = SplitDashaYears(dasha.balanceYears);
    return LordText(dasha.birthLord, wording.language) + " " + std::to_string(split.years) + " " +
           wording.Say("years") + " " + std::to_string(split.months) + " " + wording.Say("months") + " " +
           std::to_string(split.days) + " " + wording.Say("days");
}

std::string DetailsPlainText(const BirthDetails& details, const Wording& wording) {
    return DetailsPlainText(details, BirthClock(details.clockLeadHours), wording);
}

std::string DetailsPlainText(const BirthDetails& details, const PlaceClock& clock, const Wording& wording) {
    std::string out;
    for (const TextLine& line : SkyLines(details, clock, wording)) out += line.label + ": " + line.value + "\n";
    const std::string to = wording.Say(" to ");
    for (const LimbLine& limb : LimbLines(details, clock, wording)) {
        out += limb.limb + ": " + limb.name + ", " + limb.starts + to + limb.ends + "\n";
    }
    for (const std::string& sentence : NearBoundSentences(details, wording)) out += sentence + "\n";
    return out;
}

}  // namespace zorvane
