#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "core/calendar/day_report.h"
#include "core/calendar/year_calendar.h"
#include "core/text/wording.h"

class QPrinter;

// The panchang window's pages as printable documents: a day as a table of
// its lines, a month as a grid of weeks. Made from the core's values only,
// worded by the wording (English by default).
QString DayPanchangHtml(const zorvane::DayReport& report, const zorvane::Wording& wording = {});

// One day's cell of the month grid: the day of the month, the tithi and
// nakshatra at sunrise, then its marks (ekadashi, purnima, amavasya,
// sankranti, a lunar month's first day with adhika), one a line.
QString MonthCellText(const zorvane::CalendarDayRow& row, const zorvane::Wording& wording = {});

// The lunar months a civil month's days fall in, in both reckonings:
// "Amanta: Ashadha, Shravana (adhika) / Purnimanta: Shravana, Shravana (adhika)".
QString MonthNamesText(const std::vector<zorvane::CalendarDayRow>& rows, const zorvane::Wording& wording = {});

QString MonthCalendarHtml(const std::vector<zorvane::CalendarDayRow>& rows, const QString& title,
                          const zorvane::Wording& wording = {});

// The month page's title: "July 2023 at New Delhi, India", "जुलाई 2023, नई दिल्ली";
// the month alone when there is no place name.
QString MonthPageTitle(int year, int month, const QString& place, const zorvane::Wording& wording = {});

// How a page is laid on the paper: a day upright, a month's grid across.
enum class PageTurn { Portrait, Landscape };

// Writes the document as PDF; the reason when the file could not be written.
std::optional<QString> WriteHtmlPdf(const QString& path, const QString& html, PageTurn turn);

// Prints the document on a printer the print dialog set up.
void PrintHtml(QPrinter& printer, const QString& html, PageTurn turn);
