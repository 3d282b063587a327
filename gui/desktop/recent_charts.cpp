#include "gui/desktop/recent_charts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <variant>

#include "core/files/chart_file.h"
#include "core/files/file_store.h"
#include "core/format/reading_lines.h"
#include "core/text/utf8.h"

#include "gui/desktop/desktop.h"
#include "gui/widgets/window_language.h"

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
        if (!path.isEmpty() && path.size() <= kLongestRecentChartPath && !paths.contains(path)) {
            paths.append(path);
        }
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
    if (absolute.size() <= kLongestRecentChartPath) paths.prepend(absolute);
    return paths.mid(0, kRecentChartCount);
}

namespace {

// The entry's key number and text as the user may trust it.
QString MenuEntry(int position, const QString& text, qsizetype maxCharacters) {
    const QByteArray utf8 = text.toUtf8();
    QString shown = QString::fromStdString(
        zorvane::EscapeControls(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))));
    if (shown.size() > maxCharacters) {
        // The front names the folder, the back the file: both are kept.
        const QChar ellipsis(0x2026);
        qsizetype front = (maxCharacters - 1) / 2;
        qsizetype back = maxCharacters - 1 - front;
        // Never between the two halves of a character outside the BMP.
        if (front > 0 && shown.at(front - 1).isHighSurrogate()) --front;
        if (back > 0 && shown.at(shown.size() - back).isLowSurrogate()) --back;
        shown = shown.left(front) + ellipsis + shown.right(back);
    }
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    // "&1" .. "&9", then "1&0": each entry has its own key.
    const QString number = position + 1 < kRecentChartCount ? QStringLiteral("&%1").arg(position + 1)
                                                            : QStringLiteral("1&0");
    return number + u' ' + shown;
}

}  // namespace

QString RecentChartMenuText(int position, const QString& path, qsizetype maxCharacters) {
    return MenuEntry(position, QDir::toNativeSeparators(path), maxCharacters);
}

std::optional<QString> RecentChartLabel(const QString& path) {
    const zorvane::LoadedFile loaded = zorvane::LoadFile(QFile::encodeName(path).toStdString(), zorvane::kMaxChartFileBytes);
    if (loaded.fault != zorvane::LoadFault::None) return std::nullopt;
    const auto parsed = zorvane::ParseChartFile(loaded.bytes);
    const auto* chart = std::get_if<zorvane::ChartFile>(&parsed);
    if (chart == nullptr) return std::nullopt;
    const QString name = chart->name.empty() ? QCoreApplication::translate("RecentCharts", "(no name)")
                                             : QString::fromStdString(chart->name);
    return name + QStringLiteral(", ") +
           QString::fromStdString(zorvane::LongDateLine(chart->year, chart->month, chart->day,
                                                        zorvane::WindowWording(zorvane::ShownLanguage())));
}

QString RecentChartEntryText(int position, const QString& path, const std::optional<QString>& label,
                             qsizetype maxCharacters) {
    return label ? MenuEntry(position, *label, maxCharacters) : RecentChartMenuText(position, path, maxCharacters);
}
