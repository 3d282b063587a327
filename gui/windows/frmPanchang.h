#pragma once

#include <QByteArray>
#include <QDate>
#include <QDialog>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "core/atlas/atlas_loader.h"
#include "core/calendar/day_report.h"
#include "core/calendar/year_calendar.h"
#include "core/reading/birth_record.h"
#include "core/text/wording.h"

class Desktop;
class DayTimeline;
namespace Ui {
class frmPanchang;
}

// Where the panchang window reckons: an atlas place with its zone's history,
// or a reading's place on the reading's own clock.
struct PanchangWindowPlace {
    QString name;  // shown; empty for a reading's typed place
    double latitudeDegrees = 0;
    double longitudeDegrees = 0;  // east positive
    QByteArray zoneId;            // IANA zone, or empty: the fixed offset below
    int fixedOffsetMinutes = 0;
};

// The place and clock of a calculated reading, when it has a latitude.
std::optional<PanchangWindowPlace> PanchangPlaceOfReading(const zorvane::BirthRecord& record);

// The panchang of a day at a place, as a table and a time line, and the
// month's calendar as a grid with its marks; Copy, Print, Export PDF of the
// page in front, and the year's events as an iCalendar file. Opens on the
// given date (the birth's) or today by the desktop's clock, at the given
// place (the reading's), or the last place used, or New Delhi.
class frmPanchang : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmPanchang)

public:
    frmPanchang(Desktop& desktop, std::optional<PanchangWindowPlace> readingPlace, std::optional<QDate> date,
                QWidget* parent = nullptr);
    ~frmPanchang() override;

private:
    void ShowDay();
    void ShowMonth();
    void SetPlace(const PanchangWindowPlace& place);
    bool FindPlace(const QString& text, bool quiet);
    zorvane::ZoneOffsetAt OffsetFunction() const;
    bool MonthInFront() const;
    QString PageHtml() const;
    QString MonthTitle() const;

    void cmdPrevDay_Click();
    void cmdNextDay_Click();
    void cmdToday_Click();
    void cmdFindPlace_Click();
    void cmdReadingPlace_Click();
    void cmdPrevMonth_Click();
    void cmdNextMonth_Click();
    void tblMonth_DoubleClick(int row, int column);
    void cmdCopy_Click();
    void cmdPrint_Click();
    void cmdExportPdf_Click();
    void cmdExportIcs_Click();

    std::unique_ptr<Ui::frmPanchang> ui;
    Desktop& desktop_;
    DayTimeline* timeline_ = nullptr;
    std::optional<PanchangWindowPlace> readingPlace_;
    std::optional<PanchangWindowPlace> place_;
    std::unique_ptr<zorvane::AtlasLoader> atlas_;  // read on the first search
    std::optional<zorvane::DayReport> day_;
    QDate monthShown_;                              // the first of the month in the grid
    std::vector<zorvane::CalendarDayRow> monthRows_;
    zorvane::Wording wording_;  // the language the main window shows
    QString valueHeading_;      // the day table's heading of times, before its zone
};
