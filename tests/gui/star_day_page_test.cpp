// The details window's page for the day of the birth star: shown for a
// reading with a nakshatra, on the clock's date, following the date chosen.
#include <gtest/gtest.h>

#include <QDateEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "core/dasha/vimshottari_dasha.h"
#include "core/matching/match_text.h"
#include "core/matching/star_day.h"
#include "fake_desktop.h"
#include "gui/windows/frmDetails.h"
#include "window_probe.h"

namespace {

constexpr double kBirthJd = 2451545.0;
constexpr double kMidAshwiniDegrees = 400.0 / 60.0;
constexpr double kLeadHours = 5.5;

zorvane::BirthRecord Record(bool withNakshatra) {
    zorvane::BirthRecord record;
    auto& details = record.details.emplace();
    details.universalJd = kBirthJd;
    details.clockLeadHours = kLeadHours + 1.0;  // summer time kept at the birth
    details.pada = 2;
    record.birth.DaylightSaving = true;
    record.dasha = zorvane::ComputeVimshottariDasha(kMidAshwiniDegrees, kBirthJd);
    if (withNakshatra) record.nakshatraIndex = 0;
    return record;
}

std::string Expected(QDate date) {
    const auto [start, end] = zorvane::CivilDayBounds(date.year(), date.month(), date.day(), kLeadHours);
    return zorvane::FormatStarDayText({0, 2}, zorvane::ComputeStarDay({0, 2}, start, end), kLeadHours);
}

TEST(StarDayPage, ShowsTheChosenDayOnTheBirthsStandardClock) {
    FakeDesktop desktop;
    frmDetails window(desktop, Record(true));
    ShowActive(window);
    auto& pages = Control<QTabWidget>(window, "tabPages");
    EXPECT_EQ(pages.tabText(pages.count() - 1), QStringLiteral("Day for the &Star"));
    auto& date = Control<QDateEdit>(window, "dteStarDay");
    EXPECT_EQ(date.date(), desktop.todayValue);
    const auto& text = Control<QPlainTextEdit>(window, "txtStarDay");
    EXPECT_EQ(text.toPlainText().toStdString(), Expected(desktop.todayValue));
    date.setDate(QDate(2024, 3, 15));
    EXPECT_EQ(text.toPlainText().toStdString(), Expected(QDate(2024, 3, 15)));
}

TEST(StarDayPage, AbsentWithoutANakshatra) {
    FakeDesktop desktop;
    frmDetails window(desktop, Record(false));
    EXPECT_EQ(window.findChild<QPlainTextEdit*>(QStringLiteral("txtStarDay")), nullptr);
}

}  // namespace
