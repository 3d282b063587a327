// How File > Recent Charts shows a path: as it is on disk, whatever it holds.
#include <gtest/gtest.h>

#include <QString>

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

}  // namespace
