#include "gui/desktop/recent_charts.h"

#include <QFileInfo>

#include "gui/desktop/desktop.h"

namespace {

constexpr QLatin1String kSection("Recent Charts");

QString Key(int position) {
    return QStringLiteral("File%1").arg(position + 1);
}

}  // namespace

QStringList ReadRecentCharts(Desktop& desktop, const QString& application) {
    QStringList paths;
    for (int i = 0; i < kRecentChartCount; ++i) {
        const QString path = desktop.readSetting(application, kSection, Key(i));
        if (!path.isEmpty() && !paths.contains(path)) paths.append(path);
    }
    return paths;
}

void WriteRecentCharts(Desktop& desktop, const QString& application, const QStringList& paths) {
    // Every slot is written, so an entry taken off leaves no stale copy behind.
    for (int i = 0; i < kRecentChartCount; ++i) {
        desktop.writeSetting(application, kSection, Key(i), i < paths.size() ? paths[i] : QString());
    }
}

QStringList WithRecentChart(QStringList paths, const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    return paths.mid(0, kRecentChartCount);
}
