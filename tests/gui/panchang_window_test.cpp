// The panchang window: the day at the reading's place, the date arrows and
// today by the desktop's clock, the month grid with its marks, and Copy,
// Export PDF and the year's iCalendar file through the fake desktop.
#include <gtest/gtest.h>

#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <libical/ical.h>

#include "fake_desktop.h"
#include "core/dasha/vimshottari_dasha.h"
#include "gui/windows/frmDetails.h"
#include "gui/windows/frmPanchang.h"
#include "window_probe.h"

namespace {

// New Delhi on Indian standard time, as a reading would give it.
PanchangWindowPlace NewDelhiReading() {
    PanchangWindowPlace place;
    place.latitudeDegrees = 28.6139;
    place.longitudeDegrees = 77.2090;
    place.fixedOffsetMinutes = 330;
    return place;
}

QString ValueOf(const QTableWidget& table, const QString& what) {
    for (int row = 0; row < table.rowCount(); ++row) {
        if (table.item(row, 0)->text() == what) return table.item(row, 1)->text();
    }
    return {};
}

class PanchangWindow : public ::testing::Test {
public:
    FakeDesktop desktop;
    QTemporaryDir folder;

    std::unique_ptr<frmPanchang> Open(std::optional<QDate> date) {
        auto window = std::make_unique<frmPanchang>(desktop, NewDelhiReading(), date);
        ShowActive(*window);
        return window;
    }
};

TEST_F(PanchangWindow, ShowsTheDayAndMovesWithTheArrowsAndToday) {
    desktop.todayValue = QDate(2023, 8, 17);
    const auto window = Open(QDate(2023, 7, 20));
    const QTableWidget& day = Control<QTableWidget>(*window, "tblDay");
    EXPECT_EQ(ValueOf(day, "Vara"), "Guruvara");
    EXPECT_EQ(ValueOf(day, "Month (amanta)"), "Shravana (adhika)");
    EXPECT_EQ(ValueOf(day, "Rahu kalam"), "14:10 - 15:53");

    QTest::mouseClick(&Control<QPushButton>(*window, "cmdNextDay"), Qt::LeftButton);
    EXPECT_EQ(Control<QDateEdit>(*window, "dtpDate").date(), QDate(2023, 7, 21));
    EXPECT_EQ(ValueOf(day, "Vara"), "Shukravara");
    QTest::mouseClick(&Control<QPushButton>(*window, "cmdPrevDay"), Qt::LeftButton);
    QTest::mouseClick(&Control<QPushButton>(*window, "cmdPrevDay"), Qt::LeftButton);
    EXPECT_EQ(ValueOf(day, "Vara"), "Budhavara");
    // The clock's date, where the adhika month has ended.
    QTest::mouseClick(&Control<QPushButton>(*window, "cmdToday"), Qt::LeftButton);
    EXPECT_EQ(Control<QDateEdit>(*window, "dtpDate").date(), QDate(2023, 8, 17));
    EXPECT_EQ(ValueOf(day, "Month (amanta)"), "Shravana");

    QTest::mouseClick(&Control<QPushButton>(*window, "cmdCopy"), Qt::LeftButton);
    EXPECT_TRUE(desktop.clipboard.startsWith("Panchang of 2023-08-17")) << desktop.clipboard.toStdString();
    EXPECT_TRUE(desktop.clipboard.contains("Sankranti")) << desktop.clipboard.toStdString();
}

TEST_F(PanchangWindow, OpensOnTheClocksDateWithoutOne) {
    desktop.todayValue = QDate(2024, 1, 15);
    const auto window = Open(std::nullopt);
    EXPECT_EQ(Control<QDateEdit>(*window, "dtpDate").date(), QDate(2024, 1, 15));
    EXPECT_EQ(Control<QLabel>(*window, "lblMonth").text().left(12), "January 2024");
}

TEST_F(PanchangWindow, TheMonthGridMarksItsDays) {
    const auto window = Open(QDate(2023, 7, 20));
    const QTableWidget& grid = Control<QTableWidget>(*window, "tblMonth");
    // July 2023 began on a Saturday: the 1st is the last cell of the first
    // week, the 18th (adhika Shravana's first day) a Tuesday.
    ASSERT_NE(grid.item(0, 6), nullptr);
    EXPECT_TRUE(grid.item(0, 6)->text().startsWith("1\n"));
    EXPECT_EQ(grid.item(0, 0), nullptr);
    const QString eighteenth = grid.item(3, 2)->text();
    EXPECT_TRUE(eighteenth.startsWith("18\n")) << eighteenth.toStdString();
    EXPECT_TRUE(eighteenth.contains("Shravana begins (adhika)")) << eighteenth.toStdString();
    EXPECT_TRUE(grid.item(4, 6)->text().contains("Shukla Ekadashi"));  // the 29th
    EXPECT_TRUE(Control<QLabel>(*window, "lblMonthNames").text().contains("Shravana (adhika)"));

    QTest::mouseClick(&Control<QPushButton>(*window, "cmdNextMonth"), Qt::LeftButton);
    EXPECT_TRUE(Control<QLabel>(*window, "lblMonth").text().startsWith("August 2023"));
    // August 2023 began on a Tuesday.
    EXPECT_TRUE(grid.item(0, 2)->text().startsWith("1\n"));
}

TEST_F(PanchangWindow, ExportsThePagePdfAndTheYearsCalendar) {
    const auto window = Open(QDate(2023, 7, 20));
    const QString pdf = folder.filePath("day.pdf");
    desktop.savePaths.push_back(pdf);
    QTest::mouseClick(&Control<QPushButton>(*window, "cmdExportPdf"), Qt::LeftButton);
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray dayPdf = written.readAll();
    EXPECT_TRUE(dayPdf.startsWith("%PDF-"));
    EXPECT_TRUE(dayPdf.contains("/MediaBox [0 0 595.000000 842.000000]"));  // A4 upright
    // The month's grid goes across the page.
    Control<QTabWidget>(*window, "tabPages").setCurrentIndex(1);
    const QString monthPdf = folder.filePath("month.pdf");
    desktop.savePaths.push_back(monthPdf);
    QTest::mouseClick(&Control<QPushButton>(*window, "cmdExportPdf"), Qt::LeftButton);
    QFile month(monthPdf);
    ASSERT_TRUE(month.open(QIODevice::ReadOnly));
    EXPECT_TRUE(month.readAll().contains("/MediaBox [0 0 842.000000 595.000000]"));

    const QString ics = folder.filePath("2023.ics");
    desktop.savePaths.push_back(ics);
    QTest::mouseClick(&Control<QPushButton>(*window, "cmdExportIcs"), Qt::LeftButton);
    QFile calendarFile(ics);
    ASSERT_TRUE(calendarFile.open(QIODevice::ReadOnly));
    const QByteArray text = calendarFile.readAll();
    icalcomponent* calendar = icalparser_parse_string(text.constData());
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(icalcomponent_count_errors(calendar), 0);
    // A year: 24 to 26 ekadashis, 12 sankrantis, 12 or 13 month starts...
    EXPECT_GT(icalcomponent_count_components(calendar, ICAL_VEVENT_COMPONENT), 70);
    icalcomponent_free(calendar);
    EXPECT_TRUE(desktop.messages.isEmpty());
}

// From the details of a birth, the window opens on the birth's day at its
// place and clock.
TEST_F(PanchangWindow, OpensFromTheDetailsOnTheBirthsDay) {
    zorvane::BirthRecord record;
    record.birth = {8, 15, 1947, 0, 0, 5, 30, 77, 13, true, false, true};
    record.latitudeDegrees = 28.6;
    record.details.emplace().universalJd = 2432412.27;
    record.details->clockLeadHours = 5.5;
    record.dasha = zorvane::ComputeVimshottariDasha(100.0, record.details->universalJd);
    frmDetails details(desktop, record);
    ShowActive(details);
    QTest::mouseClick(&Control<QPushButton>(details, "cmdPanchang"), Qt::LeftButton);
    const frmPanchang& panchang = Control<frmPanchang>(details, "frmPanchang");
    EXPECT_EQ(Control<QDateEdit>(panchang, "dtpDate").date(), QDate(1947, 8, 15));
    EXPECT_EQ(ValueOf(Control<QTableWidget>(panchang, "tblDay"), "Vara"), "Shukravara");
    EXPECT_TRUE(Control<QLabel>(panchang, "lblPlace").text().contains("28.6000 N, 77.2167 E; +05:30"))
        << Control<QLabel>(panchang, "lblPlace").text().toStdString();
}

}  // namespace
