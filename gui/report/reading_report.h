#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "gui/report/chart_wheel.h"
#include "core/chart/birth_chart.h"
#include "core/chart/indian_chart_layout.h"
#include "core/reading/birth_record.h"

// One reading as the report, the printout and the clipboard show it: every
// text already formatted, so that the painter and the plain text only place
// it and can never disagree with each other.
struct ReportLine {
    QString label;
    QString value;
};

struct ReportLimb {
    QString limb;
    QString name;
    QString starts;
    QString ends;
};

struct ReportPeriod {
    QString lord;
    QString starts;
    QString ends;
    bool runningToday = false;
};

// The birth chart of the report's second page: D1 and D9 in the chosen
// style, and the table of lagna and grahas as the clipboard gives it.
struct ReportChart {
    zorvane::BirthChart chart;
    zorvane::ChartStyle style = zorvane::ChartStyle::NorthIndian;
    QString text;
};

struct ReadingReport {
    QString name;
    QList<ReportLine> birth;  // empty for a reading that holds only its two names
    QString nakshatraName;
    QString nakshatraParagraph;
    QString yogaName;
    QString yogaParagraph;
    QList<ReportLine> sky;  // ayanamsas, Moon, Sun, sunrise and sunset
    QList<ReportLimb> limbs;
    QStringList nearBounds;
    QString dashaBalance;
    QList<ReportPeriod> mahadashas;
    std::optional<WheelPicture> wheel;
    // The birth chart as text (FormatChartSection), for the clipboard;
    // empty when there is none.
    QString chartText;
    // The same chart drawn on a page of its own in the PDF and the printout.
    std::optional<ReportChart> chart;
};

// What the form says of the birth beyond the record: who and where.

// The report of a calculated reading; the record holds its details and
// dasha. The period running on `today` (a date in the birth's zone) is marked.
ReadingReport MakeReadingReport(const zorvane::BirthRecord& record,
                                QDate today);

// The report of a reading that holds only its names and paragraphs, as a
// reading file shows them.
ReadingReport NamesOnlyReport(const QString& nakshatraName, const QString& nakshatraParagraph,
                              const QString& yogaName, const QString& yogaParagraph);

// Adds the birth chart of a calculated reading (with its details), computed
// with the given ayanamsa and node and drawn in the given style; a reading
// whose chart cannot be computed keeps none.
void AddBirthChart(ReadingReport& report, const zorvane::BirthRecord& record,
                   const zorvane::ChartOptions& options, zorvane::ChartStyle style);

// The report as plain text for the clipboard, one section after another,
// ending with a newline.
QString ReadingPlainText(const ReadingReport& report);
