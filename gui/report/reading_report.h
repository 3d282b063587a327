#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "gui/report/chart_wheel.h"
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
    // The birth chart as text (FormatChartSection), for the clipboard only;
    // empty when there is none.
    QString chartText;
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

// The report as plain text for the clipboard, one section after another,
// ending with a newline.
QString ReadingPlainText(const ReadingReport& report);
