#include "gui/report/panchang_print.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTextDocument>

#include "core/calendar/lunar_month.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"

namespace {

constexpr int kDaysPerWeek = 7;
constexpr qreal kPageMarginMillimetres = 12;

QString Text(const std::string& text) { return QString::fromStdString(text); }
QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString MonthTitle(int nameIndex, bool adhika) {
    return Text(zorvane::LunarMonthName(nameIndex)) + (adhika ? QStringLiteral(" (adhika)") : QString());
}

void SetUp(QPrinter& printer, PageTurn turn) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(turn == PageTurn::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres, kPageMarginMillimetres,
                                     kPageMarginMillimetres),
                           QPageLayout::Millimeter);
}

}  // namespace

QString DayPanchangHtml(const zorvane::DayReport& report) {
    const zorvane::DayPanchang& day = report.day;
    QString html = QStringLiteral("<h2>Panchang of %1</h2><p>%2 (%3, %4; %5)</p>")
                       .arg(Text(zorvane::IsoDateText(day.date)),
                            report.place.name.empty() ? QStringLiteral("Place") : Text(report.place.name).toHtmlEscaped(),
                            QString::number(day.place.latitudeNorthDegrees, 'f', 4),
                            QString::number(day.place.longitudeEastDegrees, 'f', 4), Text(report.place.zone));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
    for (const zorvane::ReportLine& line : zorvane::DayReportLines(report)) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(Text(line.what).toHtmlEscaped(), Text(line.value).toHtmlEscaped());
    }
    html += QStringLiteral("</table><p><small>Times on the place's clock; the day runs from sunrise to the "
                           "next sunrise.</small></p>");
    return html;
}

QString MonthCellText(const zorvane::CalendarDayRow& row) {
    const int tithi = row.tithiAtSunrise + 1;
    QString text = QString::number(row.date.day) + u'\n' + Text(zorvane::PakshaName(tithi)).left(1) + u' ' +
                   Text(zorvane::TithiName(tithi)) + u'\n' +
                   Text(zorvane::NakshatraNames[static_cast<std::size_t>(row.nakshatraAtSunrise)]);
    for (const zorvane::CalendarEvent& event : row.events) text += u'\n' + Text(event.title);
    return text;
}

QString MonthNamesText(const std::vector<zorvane::CalendarDayRow>& rows) {
    QStringList amanta;
    QStringList purnimanta;
    for (const zorvane::CalendarDayRow& row : rows) {
        const QString a = MonthTitle(row.amanta.nameIndex, row.amanta.adhika);
        const QString p = MonthTitle(row.purnimanta.nameIndex, row.purnimanta.adhika);
        if (amanta.isEmpty() || amanta.back() != a) amanta << a;
        if (purnimanta.isEmpty() || purnimanta.back() != p) purnimanta << p;
    }
    return QStringLiteral("Amanta: %1 / Purnimanta: %2")
        .arg(amanta.join(QStringLiteral(", ")), purnimanta.join(QStringLiteral(", ")));
}

QString MonthCalendarHtml(const std::vector<zorvane::CalendarDayRow>& rows, const QString& title) {
    QString html = QStringLiteral("<h2>%1</h2><p>%2</p>").arg(title.toHtmlEscaped(), MonthNamesText(rows).toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr>");
    for (const std::string_view name : zorvane::kWeekdayNames) {
        html += QStringLiteral("<th>%1</th>").arg(Text(name));
    }
    html += QStringLiteral("</tr><tr>");
    int column = rows.empty() ? 0 : rows.front().weekday;
    for (int i = 0; i < column; ++i) html += QStringLiteral("<td></td>");
    for (const zorvane::CalendarDayRow& row : rows) {
        const bool marked = !row.events.empty();
        html += QStringLiteral("<td valign=\"top\"%1>%2</td>")
                    .arg(marked ? QStringLiteral(" bgcolor=\"#fff3cd\"") : QString(),
                         MonthCellText(row).toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
        if (++column == kDaysPerWeek && &row != &rows.back()) {
            html += QStringLiteral("</tr><tr>");
            column = 0;
        }
    }
    html += QStringLiteral("</tr></table><p><small>Tithi and nakshatra at sunrise; Ekadashi by the tithi at "
                           "sunrise (smarta).</small></p>");
    return html;
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
