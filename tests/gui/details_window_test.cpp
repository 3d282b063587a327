// The details window: the dasha page's periods and the ones it marks, and
// the wheel saved as a picture.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <optional>

#include "core/dasha/vimshottari_dasha.h"
#include "fake_desktop.h"
#include "core/reading/birth_record.h"
#include "gui/windows/frmDetails.h"
#include "window_probe.h"

namespace {

// 2000 January 1, 12:00 universal time, with the Moon in the middle of
// Ashwini: Ketu's period is half gone, 3.5 of its 7 years left.
constexpr double kBirthJd = 2451545.0;
constexpr double kMidAshwiniDegrees = 400.0 / 60.0;

struct RunningCase {
    QDate today;
    std::optional<int> mahadasha;   // row of the marked period, if any
    std::optional<int> antardasha;  // row of the marked sub-period within it
};

class DetailsDashaPage : public ::testing::TestWithParam<RunningCase> {
public:
    FakeDesktop desktop;

    std::unique_ptr<frmDetails> Open() {
        zorvane::BirthRecord record;
        record.details.emplace().universalJd = kBirthJd;
        record.dasha = zorvane::ComputeVimshottariDasha(kMidAshwiniDegrees, kBirthJd);
        auto window = std::make_unique<frmDetails>(desktop, record);
        ShowActive(*window);
        return window;
    }
};

bool Marked(const QTreeWidgetItem& item) {
    return item.text(3) == QStringLiteral("running today");
}

TEST_P(DetailsDashaPage, MarksOnlyThePeriodRunningOnTheClocksDate) {
    desktop.todayValue = GetParam().today;
    const auto window = Open();
    const QTreeWidget& tree = Control<QTreeWidget>(*window, "treDasha");
    ASSERT_EQ(tree.topLevelItemCount(), 9);
    for (int m = 0; m < tree.topLevelItemCount(); ++m) {
        const QTreeWidgetItem& period = *tree.topLevelItem(m);
        ASSERT_EQ(period.childCount(), 9);
        EXPECT_EQ(Marked(period), GetParam().mahadasha == m) << m;
        for (int a = 0; a < period.childCount(); ++a) {
            EXPECT_EQ(Marked(*period.child(a)),
                      GetParam().mahadasha == m && GetParam().antardasha == a)
                << m << "/" << a;
        }
    }
}

// Ketu (1996-07 to 2003-07), Venus (to 2023-07), Sun (to 2029-07), whose
// Saturn sub-period runs from 2026-05 to 2027-04; at the birth, Ketu-Rahu.
INSTANTIATE_TEST_SUITE_P(
    TodayFromTheClock, DetailsDashaPage,
    ::testing::Values(RunningCase{QDate(2026, 12, 8), 2, 5}, RunningCase{QDate(2000, 1, 1), 0, 5},
                      RunningCase{QDate(1990, 1, 1), std::nullopt, std::nullopt},
                      RunningCase{QDate(2130, 1, 1), std::nullopt, std::nullopt}));

TEST_F(DetailsDashaPage, ShowsTheBalanceTheLordsInTurnAndTheSubPeriodsBeforeBirth) {
    const auto window = Open();
    EXPECT_EQ(Control<QLabel>(*window, "lblBalance").text(), "Ketu 3 years 6 months 0 days");
    const QTreeWidget& tree = Control<QTreeWidget>(*window, "treDasha");
    QStringList lords;
    for (int m = 0; m < tree.topLevelItemCount(); ++m) lords << tree.topLevelItem(m)->text(0);
    EXPECT_EQ(lords, QStringList({"Ketu", "Venus", "Sun", "Moon", "Mars", "Rahu", "Jupiter",
                                  "Saturn", "Mercury"}));
    // Ketu's first five sub-periods (Ketu to Mars) end within its first 2.92 years.
    const QTreeWidgetItem& first = *tree.topLevelItem(0);
    for (int a = 0; a < first.childCount(); ++a) {
        EXPECT_EQ(first.child(a)->text(3) == QStringLiteral("before birth"), a < 5) << a;
    }
    EXPECT_EQ(first.text(1), "1996-07-02");
    EXPECT_EQ(first.text(2), "2003-07-02");
}

TEST_F(DetailsDashaPage, SavePictureWritesTheWheelWhereTheUserChoseOrSaysWhyNot) {
    QTemporaryDir folder;
    struct Case {
        QString path;
        bool written;
    };
    for (const Case& c : {Case{folder.filePath(QStringLiteral("wheel.png")), true},
                          Case{folder.filePath(QStringLiteral("no folder/wheel.png")), false}}) {
        desktop.messages.clear();
        const auto window = Open();
        auto& pages = Control<QTabWidget>(*window, "tabPages");
        pages.setCurrentWidget(&Control<QWidget>(*window, "tabWheel"));
        desktop.savePaths.push_back(c.path);
        QTest::mouseClick(&Control<QPushButton>(*window, "cmdSavePicture"), Qt::LeftButton);
        const QImage saved(c.path);
        EXPECT_EQ(!saved.isNull() && saved.width() == saved.height(), c.written)
            << c.path.toStdString();
        EXPECT_EQ(desktop.messages.size(), c.written ? 0 : 1) << c.path.toStdString();
    }
}

}  // namespace
