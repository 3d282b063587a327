// How File > Recent Charts shows a path: as it is on disk, whatever it holds.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "core/files/chart_file.h"

#include "gui/desktop/recent_charts.h"

namespace {

TEST(RecentChartText, ShowsThePathAsItIsWithoutShortcutsOrReordering) {
    const QString longFolder = QStringLiteral("/home/user/") + QString(200, u'd');
    const struct Case {
        const char* what;
        int position;
        QString path;
        QString shown;
    } cases[] = {
        {"plain", 0, QStringLiteral("/tmp/asha.zchart"), QStringLiteral("&1 /tmp/asha.zchart")},
        {"tenth", 9, QStringLiteral("/tmp/asha.zchart"), QStringLiteral("1&0 /tmp/asha.zchart")},
        {"ampersand", 1, QStringLiteral("/tmp/a&b.zchart"), QStringLiteral("&2 /tmp/a&&b.zchart")},
        {"right-to-left override", 0, QStringLiteral("/tmp/evil\u202Egpj.zchart"),
         QStringLiteral("&1 /tmp/evil\\u{202e}gpj.zchart")},
        {"line break", 0, QStringLiteral("/tmp/a\nb.zchart"), QStringLiteral("&1 /tmp/a\\x0ab.zchart")},
        {"long, cut in the middle", 0, longFolder + QStringLiteral("/asha.zchart"),
         QStringLiteral("&1 /home/user/dddd\u2026ddd/asha.zchart")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RecentChartMenuText(c.position, c.path, 31), c.shown);
    }
}

// Ten paths of the longest kept length still fit the settings file, which
// is not read beyond 64 KiB; a longer path is not kept at all.
TEST(RecentChartText, APathTooLongForTheSettingsIsNotKept) {
    const QString kept = QStringLiteral("/") + QString(kLongestRecentChartPath - 1, u'k');
    const QString tooLong = kept + u'x';
    EXPECT_EQ(WithRecentChart({}, kept), QStringList{kept});
    EXPECT_EQ(WithRecentChart({kept}, tooLong), QStringList{kept});
}

// An entry names the chart by the name and birth date in the file; a file
// that cannot be read as a chart still shows its path.
TEST(RecentChartText, AReadableChartIsNamedByItsNameAndBirthDate) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto write = [&folder](const QString& file, const std::string& bytes) {
        QFile out(folder.filePath(file));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return folder.filePath(file);
    };
    zorvane::ChartFile chart;
    chart.name = "Asha & Ravi";
    chart.year = 1947;
    chart.month = 8;
    chart.day = 15;
    zorvane::ChartFile unnamed = chart;
    unnamed.name.clear();
    const struct Case {
        const char* what;
        QString path;
        QString shown;
    } cases[] = {
        {"named", write("a.zchart", zorvane::SerializeChartFile(chart)),
         QStringLiteral("&1 Asha && Ravi, 15 August 1947")},
        {"no name", write("b.zchart", zorvane::SerializeChartFile(unnamed)),
         QStringLiteral("&1 (no name), 15 August 1947")},
        {"damaged", write("c.zchart", "{not json"), "&1 " + QDir::toNativeSeparators(folder.filePath("c.zchart"))},
        {"gone", folder.filePath("d.zchart"), "&1 " + QDir::toNativeSeparators(folder.filePath("d.zchart"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RecentChartEntryText(0, c.path, RecentChartLabel(c.path)), c.shown);
    }
}

}  // namespace
