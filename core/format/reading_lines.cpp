#include "core/format/reading_lines.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdlib>

#include "core/format/dasha_text.h"
#include "core/format/details_text.h"
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

// English month names, as the report and the details window print dates.
constexpr auto kMonthNames = std::to_array<std::string_view>({
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December",
});

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

std::string LatitudeLine(const std::optional<double>& latitudeDegrees) {
    if (!latitudeDegrees) return "none valid";
    const auto minutesPerDegree = static_cast<long>(kMinutesPerDegree);
    const long totalMinutes = std::lround(std::fabs(*latitudeDegrees) * kMinutesPerDegree);
    return DegreesMinutesLine(static_cast<int>(totalMinutes / minutesPerDegree),
                              static_cast<int>(totalMinutes % minutesPerDegree),
                              *latitudeDegrees < 0 ? 'S' : 'N');
}

std::string LongDateLine(int year, int month, int day) {
    const std::string_view monthName =
        month >= 1 && month <= static_cast<int>(kMonthNames.size())
            ? kMonthNames[static_cast<std::size_t>(month - 1)]
            : std::string_view("?");
    return std::to_string(day) + " " + std::string(monthName) + " " + std::to_string(year);
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

std::string ZoneLine(double clockLeadHours, bool daylightSaving) {
    return FormatClockLead(clockLeadHours) +
           (daylightSaving ? " from universal time, summer time included"
                           : " from universal time, no summer time");
}

std::string NakshatraPadaLine(const BirthDetails& details) {
    return std::string(NakshatraNames[static_cast<std::size_t>(details.nakshatra.index)]) + " pada " +
           std::to_string(details.pada) + ", lord " + std::string(NakshatraLord(details.nakshatra.index));
}

std::vector<TextLine> BirthLines(const BirthRecord& record) {
    const BirthData& birth = record.birth;
    const BirthDetails& details = record.details.value();
    std::vector<TextLine> lines;
    lines.push_back({"Date", LongDateLine(birth.Year, birth.Month, birth.Day)});
    lines.push_back({"Clock time", TwoDigits(birth.Hour) + ":" + TwoDigits(birth.Minute) + ":" +
                                       TwoDigits(record.second)});
    // The zone as the front end applied it, with its source, when it says so.
    lines.push_back({"Zone", record.zoneApplied.empty() ? ZoneLine(details.clockLeadHours, birth.DaylightSaving)
                                                        : record.zoneApplied});
    // What happened at a change of the clocks or which clock standard was read.
    if (!record.clockNote.empty()) lines.push_back({"Clock", record.clockNote});
    if (std::string place = PlaceLine(record.place); !place.empty()) {
        lines.push_back({"Place", std::move(place)});
    }
    lines.push_back({"Longitude", DegreesMinutesLine(birth.LonDegrees, birth.LonMinutes, birth.LonEast ? 'E' : 'W')});
    lines.push_back({"Latitude", LatitudeLine(record.latitudeDegrees)});
    lines.push_back({"Universal time", ClockLine(details.universalJd, 0.0) + " UT"});
    return lines;
}

std::vector<TextLine> SkyLines(const BirthDetails& details) {
    return SkyLines(details, BirthClock(details.clockLeadHours));
}

std::vector<TextLine> SkyLines(const BirthDetails& details, const PlaceClock& clock) {
    std::vector<TextLine> lines;
    lines.push_back({std::string(kGrahaNames[kMoonRow]), FormatSignPosition(details.moonSiderealDegrees) + ", " + NakshatraPadaLine(details)});
    lines.push_back({std::string(kGrahaNames[kSunRow]), FormatSignPosition(details.sunSiderealDegrees)});
    lines.push_back({"Ayanamsa", FormatDegreesMinutesSeconds(details.ayanamsaDegrees) + " (nakshatra), " +
                                     FormatDegreesMinutesSeconds(details.panchangAyanamsaDegrees) +
                                     " (panchang)"});
    if (details.sunNote != SunNote::None) {
        lines.push_back({"Sunrise", std::string(SunNoteText(details.sunNote))});
    } else {
        lines.push_back({"Sunrise", PlaceClockLine(details.sunriseJd, clock)});
        lines.push_back({"Sunset", PlaceClockLine(details.sunsetJd, clock)});
    }
    lines.push_back({"Conventions", std::string(kConventionsSentence)});
    return lines;
}

std::vector<LimbLine> LimbLines(const BirthDetails& details) {
    return LimbLines(details, BirthClock(details.clockLeadHours));
}

std::vector<LimbLine> LimbLines(const BirthDetails& details, const PlaceClock& clock) {
    const auto span = [&clock](std::string limb, std::string name, const LimbSpan& s) {
        return LimbLine{std::move(limb), std::move(name), PlaceClockLine(s.startJd, clock),
                        PlaceClockLine(s.endJd, clock)};
    };
    const std::string vara = details.weekday
                                 ? std::string(kWeekdayNames[static_cast<std::size_t>(*details.weekday)])
                                 : std::string(SunNoteText(details.sunNote));
    return {
        span("Tithi", NumberedName(TithiWithPaksha(details.tithi.index), details.tithi.index + 1), details.tithi),
        LimbLine{"Vara", vara, PlaceClockLine(details.varaStartJd, clock), PlaceClockLine(details.varaEndJd, clock)},
        span("Nakshatra", std::string(NakshatraNames[static_cast<std::size_t>(details.nakshatra.index)]),
             details.nakshatra),
        span("Yoga", std::string(YogaNames[static_cast<std::size_t>(details.yoga.index)]), details.yoga),
        span("Karana", NumberedName(KaranaName(details.karana.index + 1), details.karana.index + 1),
             details.karana),
    };
}

std::vector<PeriodLine> MahadashaLines(const VimshottariDasha& dasha, double clockLeadHours,
                                       double todayNoonJd) {
    return MahadashaLines(dasha, BirthClock(clockLeadHours), todayNoonJd);
}

std::vector<PeriodLine> MahadashaLines(const VimshottariDasha& dasha, const PlaceClock& clock,
                                       double todayNoonJd) {
    const std::optional<RunningDasha> running = FindRunningDasha(dasha, todayNoonJd);
    std::vector<PeriodLine> lines;
    for (std::size_t m = 0; m < dasha.mahadashas.size(); ++m) {
        const Mahadasha& period = dasha.mahadashas[m];
        lines.push_back({std::string(DashaLordName(period.lord)), PlaceDateLine(period.startJd, clock),
                         PlaceDateLine(period.endJd, clock),
                         running && static_cast<std::size_t>(running->mahadasha) == m});
    }
    return lines;
}

std::string DetailsPlainText(const BirthDetails& details) {
    return DetailsPlainText(details, BirthClock(details.clockLeadHours));
}

std::string DetailsPlainText(const BirthDetails& details, const PlaceClock& clock) {
    std::string out;
    for (const TextLine& line : SkyLines(details, clock)) out += line.label + ": " + line.value + "\n";
    for (const LimbLine& limb : LimbLines(details, clock)) {
        out += limb.limb + ": " + limb.name + ", " + limb.starts + " to " + limb.ends + "\n";
    }
    for (const std::string& sentence : NearBoundSentences(details)) out += sentence + "\n";
    return out;
}

}  // namespace zorvane
