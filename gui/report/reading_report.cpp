#include "gui/report/reading_report.h"

#include <QLocale>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "gui/report/birth_texts.h"
#include "core/format/dasha_text.h"
#include "core/time/zone_date.h"
#include "core/time/angles.h"
#include "core/panchang/nakshatra_names.h"
#include "core/format/details_text.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/yoga_names.h"
#include "core/format/display_tables.h"

namespace {

using zorvane::BirthLatitudeText;
using zorvane::ClockText;
using zorvane::DateText;
using zorvane::DegreesMinutesText;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString PlaceText(const ReportHeading& heading) {
    QStringList parts;
    for (const QString& part : {heading.city, heading.state, heading.country}) {
        if (!part.trimmed().isEmpty()) parts.append(part.trimmed());
    }
    return parts.join(QStringLiteral(", "));
}

QList<ReportLine> BirthLines(const zorvane::BirthRecord& record, const ReportHeading& heading) {
    const zorvane::BirthData& birth = record.birth;
    const zorvane::BirthDetails& details = *record.details;
    QList<ReportLine> lines;
    const QDate date(birth.Year, birth.Month, birth.Day);
    lines.append({QStringLiteral("Date"),
                  QLocale(QLocale::English).toString(date, QStringLiteral("d MMMM yyyy"))});
    lines.append({QStringLiteral("Clock time"), QStringLiteral("%1:%2")
                                                    .arg(birth.Hour, 2, 10, QLatin1Char('0'))
                                                    .arg(birth.Minute, 2, 10, QLatin1Char('0'))});
    lines.append({QStringLiteral("Zone"),
                  FromUtf8(zorvane::FormatClockLead(details.clockLeadHours)) +
                      (birth.DaylightSaving ? QStringLiteral(" from UT, summer time included")
                                            : QStringLiteral(" from UT, no summer time"))});
    const QString place = PlaceText(heading);
    if (!place.isEmpty()) lines.append({QStringLiteral("Place"), place});
    lines.append({QStringLiteral("Longitude"),
                  DegreesMinutesText(birth.LonDegrees, birth.LonMinutes, birth.LonEast ? u'E' : u'W')});
    lines.append({QStringLiteral("Latitude"), BirthLatitudeText(record.latitudeDegrees)});
    lines.append({QStringLiteral("Universal time"), ClockText(details.universalJd, 0.0) + QStringLiteral(" UT")});
    return lines;
}

QList<ReportLine> SkyLines(const zorvane::BirthDetails& details) {
    const QString nakshatra =
        FromUtf8(zorvane::NakshatraNames[static_cast<std::size_t>(details.nakshatra.index)]);
    QList<ReportLine> lines;
    lines.append({QStringLiteral("Moon"),
                  QStringLiteral("%1, %2 pada %3, lord %4")
                      .arg(FromUtf8(zorvane::FormatSignPosition(details.moonSiderealDegrees)), nakshatra)
                      .arg(details.pada)
                      .arg(FromUtf8(zorvane::NakshatraLord(details.nakshatra.index)))});
    lines.append({QStringLiteral("Sun"), FromUtf8(zorvane::FormatSignPosition(details.sunSiderealDegrees))});
    lines.append({QStringLiteral("Ayanamsa"),
                  QStringLiteral("%1 (nakshatra), %2 (panchang)")
                      .arg(FromUtf8(zorvane::FormatDegreesMinutesSeconds(details.ayanamsaDegrees)),
                           FromUtf8(zorvane::FormatDegreesMinutesSeconds(details.panchangAyanamsaDegrees)))});
    if (details.sunNote != zorvane::SunNote::None) {
        lines.append({QStringLiteral("Sunrise"), FromUtf8(zorvane::SunNoteText(details.sunNote))});
    } else {
        lines.append({QStringLiteral("Sunrise"), ClockText(details.sunriseJd, details.clockLeadHours)});
        lines.append({QStringLiteral("Sunset"), ClockText(details.sunsetJd, details.clockLeadHours)});
    }
    return lines;
}

QList<ReportLimb> LimbRows(const zorvane::BirthDetails& details) {
    const double lead = details.clockLeadHours;
    const auto span = [lead](const QString& limb, const QString& name, const zorvane::LimbSpan& s) {
        return ReportLimb{limb, name, ClockText(s.startJd, lead), ClockText(s.endJd, lead)};
    };
    const QString vara =
        details.weekday ? FromUtf8(zorvane::kWeekdayNames[static_cast<std::size_t>(*details.weekday)])
                        : FromUtf8(zorvane::SunNoteText(details.sunNote));
    return {
        span(QStringLiteral("Tithi"),
             QStringLiteral("%1 (%2)")
                 .arg(FromUtf8(zorvane::TithiWithPaksha(details.tithi.index)))
                 .arg(details.tithi.index + 1),
             details.tithi),
        {QStringLiteral("Vara"), vara, ClockText(details.varaStartJd, lead),
         ClockText(details.varaEndJd, lead)},
        span(QStringLiteral("Nakshatra"),
             FromUtf8(zorvane::NakshatraNames[static_cast<std::size_t>(details.nakshatra.index)]),
             details.nakshatra),
        span(QStringLiteral("Yoga"),
             FromUtf8(zorvane::YogaNames[static_cast<std::size_t>(details.yoga.index)]), details.yoga),
        span(QStringLiteral("Karana"),
             QStringLiteral("%1 (%2)")
                 .arg(FromUtf8(zorvane::KaranaName(details.karana.index + 1)))
                 .arg(details.karana.index + 1),
             details.karana),
    };
}

QList<ReportPeriod> MahadashaRows(const zorvane::VimshottariDasha& dasha, double clockLeadHours,
                                  QDate today) {
    // Today is a date in the birth's zone; its noon there stands for it.
    const double todayNoonJd =
        static_cast<double>(today.toJulianDay()) - clockLeadHours / zorvane::kHoursPerDay;
    const std::optional<zorvane::RunningDasha> running = zorvane::FindRunningDasha(dasha, todayNoonJd);
    QList<ReportPeriod> rows;
    for (std::size_t m = 0; m < dasha.mahadashas.size(); ++m) {
        const zorvane::Mahadasha& period = dasha.mahadashas[m];
        rows.append({FromUtf8(zorvane::DashaLordName(period.lord)),
                     DateText(period.startJd, clockLeadHours), DateText(period.endJd, clockLeadHours),
                     running && static_cast<std::size_t>(running->mahadasha) == m});
    }
    return rows;
}

void SetNames(std::optional<int> nakshatraRow, std::optional<int> yogaRow, ReadingReport& report) {
    if (nakshatraRow) {
        const zorvane::DisplayRow& row = zorvane::NakshatraTable[static_cast<std::size_t>(*nakshatraRow)];
        report.nakshatraName = FromUtf8(row.name);
        report.nakshatraParagraph = FromUtf8(row.description);
    }
    if (yogaRow) {
        const zorvane::DisplayRow& row = zorvane::YogaTable[static_cast<std::size_t>(*yogaRow)];
        report.yogaName = FromUtf8(row.name);
        report.yogaParagraph = FromUtf8(row.description);
    }
}

void AppendLines(const QString& title, const QList<ReportLine>& lines, QString& out) {
    if (lines.isEmpty()) return;
    out += title + u'\n';
    for (const ReportLine& line : lines) out += line.label + QStringLiteral(": ") + line.value + u'\n';
    out += u'\n';
}

}  // namespace

