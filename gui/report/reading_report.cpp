#include "gui/report/reading_report.h"

#include "core/format/chart_text.h"
#include "core/reading/record_chart.h"
#include "gui/widgets/utf8_text.h"
#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "core/format/dasha_text.h"
#include "core/time/zone_date.h"
#include "core/time/angles.h"
#include "core/panchang/nakshatra_names.h"
#include "core/format/details_text.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/yoga_names.h"
#include "core/format/display_tables.h"
#include "core/format/place_clock.h"
#include "core/format/reading_lines.h"
#include "core/format/local_names.h"
#include "core/format/paragraphs_hi.h"
#include "gui/widgets/window_language.h"

namespace {


using zorvane::FromUtf8;

QList<ReportLine> Lines(const std::vector<zorvane::TextLine>& lines) {
    QList<ReportLine> out;
    for (const zorvane::TextLine& line : lines) out.append({FromUtf8(line.label), FromUtf8(line.value)});
    return out;
}

QList<ReportLimb> Limbs(const std::vector<zorvane::LimbLine>& limbs) {
    QList<ReportLimb> out;
    for (const zorvane::LimbLine& limb : limbs) {
        out.append({FromUtf8(limb.limb), FromUtf8(limb.name), FromUtf8(limb.starts), FromUtf8(limb.ends)});
    }
    return out;
}

QList<ReportPeriod> MahadashaRows(const zorvane::VimshottariDasha& dasha, double clockLeadHours,
                                  const zorvane::PlaceClock& clock, QDate today,
                                  const zorvane::Wording& wording) {
    // Today is a date in the birth's zone; its noon there stands for it.
    const double todayNoonJd =
        static_cast<double>(today.toJulianDay()) - clockLeadHours / zorvane::kHoursPerDay;
    QList<ReportPeriod> rows;
    for (const zorvane::PeriodLine& period : zorvane::MahadashaLines(dasha, clock, todayNoonJd, wording)) {
        rows.append({FromUtf8(period.lord), FromUtf8(period.starts), FromUtf8(period.ends), period.runningToday});
    }
    return rows;
}

void SetNames(std::optional<int> nakshatraRow, std::optional<int> yogaRow, zorvane::Language language,
              ReadingReport& report) {
    const bool english = language == zorvane::Language::English;
    if (nakshatraRow) {
        const zorvane::DisplayRow& row = zorvane::NakshatraTable[static_cast<std::size_t>(*nakshatraRow)];
        report.nakshatraName = english ? FromUtf8(row.name) : FromUtf8(zorvane::NakshatraText(*nakshatraRow, language));
        report.nakshatraParagraph = FromUtf8(zorvane::NakshatraParagraph(*nakshatraRow, language));
    }
    if (yogaRow) {
        const zorvane::DisplayRow& row = zorvane::YogaTable[static_cast<std::size_t>(*yogaRow)];
        report.yogaName = english ? FromUtf8(row.name) : FromUtf8(zorvane::YogaText(*yogaRow, language));
        report.yogaParagraph = FromUtf8(zorvane::YogaParagraph(*yogaRow, language));
    }
}

void AppendLines(const QString& title, const QList<ReportLine>& lines, QString& out) {
    if (lines.isEmpty()) return;
    out += title + u'\n';
    for (const ReportLine& line : lines) out += line.label + QStringLiteral(": ") + line.value + u'\n';
    out += u'\n';
}

}  // namespace

ReadingReport MakeReadingReport(const zorvane::BirthRecord& record, QDate today) {
    const zorvane::BirthDetails& details = record.details.value();
    const zorvane::VimshottariDasha& dasha = record.dasha.value();
    // In the language of the windows.
    const zorvane::Wording wording = zorvane::WindowWording(zorvane::ShownLanguage());
    ReadingReport report;
    report.name = FromUtf8(record.name);
    report.birth = Lines(zorvane::BirthLines(record, wording));
    SetNames(record.nakshatraIndex, record.yogaIndex, wording.language, report);
    // Later times on the place's clock at each moment.
    const zorvane::PlaceClock clock = zorvane::PlaceClockOf(record);
    report.sky = Lines(zorvane::SkyLines(details, clock, wording));
    report.limbs = Limbs(zorvane::LimbLines(details, clock, wording));
    for (const std::string& sentence : zorvane::NearBoundSentences(details, wording)) {
        report.nearBounds.append(FromUtf8(sentence));
    }
    report.dashaBalance = FromUtf8(zorvane::DashaBalanceLine(dasha, wording));
    report.mahadashas = MahadashaRows(dasha, details.clockLeadHours, clock, today, wording);
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

void AddBirthChart(ReadingReport& report, const zorvane::BirthRecord& record,
                   const zorvane::ChartOptions& options, zorvane::ChartStyle style) {
    if (!record.details) return;
    const std::optional<zorvane::BirthChart> chart = zorvane::ChartOfRecord(record, options);
    if (!chart) return;
    report.chartText = FromUtf8(zorvane::FormatChartSection(*chart, record.moonSidereal,
                                                             zorvane::WindowWording(zorvane::ShownLanguage())));
    report.chart = ReportChart{*chart, style, report.chartText};
}

QString ReadingPlainText(const ReadingReport& report) {
    QString out;
    if (!report.name.isEmpty()) out += report.name + QStringLiteral("\n\n");
    AppendLines(QCoreApplication::translate("ReadingReport", "Birth"), report.birth, out);
    out += QCoreApplication::translate("ReadingReport", "Nakshatra: ") + report.nakshatraName + u'\n' +
           report.nakshatraParagraph + QStringLiteral("\n\n");
    out += QCoreApplication::translate("ReadingReport", "Yoga: ") + report.yogaName + u'\n' + report.yogaParagraph +
           u'\n';
    if (report.limbs.isEmpty()) return out;

    out += u'\n';
    AppendLines(QCoreApplication::translate("ReadingReport", "Details"), report.sky, out);
    for (const ReportLimb& limb : report.limbs) {
        out += QCoreApplication::translate("ReadingReport", "%1: %2, %3 to %4\n")
                   .arg(limb.limb, limb.name, limb.starts, limb.ends);
    }
    for (const QString& sentence : report.nearBounds) out += sentence + u'\n';
    out += QCoreApplication::translate("ReadingReport", "\nDasha balance at birth: ") + report.dashaBalance +
           QCoreApplication::translate("ReadingReport", "\nMahadashas\n");
    for (const ReportPeriod& period : report.mahadashas) {
        out += QCoreApplication::translate("ReadingReport", "%1: %2 to %3%4\n")
                   .arg(period.lord, period.starts, period.ends,
                        period.runningToday ? QCoreApplication::translate("ReadingReport", " (running today)")
                                            : QString());
    }
    if (!report.chartText.isEmpty()) out += u'\n' + report.chartText;
    return out;
}
