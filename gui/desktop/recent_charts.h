#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class Desktop;

// The charts opened or saved last, newest first, kept in the per-user
// settings under "Recent Charts" as File1 .. File10.
inline constexpr int kRecentChartCount = 10;

QStringList ReadRecentCharts(Desktop& desktop, const QString& application);
void WriteRecentCharts(Desktop& desktop, const QString& application, const QStringList& paths);

// A path longer than this is not kept in the list, so that ten of them keep
// the settings file well under the size it is read at.
inline constexpr qsizetype kLongestRecentChartPath = 1024;  // characters

// The list with path in front, met once, cut to kRecentChartCount.
QStringList WithRecentChart(QStringList paths, const QString& path);

// The menu entry of the chart at position (0 for the first): its key number,
// then the path as the user may trust it: control and reordering characters
// shown escaped ("\u{202e}"), ampersands doubled so none becomes a shortcut,
// and a long path cut in the middle to maxCharacters with an ellipsis.
inline constexpr qsizetype kRecentChartMenuCharacters = 80;
QString RecentChartMenuText(int position, const QString& path,
                            qsizetype maxCharacters = kRecentChartMenuCharacters);

// "Asha, 15 August 1947": the name and birth date kept in a chart file, read
// from at most one chart file's worth of bytes; empty when the file cannot be
// read as a chart (the entry shows its path then).
std::optional<QString> RecentChartLabel(const QString& path);

// The menu entry: the key number and the chart's label, made as safe as a
// path is (escaped, ampersands doubled, cut in the middle); the path itself
// when there is no label.
QString RecentChartEntryText(int position, const QString& path, const std::optional<QString>& label,
                             qsizetype maxCharacters = kRecentChartMenuCharacters);
