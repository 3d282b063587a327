#include "core/calendar/day_report.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "core/calendar/day_names.h"
#include "core/calendar/lunar_month.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/local_limb_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/panchang/yoga_names.h"
#include "core/text/utf8.h"
#include "core/time/zone_clock.h"

namespace zorvane {

namespace {

using json = nlohmann::ordered_json;

std::string Named(std::string_view text) { return std::string(text); }

std::string NakshatraNameOf(int index) { return Named(NakshatraNames[static_cast<std::size_t>(index)]); }

json Span(const DayReport& report, double startJd, double endJd) {
    return {{"start", ReportMoment(report, startJd)}, {"end", ReportMoment(report, endJd)}};
}

json Optional(const DayReport& report, const std::optional<double>& jd) {
    return jd ? json(ReportMoment(report, *jd)) : json();
}

// "05:34" on the place's clock, with the date when it is not the day's own,
// and the offset when the clock has changed since sunrise: "03:12 +01:00".
std::string Clock(const DayReport& report, double jd) {
    const int offset = report.offsetAt(jd);
    std::string text = ClockMinuteText(jd, offset);
    if (offset != report.offsetAt(report.day.sunriseJd)) text.append(" ").append(OffsetIsoText(offset));
    const ZoneClock clock = ZoneClockAt(jd + 0.5 / 1440.0, offset);
    const CivilDate& day = report.day.date;
    if (clock.date.year == day.year && clock.date.month == day.month && clock.date.day == day.day) return text;
    char dayMonth[16];
    std::snprintf(dayMonth, sizeof dayMonth, "%02d/%02d ", clock.date.day, clock.date.month);
    return dayMonth + text;
}

std::string Range(const DayReport& report, double startJd, double endJd) {
    return Clock(report, startJd) + " - " + Clock(report, endJd);
}

std::string Ranges(const DayReport& report, const std::vector<Period>& periods) {
    std::string text;
    for (const Period& period : periods) {
        if (!text.empty()) text += ", ";
        text += Range(report, period.startJd, period.endJd);
    }
    return text;
}

}  // namespace

DayReportResult ComputeDayReport(const CivilDate& date, const GeoPlace& place, const ReportPlace& shown,
                                 const ZoneOffsetAt& offsetAt) {
    DayReportResult result;
    DayPanchangResult day = ComputeDayPanchang(date, place, offsetAt);
    result.sunNote = day.sunNote;
    if (!day.day) return result;
    const CalendarDay calendar = CalendarOfDay(date, day.day->sunriseJd);
    result.report = DayReport{std::move(*day.day), calendar, shown, offsetAt};
    return result;
}

std::string ReportMoment(const DayReport& report, double universalJd) {
    return IsoMomentText(universalJd, report.offsetAt(universalJd));
}

nlohmann::ordered_json DayReportJson(const DayReport& report) {
    const DayPanchang& day = report.day;
    const CalendarDay& calendar = report.calendar;
    json limbs;
    json tithis = json::array();
    for (const LimbSpan& span : day.tithis) {
        const int tithi = TithiNumber(span);
        json row = {{"number", tithi}, {"name", Named(TithiName(tithi))}, {"paksha", Named(PakshaName(tithi))}};
        row.update(Span(report, span.startJd, span.endJd));
        tithis.push_back(row);
    }
    json nakshatras = json::array();
    for (const LimbSpan& span : day.nakshatras) {
        json row = {{"number", span.index + 1},
                    {"name", NakshatraNameOf(span.index)},
                    {"lord", Named(NakshatraLord(span.index))}};
        row.update(Span(report, span.startJd, span.endJd));
        json padas = json::array();
        for (const LimbSpan& pada : day.padas) {
            if (pada.index / kPadasPerNakshatra != span.index) continue;
            if (pada.endJd <= span.startJd || pada.startJd >= span.endJd) continue;
            json padaRow = {{"pada", pada.index % kPadasPerNakshatra + 1}};
            padaRow.update(Span(report, pada.startJd, pada.endJd));
            padas.push_back(padaRow);
        }
        row["padas"] = padas;
        nakshatras.push_back(row);
    }
    json yogas = json::array();
    for (const LimbSpan& span : day.yogas) {
        json row = {{"number", span.index + 1}, {"name", Named(YogaNames[static_cast<std::size_t>(span.index)])}};
        row.update(Span(report, span.startJd, span.endJd));
        yogas.push_back(row);
    }
    json karanas = json::array();
    for (const LimbSpan& span : day.karanas) {
        json row = {{"number", span.index + 1}, {"name", Named(KaranaName(span.index + 1))}};
        row.update(Span(report, span.startJd, span.endJd));
        karanas.push_back(row);
    }
    limbs["tithi"] = tithis;
    limbs["nakshatra"] = nakshatras;
    limbs["yoga"] = yogas;
    limbs["karana"] = karanas;

    const DayPeriods& p = day.periods;
    const auto spans = [&report](const std::vector<Period>& periods) {
        json list = json::array();
        for (const Period& period : periods) list.push_back(Span(report, period.startJd, period.endJd));
        return list;
    };
    json periods = {
        {"rahu_kalam", Span(report, p.rahuKalam.startJd, p.rahuKalam.endJd)},
        {"yamaganda", Span(report, p.yamaganda.startJd, p.yamaganda.endJd)},
        {"gulika", Span(report, p.gulika.startJd, p.gulika.endJd)},
        {"night_rahu_kalam", Span(report, p.nightRahuKalam.startJd, p.nightRahuKalam.endJd)},
        {"night_yamaganda", Span(report, p.nightYamaganda.startJd, p.nightYamaganda.endJd)},
        {"night_gulika", Span(report, p.nightGulika.startJd, p.nightGulika.endJd)},
        {"abhijit", Span(report, p.abhijit.startJd, p.abhijit.endJd)},
        {"durmuhurta", spans(p.durmuhurtas)},
        {"varjyam", spans(day.varjyam)},
        {"amrita_kalam", spans(day.amritaKalam)},
    };
    const auto named = [&report](const std::vector<NamedPeriod>& list, std::string_view key) {
        json rows = json::array();
        const std::size_t half = list.size() / 2;
        for (std::size_t i = 0; i < list.size(); ++i) {
            json row = {{std::string(key), Named(list[i].name)}, {"part", i < half ? "day" : "night"}};
            row.update(Span(report, list[i].startJd, list[i].endJd));
            rows.push_back(row);
        }
        return rows;
    };

    json sankranti;
    if (day.sunSigns.size() >= 2) {
        sankranti = {{"sign", Named(kSignNames[static_cast<std::size_t>(day.sunSigns[1].index)])},
                     {"moment", ReportMoment(report, day.sunSigns[1].startJd)}};
    }
    json place = {{"name", report.place.name},
                  {"latitude", day.place.latitudeNorthDegrees},
                  {"longitude", day.place.longitudeEastDegrees},
                  {"zone", report.place.zone}};
    return {
        {"date", IsoDateText(day.date)},
        {"place", place},
        {"sunrise", ReportMoment(report, day.sunriseJd)},
        {"sunset", ReportMoment(report, day.sunsetJd)},
        {"next_sunrise", ReportMoment(report, day.nextSunriseJd)},
        {"moonrise", Optional(report, day.moonriseJd)},
        {"moonset", Optional(report, day.moonsetJd)},
        {"vara", Named(kWeekdayNames[static_cast<std::size_t>(day.weekday)])},
        {"limbs", limbs},
        {"periods", periods},
        {"choghadiya", named(p.choghadiya, "name")},
        {"hora", named(p.horas, "lord")},
        {"sun_sign", Named(kSignNames[static_cast<std::size_t>(day.sunSigns.front().index)])},
        {"sankranti", sankranti},
        {"lunar_month",
         {{"amanta", Named(LunarMonthName(calendar.amanta.nameIndex))},
          {"purnimanta", Named(LunarMonthName(calendar.purnimanta.nameIndex))},
          {"adhika", calendar.amanta.adhika},
          {"purnimanta_adhika", calendar.purnimanta.adhika}}},
        {"paksha", Named(calendar.krishnaPaksha ? kKrishnaPaksha : kShuklaPaksha)},
        {"ritu", Named(RituName(calendar.rituIndex))},
        {"ayana", Named(AyanaName(calendar.uttarayana))},
        {"shaka_year", calendar.shakaYear},
        {"vikrama_year", calendar.vikramaYear},
        {"samvatsara", Named(SamvatsaraName(calendar.samvatsaraIndex))},
    };
}

std::vector<ReportLine> DayReportLines(const DayReport& report, const Wording& wording) {
    const DayPanchang& day = report.day;
    const CalendarDay& calendar = report.calendar;
    const Language language = wording.language;
    const auto say = [&wording](std::string_view english) { return wording.Say(english); };
    std::vector<ReportLine> lines;
    const auto add = [&lines](std::string what, std::string value) {
        lines.push_back({std::move(what), std::move(value)});
    };
    const auto range = [&report](double startJd, double endJd) { return Range(report, startJd, endJd); };
    const auto ranges = [&report, &say](const std::vector<Period>& periods) {
        const std::string text = Ranges(report, periods);
        return text.empty() ? say("none") : text;
    };
    add(say("Vara"), VaraText(day.weekday, language));
    add(say("Sunrise"), Clock(report, day.sunriseJd));
    add(say("Sunset"), Clock(report, day.sunsetJd));
    add(say("Moonrise"), day.moonriseJd ? Clock(report, *day.moonriseJd) : say("none this day"));
    add(say("Moonset"), day.moonsetJd ? Clock(report, *day.moonsetJd) : say("none this day"));
    for (const LimbSpan& span : day.tithis) {
        add(say("Tithi"), TithiText(span.index, language) + "  " + range(span.startJd, span.endJd));
    }
    for (const LimbSpan& span : day.nakshatras) {
        add(say("Nakshatra"), NakshatraText(span.index, language) + "  " + range(span.startJd, span.endJd));
    }
    for (const LimbSpan& pada : day.padas) {
        add(say("Pada"), NakshatraText(pada.index / kPadasPerNakshatra, language) + " " +
                             std::to_string(pada.index % kPadasPerNakshatra + 1) + "  " +
                             range(pada.startJd, pada.endJd));
    }
    for (const LimbSpan& span : day.yogas) {
        add(say("Yoga"), YogaText(span.index, language) + "  " + range(span.startJd, span.endJd));
    }
    for (const LimbSpan& span : day.karanas) {
        add(say("Karana"), KaranaText(span.index + 1, language) + "  " + range(span.startJd, span.endJd));
    }
    const DayPeriods& p = day.periods;
    add(say("Rahu kalam"), range(p.rahuKalam.startJd, p.rahuKalam.endJd));
    add(say("Yamaganda"), range(p.yamaganda.startJd, p.yamaganda.endJd));
    add(say("Gulika kalam"), range(p.gulika.startJd, p.gulika.endJd));
    add(say("Rahu kalam (night)"), range(p.nightRahuKalam.startJd, p.nightRahuKalam.endJd));
    add(say("Yamaganda (night)"), range(p.nightYamaganda.startJd, p.nightYamaganda.endJd));
    add(say("Gulika kalam (night)"), range(p.nightGulika.startJd, p.nightGulika.endJd));
    add(say("Abhijit muhurta"), range(p.abhijit.startJd, p.abhijit.endJd));
    add(say("Durmuhurta"), ranges(p.durmuhurtas));
    add(say("Varjyam"), ranges(day.varjyam));
    add(say("Amrita kalam"), ranges(day.amritaKalam));
    for (std::size_t i = 0; i < p.choghadiya.size(); ++i) {
        const NamedPeriod& c = p.choghadiya[i];
        add(say(i < p.choghadiya.size() / 2 ? "Choghadiya (day)" : "Choghadiya (night)"),
            day_names::PeriodName(c.name, language) + "  " + range(c.startJd, c.endJd));
    }
    for (std::size_t i = 0; i < p.horas.size(); ++i) {
        const NamedPeriod& h = p.horas[i];
        add(say("Hora") + " " + std::to_string(i + 1),
            day_names::PeriodName(h.name, language) + "  " + range(h.startJd, h.endJd));
    }
    add(say("Sun's sign"), SignText(day.sunSigns.front().index, language));
    if (day.sunSigns.size() >= 2) {
        add(say("Sankranti"), SignText(day.sunSigns[1].index, language) + " " + say("Sankranti") + "  " +
                                  Clock(report, day.sunSigns[1].startJd));
    }
    add(say("Month (amanta)"), day_names::MonthTitle(calendar.amanta.nameIndex, calendar.amanta.adhika, wording));
    add(say("Month (purnimanta)"),
        day_names::MonthTitle(calendar.purnimanta.nameIndex, calendar.purnimanta.adhika, wording));
    add(say("Paksha"), PakshaText(calendar.krishnaPaksha, language));
    add(say("Ritu"), day_names::Ritu(calendar.rituIndex, language));
    add(say("Ayana"), day_names::Ayana(calendar.uttarayana, language));
    add(say("Shaka year"), std::to_string(calendar.shakaYear));
    add(say("Vikrama year"), std::to_string(calendar.vikramaYear));
    add(say("Samvatsara"), day_names::Samvatsara(calendar.samvatsaraIndex, language));
    return lines;
}

std::string DayReportHeading(const DayReport& report, const Wording& wording) {
    const DayPanchang& day = report.day;
    char coordinates[96];
    const std::string north = wording.Say(day.place.latitudeNorthDegrees < 0 ? "S" : "N");
    const std::string east = wording.Say(day.place.longitudeEastDegrees < 0 ? "W" : "E");
    std::snprintf(coordinates, sizeof coordinates, "%.4f %s, %.4f %s", std::fabs(day.place.latitudeNorthDegrees),
                  north.c_str(), std::fabs(day.place.longitudeEastDegrees), east.c_str());
    const std::string where = (report.place.name.empty() ? std::string() : report.place.name + " ") + "(" +
                              coordinates + ", " + report.place.zone + ")";
    return wording.SayWith("Panchang of %1 at %2", {IsoDateText(day.date), where});
}

std::string DayReportFooter(const Wording& wording) {
    return wording.Say("Times on the place's clock; the day runs from sunrise to the next sunrise.");
}

std::string DayReportZone(const DayReport& report) {
    const DayPanchang& day = report.day;
    const int atSunrise = report.offsetAt(day.sunriseJd);
    const int atNextSunrise = report.offsetAt(day.nextSunriseJd);
    std::string text = report.place.zone;
    const std::string offset = OffsetIsoText(atSunrise);
    if (text != offset) text.append(", ").append(offset);
    if (atNextSunrise != atSunrise) text.append("/").append(OffsetIsoText(atNextSunrise));
    return text;
}

std::string DayReportText(const DayReport& report, const Wording& wording) {
    std::string text = DayReportHeading(report, wording) + "\n";
    std::size_t width = 0;
    const std::vector<ReportLine> lines = DayReportLines(report, wording);
    for (const ReportLine& line : lines) width = std::max(width, TerminalColumns(line.what));
    for (const ReportLine& line : lines) {
        text += line.what + std::string(width + 2 - TerminalColumns(line.what), ' ') + line.value + "\n";
    }
    text += DayReportFooter(wording) + "\n";
    return text;
}

}  // namespace zorvane
