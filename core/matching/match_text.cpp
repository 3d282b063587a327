#include "core/text/utf8.h"
#include "core/matching/match_text.h"

#include <cmath>
#include <cstdio>
#include <cstddef>

#include "core/format/details_text.h"
#include "core/format/local_names.h"
#include "core/matching/worded_text.h"
#include "core/time/angles.h"
#include "core/time/day_number.h"

namespace zorvane {

namespace {

constexpr double kNoonToMidnightDays = 0.5;
// Column widths of the plain texts, in characters.
constexpr std::size_t kNameColumn = 15;
constexpr std::size_t kPointsColumn = 11;
constexpr std::size_t kStarColumn = 19;
constexpr std::size_t kTaraColumn = 18;
constexpr std::size_t kVerdictColumn = 14;
constexpr std::size_t kSignColumn = 12;
constexpr std::size_t kCountColumn = 15;

// "2026-12-08 18:17": the clock's moment rounded to the minute.
std::string ClockMinute(double universalJd, double clockLeadHours) {
    constexpr double kHalfMinuteDays = 30.0 / 86400.0;
    constexpr std::size_t kDateAndMinute = 16;  // "YYYY-MM-DDTHH:MM"
    constexpr std::size_t kDateLength = 10;     // the 'T' after "YYYY-MM-DD"
    std::string text = FormatBirthClock(universalJd + kHalfMinuteDays, clockLeadHours).substr(0, kDateAndMinute);
    text[kDateLength] = ' ';
    return text;
}

std::string Span(double startJd, double endJd, double clockLeadHours, const Wording& wording) {
    return ClockMinute(startJd, clockLeadHours) + wording.Say(" to ") + ClockMinute(endJd, clockLeadHours);
}

std::string Line(std::string_view worded) { return std::string(worded) + "\n"; }

}  // namespace

std::string DescribeStar(const Star& star, const Wording& wording) {
    return NakshatraText(star.nakshatra, wording.language) + wording.Say(" pada ") + std::to_string(star.pada) + ", " +
           SignText(SignOfStar(star), wording.language);
}

std::string FormatPoints(double points) {
    char text[16];
    if (points == std::floor(points)) {
        std::snprintf(text, sizeof text, "%d", static_cast<int>(points));
    } else {
        std::snprintf(text, sizeof text, "%.1f", points);
    }
    return text;
}

std::string FormatMatchText(const Star& bride, const Star& groom, const Ashtakoota& ashtakoota,
                            const std::array<Porutham, kPoruthamCount>& porutham, const Wording& wording) {
    const auto of = [&wording](double points, double max) {
        return wording.SayWith("%1 of %2", {FormatPoints(points), FormatPoints(max)});
    };
    std::string out = Line(wording.SayWith("Bride: %1", {DescribeStar(bride, wording)})) +
                      Line(wording.SayWith("Groom: %1", {DescribeStar(groom, wording)})) + "\n";
    out += Line(wording.SayWith("Ashtakoota (guna milan): %1", {of(ashtakoota.total, kAshtakootaMaxPoints)}));
    for (const Koota& koota : ashtakoota.kootas) {
        out += "  " + PaddedToColumns(wording.Say(koota.name), kNameColumn) +
               PaddedToColumns(of(koota.points, koota.max), kPointsColumn) + koota.values[0] + " / " + koota.values[1] +
               " (" + wording.Say(koota.meaning) + ")\n";
    }
    if (ashtakoota.doshas.empty()) out += Line(wording.Say("Doshas: none of nadi, bhakoot and gana"));
    for (const Dosha& dosha : ashtakoota.doshas) {
        out += wording.Say(dosha.name) + ": " + dosha.reason + "\n";
        for (const std::string& note : dosha.notes) out += "  - " + note + "\n";
    }
    int agreeing = 0;
    for (const Porutham& p : porutham) agreeing += p.agrees ? 1 : 0;
    out += "\n";
    out += Line(wording.SayWith("Dasha porutham: %1 of %2 agree",
                       {std::to_string(agreeing), std::to_string(kPoruthamCount)}));
    for (const Porutham& p : porutham) {
        out += "  " + PaddedToColumns(wording.Say(p.name), kNameColumn) +
               PaddedToColumns(wording.Say(p.agrees ? "agrees" : "does not"), kPointsColumn) + p.reason + "\n";
    }
    return out;
}

std::pair<double, double> CivilDayBounds(int year, int month, int day, double clockLeadHours) {
    const double midnight = DayNumber(month, day, year) - kNoonToMidnightDays - clockLeadHours / kHoursPerDay;
    return {midnight, midnight + 1.0};
}

std::string FormatStarDayText(const Star& birth, const StarDay& day, double clockLeadHours, const Wording& wording) {
    const Language language = wording.language;
    std::string out = Line(wording.SayWith("Birth star: %1", {DescribeStar(birth, wording)})) +
                      Line(wording.SayWith("Times on the clock at %1 from universal time",
                                  {FormatClockLead(clockLeadHours)})) +
                      "\n" + Line(wording.Say("Tarabala"));
    for (const TaraSpan& span : day.taras) {
        out += "  ";
        out += PaddedToColumns(NakshatraText(span.nakshatra, language), kStarColumn) +
               PaddedToColumns(wording.Say(TaraName(span.tara)) + " (" + std::to_string(span.tara) + ")", kTaraColumn) +
               PaddedToColumns(wording.Say(TaraVerdict(span.tara)), kVerdictColumn) +
               Span(span.startJd, span.endJd, clockLeadHours, wording) + "\n";
    }
    out += "\n";
    out += Line(wording.Say("Chandrabala"));
    for (const MoonSignSpan& span : day.signs) {
        const char* verdict = span.chandrashtama ? "chandrashtama" : span.favourable ? "favourable" : "unfavourable";
        out += "  ";
        out += PaddedToColumns(SignText(span.sign, language), kSignColumn) +
               PaddedToColumns(wording.SayWith("%1 from birth", {std::to_string(span.count)}), kCountColumn) +
               PaddedToColumns(wording.Say(verdict), kVerdictColumn) + Span(span.startJd, span.endJd, clockLeadHours, wording) +
               "\n";
    }
    out += "\n";
    out += wording.Say("Chandrashtama") + ": " +
           Line(wording.Say(day.chandrashtama ? "yes, the Moon is in the 8th sign from the birth Moon during the day"
                                              : "no"));
    return out;
}

}  // namespace zorvane
