#pragma once

#include <QString>
#include <QStringList>

class Desktop;

// The charts opened or saved last, newest first, kept in the per-user
// settings under "Recent Charts" as File1 .. File10.
inline constexpr int kRecentChartCount = 10;

QStringList ReadRecentCharts(Desktop& desktop, const QString& application);
void WriteRecentCharts(Desktop& desktop, const QString& application, const QStringList& paths);

// The list with path in front, met once, cut to kRecentChartCount.
QStringList WithRecentChart(QStringList paths, const QString& path);
