#include "core/matching/match_text.h"

#include <cmath>
#include <cstdio>
#include <cstddef>

#include "core/format/details_text.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"
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

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) text.resize(width, ' ');
    return text;
}

std::string SignName(int sign) { return std::string(kSignNames[static_cast<std::size_t>(sign)]); }

// "2026-12-08 18:17": the clock's moment rounded to the minute.
std::string ClockMinute(double universalJd, double clockLeadHours) {
    constexpr double kHalfMinuteDays = 30.0 / 86400.0;
    constexpr std::size_t kDateAndMinute = 16;  // "YYYY-MM-DDTHH:MM"
    constexpr std::size_t kDateLength = 10;     // the 'T' after "YYYY-MM-DD"
    std::string text = FormatBirthClock(universalJd + kHalfMinuteDays, clockLeadHours).substr(0, kDateAndMinute);
    text[kDateLength] = ' ';
    return text;
}

std::string Span(double startJd, double endJd, double clockLeadHours) {
    return ClockMinute(startJd, clockLeadHours) + " to " + ClockMinute(endJd, clockLeadHours);
}

}  // namespace

std::string DescribeStar(const Star& star) {
    return std::string(NakshatraNameOfStar(star)) + " pada " + std::to_string(star.pada) + ", " +
           SignName(SignOfStar(star));
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
                            const std::array<Porutham, kPoruthamCount>& porutham) {
    std::string out = "Bride: " + DescribeStar(bride) + "\nGroom: " + DescribeStar(groom) + "\n\n";
    out += "Ashtakoota (guna milan): " + FormatPoints(ashtakoota.total) + " of " +
           FormatPoints(kAshtakootaMaxPoints) + "\n";
    for (const Koota& koota : ashtakoota.kootas) {
        out += "  " + Padded(std::string(koota.name), kNameColumn) +
               Padded(FormatPoints(koota.points) + " of " + FormatPoints(koota.max), kPointsColumn) +
               koota.values[0] + " / " + koota.values[1] + " (" + std::string(koota.meaning) + ")\n";
    }
    if (ashtakoota.doshas.empty()) {
        out += "Doshas: none of nadi, bhakoot and gana\n";
    }
    for (const Dosha& dosha : ashtakoota.doshas) {
        out += std::string(dosha.name) + ": " + dosha.reason + "\n";
        for (const std::string& note : dosha.notes) out += "  - " + note + "\n";
    }
    int agreeing = 0;
    for (const Porutham& p : porutham) agreeing += p.agrees ? 1 : 0;
    out += "\nDasha porutham: " + std::to_string(agreeing) + " of " + std::to_string(kPoruthamCount) +
           " agree\n";
    for (const Porutham& p : porutham) {
        out += "  " + Padded(std::string(p.name), kNameColumn) + Padded(p.agrees ? "agrees" : "does not", kPointsColumn) +
               p.reason + "\n";
    }
    return out;
}

std::pair<double, double> CivilDayBounds(int year, int month, int day, double clockLeadHours) {
    const double midnight = DayNumber(month, day, year) - kNoonToMidnightDays - clockLeadHours / kHoursPerDay;
    return {midnight, midnight + 1.0};
}

std::string FormatStarDayText(const Star& birth, const StarDay& day, double clockLeadHours) {
    std::string out = "Birth star: " + DescribeStar(birth) + "\nTimes on the clock at " +
                      FormatClockLead(clockLeadHours) + " from universal time\n\nTarabala\n";
    for (const TaraSpan& span : day.taras) {
        out += "  " + Padded(std::string(NakshatraNames[static_cast<std::size_t>(span.nakshatra)]), kStarColumn) +
               Padded(std::string(TaraName(span.tara)) + " (" + std::to_string(span.tara) + ")", kTaraColumn) +
               Padded(std::string(TaraVerdict(span.tara)), kVerdictColumn) + Span(span.startJd, span.endJd, clockLeadHours) +
               "\n";
    }
    out += "\nChandrabala\n";
    for (const MoonSignSpan& span : day.signs) {
        out += "  " + Padded(SignName(span.sign), kSignColumn) + Padded(std::to_string(span.count) + " from birth", kCountColumn) +
               Padded(span.chandrashtama ? "chandrashtama" : span.favourable ? "favourable" : "unfavourable", kVerdictColumn) +
               Span(span.startJd, span.endJd, clockLeadHours) + "\n";
    }
    out += std::string("\nChandrashtama: ") +
           (day.chandrashtama ? "yes, the Moon is in the 8th sign from the birth Moon during the day\n" : "no\n");
    return out;
}

}  // namespace zorvane
