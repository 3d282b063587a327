#include "core/calendar/day_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/calendar/lunar_month.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/panchang/yoga_names.h"
#include "core/time/zone_clock.h"

namespace zorvane {

namespace {

using json = nlohmann::ordered_json;

std::string Named(std::string_view text) { return std::string(text); }

std::string NakshatraNameOf(int index) { return Named(NakshatraNames[static_cast<std::size_t>(index)]); }

std::string TithiTitle(int index) {
    const int tithi = index + 1;
    return Named(PakshaName(tithi)) + " " + Named(TithiName(tithi));
}

std::string MonthTitle(int nameIndex, bool adhika) {
    return Named(LunarMonthName(nameIndex)) + (adhika ? " (adhika)" : "");
}

json Span(const DayReport& report, double startJd, double endJd) {
    return {{"start", ReportMoment(report, startJd)}, {"end", ReportMoment(report, endJd)}};
}

json Optional(const DayReport& report, const std::optional<double>& jd) {
    return jd ? json(ReportMoment(report, *jd)) : json();
}

// "05:34" on the place's clock, with the date when it is not the day's own.
std::string Clock(const DayReport& report, double jd) {
    const int offset = report.offsetAt(jd);
    const std::string text = ClockMinuteText(jd, offset);
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
    return text.empty() ? "none" : text;
}

std::string Sankranti(const DayReport& report) {
    if (report.day.sunSigns.size() < 2) return "";
    const LimbSpan& entered = report.day.sunSigns[1];
    return Named(kSignNames[static_cast<std::size_t>(entered.index)]) + " Sankranti";
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

std::vector<ReportLine> DayReportLines(const DayReport& report) {
    const DayPanchang& day = report.day;
    const CalendarDay& calendar = report.calendar;
    std::vector<ReportLine> lines;
    const auto add = [&lines](std::string what, std::string value) {
        lines.push_back({std::move(what), std::move(value)});
    };
    add("Vara", Named(kWeekdayNames[static_cast<std::size_t>(day.weekday)]));
    add("Sunrise", Clock(report, day.sunriseJd));
    add("Sunset", Clock(report, day.sunsetJd));
    add("Moonrise", day.moonriseJd ? Clock(report, *day.moonriseJd) : "none this day");
    add("Moonset", day.moonsetJd ? Clock(report, *day.moonsetJd) : "none this day");
    for (const LimbSpan& span : day.tithis) {
        add("Tithi", TithiTitle(span.index) + "  " + Range(report, span.startJd, span.endJd));
    }
    for (const LimbSpan& span : day.nakshatras) {
        add("Nakshatra", NakshatraNameOf(span.index) + "  " + Range(report, span.startJd, span.endJd));
    }
    for (const LimbSpan& pada : day.padas) {
        add("Pada", NakshatraNameOf(pada.index / kPadasPerNakshatra) + " " +
                        std::to_string(pada.index % kPadasPerNakshatra + 1) + "  " +
                        Range(report, pada.startJd, pada.endJd));
    }
    for (const LimbSpan& span : day.yogas) {
        add("Yoga", Named(YogaNames[static_cast<std::size_t>(span.index)]) + "  " +
                        Range(report, span.startJd, span.endJd));
    }
    for (const LimbSpan& span : day.karanas) {
        add("Karana", Named(KaranaName(span.index + 1)) + "  " + Range(report, span.startJd, span.endJd));
    }
    const DayPeriods& p = day.periods;
    add("Rahu kalam", Range(report, p.rahuKalam.startJd, p.rahuKalam.endJd));
    add("Yamaganda", Range(report, p.yamaganda.startJd, p.yamaganda.endJd));
    add("Gulika kalam", Range(report, p.gulika.startJd, p.gulika.endJd));
    add("Rahu kalam (night)", Range(report, p.nightRahuKalam.startJd, p.nightRahuKalam.endJd));
    add("Yamaganda (night)", Range(report, p.nightYamaganda.startJd, p.nightYamaganda.endJd));
    add("Gulika kalam (night)", Range(report, p.nightGulika.startJd, p.nightGulika.endJd));
    add("Abhijit muhurta", Range(report, p.abhijit.startJd, p.abhijit.endJd));
    add("Durmuhurta", Ranges(report, p.durmuhurtas));
    add("Varjyam", Ranges(report, day.varjyam));
    add("Amrita kalam", Ranges(report, day.amritaKalam));
    for (std::size_t i = 0; i < p.choghadiya.size(); ++i) {
        const NamedPeriod& c = p.choghadiya[i];
        add(i < p.choghadiya.size() / 2 ? "Choghadiya (day)" : "Choghadiya (night)",
            Named(c.name) + "  " + Range(report, c.startJd, c.endJd));
    }
    for (std::size_t i = 0; i < p.horas.size(); ++i) {
        const NamedPeriod& h = p.horas[i];
        add("Hora " + std::to_string(i + 1), Named(h.name) + "  " + Range(report, h.startJd, h.endJd));
    }
    add("Sun's sign", Named(kSignNames[static_cast<std::size_t>(day.sunSigns.front().index)]));
    if (const std::string sankranti = Sankranti(report); !sankranti.empty()) {
        add("Sankranti", sankranti + "  " + Clock(report, day.sunSigns[1].startJd));
    }
    add("Month (amanta)", MonthTitle(calendar.amanta.nameIndex, calendar.amanta.adhika));
    add("Month (purnimanta)", MonthTitle(calendar.purnimanta.nameIndex, calendar.purnimanta.adhika));
    add("Paksha", Named(calendar.krishnaPaksha ? kKrishnaPaksha : kShuklaPaksha));
    add("Ritu", Named(RituName(calendar.rituIndex)));
    add("Ayana", Named(AyanaName(calendar.uttarayana)));
    add("Shaka year", std::to_string(calendar.shakaYear));
    add("Vikrama year", std::to_string(calendar.vikramaYear));
    add("Samvatsara", Named(SamvatsaraName(calendar.samvatsaraIndex)));
    return lines;
}

std::string DayReportText(const DayReport& report) {
    const DayPanchang& day = report.day;
    char coordinates[96];
    std::snprintf(coordinates, sizeof coordinates, "%.4f %c, %.4f %c", std::fabs(day.place.latitudeNorthDegrees),
                  day.place.latitudeNorthDegrees < 0 ? 'S' : 'N', std::fabs(day.place.longitudeEastDegrees),
                  day.place.longitudeEastDegrees < 0 ? 'W' : 'E');
    std::string text = "Panchang of " + IsoDateText(day.date) + " at " +
                       (report.place.name.empty() ? std::string() : report.place.name + " ") + "(" + coordinates +
                       ", " + report.place.zone + ")\n";
    std::size_t width = 0;
    const std::vector<ReportLine> lines = DayReportLines(report);
    for (const ReportLine& line : lines) width = std::max(width, line.what.size());
    for (const ReportLine& line : lines) {
        text += line.what + std::string(width + 2 - line.what.size(), ' ') + line.value + "\n";
    }
    text += "Times on the place's clock; the day runs from sunrise to the next sunrise.\n";
    return text;
}

}  // namespace zorvane
