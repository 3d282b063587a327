#pragma once

#include <QLatin1String>
#include <QString>

#include "core/files/chart_file.h"

class Desktop;

// The chart's choices (style, ayanamsa, node, degrees) in the settings: the
// Chart page reads and writes them, a saved chart file takes them, and an
// opened one puts its own back, so the page shows the chart as it was saved.
namespace chart_choices {
inline constexpr QLatin1String kSection("Chart");
inline constexpr QLatin1String kStyleKey("Style");
inline constexpr QLatin1String kAyanamsaKey("Ayanamsa");
inline constexpr QLatin1String kNodeKey("Node");
inline constexpr QLatin1String kDegreesKey("Degrees");
}  // namespace chart_choices

// Fills the chart file's ayanamsa, node and style from the settings
// (the defaults for anything unset or unknown).
void PutChartChoicesInFile(Desktop& desktop, const QString& application, zorvane::ChartFile& chart);

// The ayanamsa and node of the settings, for a chart computed outside the
// Chart page (Copy Reading).
zorvane::ChartOptions ChartOptionsFromSettings(Desktop& desktop, const QString& application);

// Keeps a chart file's ayanamsa, node and style in the settings.
void KeepChartChoicesOfFile(Desktop& desktop, const QString& application, const zorvane::ChartFile& chart);
