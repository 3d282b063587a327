// The Match window: births from a chart file, Recent Charts, the current
// reading or the lists; both schemes shown as the core gives them; Copy,
// Print and Export PDF of one page; a chart that cannot be used is refused.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/files/chart_file.h"
#include "core/matching/ashtakoota.h"
#include "core/matching/match_text.h"
#include "core/matching/porutham.h"
#include "fake_desktop.h"
#include "gui/windows/frmMatch.h"
#include "window_probe.h"

namespace {

// 1990 May 14, 06:20 at +5:30, 72°50′E (no latitude: a star needs none): the Moon in Purva Ashadha, pada 1
// (as the command line's reading of the same birth gives it).
constexpr zorvane::Star kAshaStar{19, 1};

QString WriteChart(const QTemporaryDir& dir, const QString& fileName) {
    zorvane::ChartFile chart;
    chart.name = "Asha";
    chart.year = 1990;
    chart.month = 5;
    chart.day = 14;
    chart.hour = 6;
    chart.minute = 20;
    chart.zoneHour = "+5";
    chart.zoneMinute = "30";
    chart.lonDegrees = "72";
    chart.lonMinutes = "50";
    chart.lonSide = zorvane::LongitudeSide::East;
    const QString path = dir.filePath(fileName);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(zorvane::SerializeChartFile(chart)));
    return path;
}

zorvane::Star Shown(const frmMatch& window, const char* nakshatra, const char* pada) {
    return {Control<QComboBox>(window, nakshatra).currentIndex(), Control<QComboBox>(window, pada).currentIndex() + 1};
}

class MatchWindow : public ::testing::Test {
public:
    FakeDesktop desktop;
    QTemporaryDir dir;
};

TEST_F(MatchWindow, ShowsBothSchemesOfAChartAndATypedStar) {
    desktop.openPaths.push_back(WriteChart(dir, QStringLiteral("asha.zchart")));
    frmMatch window(desktop, std::nullopt, {});
    ShowActive(window);
    EXPECT_FALSE(Control<QPushButton>(window, "cmdBrideCurrent").isEnabled());
    QTest::mouseClick(&Control<QPushButton>(window, "cmdBrideOpenChart"), Qt::LeftButton);
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(Shown(window, "cboBrideNakshatra", "cboBridePada"), kAshaStar);
    EXPECT_EQ(Control<QLabel>(window, "lblBrideSource").text(), QStringLiteral("Asha, from asha.zchart"));

    Choose(Control<QComboBox>(window, "cboGroomNakshatra"), QStringLiteral("Uttara Bhadrapada"));
    Choose(Control<QComboBox>(window, "cboGroomPada"), QStringLiteral("2"));
    EXPECT_EQ(Control<QLabel>(window, "lblGroomSource").text(), QStringLiteral("Typed"));

    const zorvane::Star groom{25, 2};
    const zorvane::Ashtakoota want = zorvane::MatchAshtakoota(kAshaStar, groom);
    const auto& koota = Control<QTableWidget>(window, "tblAshtakoota");
    ASSERT_EQ(koota.rowCount(), 8);
    for (int row = 0; row < 8; ++row) {
        const zorvane::Koota& k = want.kootas[static_cast<std::size_t>(row)];
        EXPECT_EQ(koota.item(row, 1)->text(), QString::fromStdString(zorvane::FormatPoints(k.points) + " of " +
                                                                     zorvane::FormatPoints(k.max)));
        EXPECT_EQ(koota.item(row, 2)->text(), QString::fromStdString(k.values[0]));
    }
    EXPECT_TRUE(Control<QLabel>(window, "lblTotal").text().contains(
        QStringLiteral("Total: %1 of 36").arg(QString::fromStdString(zorvane::FormatPoints(want.total)))));
    const auto ten = zorvane::MatchPorutham(kAshaStar, groom);
    const auto& porutham = Control<QTableWidget>(window, "tblPorutham");
    ASSERT_EQ(porutham.rowCount(), 10);
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(porutham.item(row, 1)->text(), ten[static_cast<std::size_t>(row)].agrees ? "Yes" : "No");
    }

    QTest::mouseClick(&Control<QPushButton>(window, "cmdCopy"), Qt::LeftButton);
    EXPECT_TRUE(desktop.clipboard.startsWith(
        QStringLiteral("Bride's birth: Asha, from asha.zchart\nGroom's birth: Typed\n\n")));
    EXPECT_TRUE(desktop.clipboard.endsWith(
        QString::fromStdString(zorvane::FormatMatchText(kAshaStar, groom, want, ten))));
}

TEST_F(MatchWindow, TakesTheCurrentReadingAndRecentCharts) {
    const QString recent = WriteChart(dir, QStringLiteral("recent.zchart"));
    frmMatch window(desktop, MatchBirth{{3, 2}, QStringLiteral("Ravi, the current reading")}, {recent});
    ShowActive(window);
    // The reading on show starts as the bride.
    EXPECT_EQ(Shown(window, "cboBrideNakshatra", "cboBridePada"), (zorvane::Star{3, 2}));
    QTest::mouseClick(&Control<QPushButton>(window, "cmdGroomCurrent"), Qt::LeftButton);
    EXPECT_EQ(Shown(window, "cboGroomNakshatra", "cboGroomPada"), (zorvane::Star{3, 2}));
    auto& list = Control<QComboBox>(window, "cboGroomRecent");
    ASSERT_EQ(list.count(), 2);
    emit list.activated(1);
    EXPECT_EQ(Shown(window, "cboGroomNakshatra", "cboGroomPada"), kAshaStar);
    EXPECT_EQ(list.currentIndex(), 0);
}

TEST_F(MatchWindow, RefusesAChartItCannotReadAndKeepsTheStar) {
    const QString path = dir.filePath(QStringLiteral("broken.zchart"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a chart");
    file.close();
    desktop.openPaths.push_back(path);
    frmMatch window(desktop, std::nullopt, {});
    ShowActive(window);
    Choose(Control<QComboBox>(window, "cboBrideNakshatra"), QStringLiteral("Magha"));
    QTest::mouseClick(&Control<QPushButton>(window, "cmdBrideOpenChart"), Qt::LeftButton);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].icon, Desktop::Icon::Error);
    EXPECT_EQ(Control<QComboBox>(window, "cboBrideNakshatra").currentText(), QStringLiteral("Magha"));
}

TEST_F(MatchWindow, ExportsAndPrintsOnePage) {
    const QString pdf = dir.filePath(QStringLiteral("match.pdf"));
    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    desktop.savePaths.push_back(pdf);
    desktop.printToFile = printed;
    frmMatch window(desktop, std::nullopt, {});
    ShowActive(window);
    QTest::mouseClick(&Control<QPushButton>(window, "cmdExportPdf"), Qt::LeftButton);
    QTest::mouseClick(&Control<QPushButton>(window, "cmdPrint"), Qt::LeftButton);
    EXPECT_TRUE(desktop.messages.isEmpty());
    for (const QString& path : {pdf, printed}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("%PDF"));
        EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1)
            << path.toStdString();
    }
}

}  // namespace