ReadingReport MakeReadingReport(const zorvane::BirthRecord& record, const ReportHeading& heading,
                                QDate today) {
    const zorvane::BirthDetails& details = record.details.value();
    const zorvane::VimshottariDasha& dasha = record.dasha.value();
    ReadingReport report;
    report.name = heading.name;
    report.birth = BirthLines(record, heading);
    SetNames(record.nakshatraIndex, record.yogaIndex, report);
    report.sky = SkyLines(details);
    report.limbs = LimbRows(details);
    for (const std::string& sentence : zorvane::NearBoundSentences(details)) {
        report.nearBounds.append(FromUtf8(sentence));
    }
    report.dashaBalance = FromUtf8(zorvane::DashaBalanceText(dasha));
    report.mahadashas = MahadashaRows(dasha, details.clockLeadHours, today);
    report.wheel = WheelPictureForBirth(details.moonSiderealDegrees, details.sunSiderealDegrees,
                                        details.nakshatra.index);
    return report;
}

ReadingReport NamesOnlyReport(const QString& nakshatraName, const QString& nakshatraParagraph,
                              const QString& yogaName, const QString& yogaParagraph) {
    ReadingReport report;
    report.nakshatraName = nakshatraName;
    report.nakshatraParagraph = nakshatraParagraph;
    report.yogaName = yogaName;
    report.yogaParagraph = yogaParagraph;
    return report;
}

QString ReadingPlainText(const ReadingReport& report) {
    QString out;
    if (!report.name.isEmpty()) out += report.name + QStringLiteral("\n\n");
    AppendLines(QStringLiteral("Birth"), report.birth, out);
    out += QStringLiteral("Nakshatra: ") + report.nakshatraName + u'\n' + report.nakshatraParagraph +
           QStringLiteral("\n\n");
    out += QStringLiteral("Yoga: ") + report.yogaName + u'\n' + report.yogaParagraph + u'\n';
    if (report.limbs.isEmpty()) return out;

    out += u'\n';
    AppendLines(QStringLiteral("Details"), report.sky, out);
    for (const ReportLimb& limb : report.limbs) {
        out += QStringLiteral("%1: %2, %3 to %4\n").arg(limb.limb, limb.name, limb.starts, limb.ends);
    }
    for (const QString& sentence : report.nearBounds) out += sentence + u'\n';
    out += QStringLiteral("\nDasha balance at birth: ") + report.dashaBalance +
           QStringLiteral("\nMahadashas\n");
    for (const ReportPeriod& period : report.mahadashas) {
        out += QStringLiteral("%1: %2 to %3%4\n")
                   .arg(period.lord, period.starts, period.ends,
                        period.runningToday ? QStringLiteral(" (running today)") : QString());
    }
    if (!report.chartText.isEmpty()) out += u'\n' + report.chartText;
    return out;
}
