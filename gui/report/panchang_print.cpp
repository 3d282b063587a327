#include "gui/report/panchang_print.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTextDocument>

#include <QDate>
#include <QLocale>

#include "core/calendar/day_names.h"
#include "core/panchang/local_limb_names.h"
#include "core/format/local_names.h"
#include "core/panchang/limb_names.h"

namespace {

constexpr int kDaysPerWeek = 7;
constexpr qreal kPageMarginMillimetres = 12;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString Say(const zorvane::Wording& wording, std::string_view english) { return Text(wording.Say(english)); }

QString MonthTitle(int nameIndex, bool adhika, const zorvane::Wording& wording) {
    return Text(zorvane::day_names::MonthTitle(nameIndex, adhika, wording));
}

void SetUp(QPrinter& printer, PageTurn turn) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(turn == PageTurn::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres, kPageMarginMillimetres,
                                     kPageMarginMillimetres),
                           QPageLayout::Millimeter);
}

}  // namespace

QString DayPanchangHtml(const zorvane::DayReport& report, const zorvane::Wording& wording) {
    const zorvane::DayPanchang& day = report.day;
    QString html = QStringLiteral("<h2>%1</h2><p>%2 (%3, %4; %5)</p>")
                       .arg(Say(wording, "Panchang of %1").arg(Text(zorvane::IsoDateText(day.date))).toHtmlEscaped(),
                            report.place.name.empty() ? Say(wording, "Place").toHtmlEscaped()
                                                      : Text(report.place.name).toHtmlEscaped(),
                            QString::number(day.place.latitudeNorthDegrees, 'f', 4),
                            QString::number(day.place.longitudeEastDegrees, 'f', 4), Text(report.place.zone));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
    for (const zorvane::ReportLine& line : zorvane::DayReportLines(report, wording)) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(Text(line.what).toHtmlEscaped(), Text(line.value).toHtmlEscaped());
    }
    html += QStringLiteral("</table><p><small>%1</small></p>")
                .arg(Text(zorvane::DayReportFooter(wording)).toHtmlEscaped());
    return html;
}

QString MonthCellText(const zorvane::CalendarDayRow& row, const zorvane::Wording& wording) {
    namespace names = zorvane::day_names;
    const zorvane::Language language = wording.language;
    const int tithi = row.tithiAtSunrise + 1;
    QString text = QString::number(row.date.day) + u'\n' +
                   Text(names::PakshaMark(tithi > zorvane::kTithisPerPaksha, language)) + u' ' +
                   Text(zorvane::TithiAloneText(tithi, language)) + u'\n' +
                   Text(zorvane::NakshatraText(row.nakshatraAtSunrise, language));
    for (const zorvane::CalendarEvent& event : row.events) text += u'\n' + Text(names::EventTitle(event, wording));
    return text;
}

QString MonthNamesText(const std::vector<zorvane::CalendarDayRow>& rows, const zorvane::Wording& wording) {
    QStringList amanta;
    QStringList purnimanta;
    for (const zorvane::CalendarDayRow& row : rows) {
        const QString a = MonthTitle(row.amanta.nameIndex, row.amanta.adhika, wording);
        const QString p = MonthTitle(row.purnimanta.nameIndex, row.purnimanta.adhika, wording);
        if (amanta.isEmpty() || amanta.back() != a) amanta << a;
        if (purnimanta.isEmpty() || purnimanta.back() != p) purnimanta << p;
    }
    return Say(wording, "Amanta: %1 / Purnimanta: %2")
        .arg(amanta.join(QStringLiteral(", ")), purnimanta.join(QStringLiteral(", ")));
}

QString MonthCalendarHtml(const std::vector<zorvane::CalendarDayRow>& rows, const QString& title,
                          const zorvane::Wording& wording) {
    QString html = QStringLiteral("<h2>%1</h2><p>%2</p>")
                       .arg(title.toHtmlEscaped(), MonthNamesText(rows, wording).toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr>");
    for (int weekday = 0; weekday < kDaysPerWeek; ++weekday) {
        html += QStringLiteral("<th>%1</th>").arg(Text(zorvane::VaraText(weekday, wording.language)));
    }
    html += QStringLiteral("</tr><tr>");
    int column = rows.empty() ? 0 : rows.front().weekday;
    for (int i = 0; i < column; ++i) html += QStringLiteral("<td></td>");
    for (const zorvane::CalendarDayRow& row : rows) {
        const bool marked = !row.events.empty();
        html += QStringLiteral("<td valign=\"top\"%1>%2</td>")
                    .arg(marked ? QStringLiteral(" bgcolor=\"#fff3cd\"") : QString(),
                         MonthCellText(row, wording).toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
        if (++column == kDaysPerWeek && &row != &rows.back()) {
            html += QStringLiteral("</tr><tr>");
            column = 0;
        }
    }
    html += QStringLiteral("</tr></table><p><small>%1</small></p>")
                .arg(Say(wording, "Tithi and nakshatra at sunrise; Ekadashi by the tithi at sunrise (smarta).")
                         .toHtmlEscaped());
    return html;
}

QString MonthPageTitle(int year, int month, const QString& place, const zorvane::Wording& wording) {
    const QString shown = wording.language == zorvane::Language::English
                              ? QLocale(QLocale::English).toString(QDate(year, month, 1), QStringLiteral("MMMM yyyy"))
                              : Text(zorvane::CivilMonthText(month, wording.language)) + u' ' + QString::number(year);
    return place.isEmpty() ? shown : Say(wording, "%1 at %2").arg(shown, place);
}

std::optional<QString> WriteHtmlPdf(const QString& path, const QString& html, PageTurn turn) {
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) return probe.errorString();
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    PrintHtml(printer, html, turn);
    return std::nullopt;
}

void PrintHtml(QPrinter& printer, const QString& html, PageTurn turn) {
    SetUp(printer, turn);
    QTextDocument document;
    document.setHtml(html);
    document.print(&printer);
}
