#pragma once

#include <QString>
#include <optional>
#include <string>
#include <variant>

#include "core/reading/birth_record.h"
#include "core/files/chart_file.h"

// Chart files as the window and the report export open them: the file store
// reads the bytes (nothing but a regular file, never more than a chart may
// hold), the core parses them, and any refusal comes back as one sentence for
// the user that names the file.

inline constexpr QLatin1String kChartFileFilter("Zorvane chart (*.zchart)");
inline constexpr QLatin1String kChartFileSuffix("zchart");

// The chart at path, or why it is refused.
std::variant<zorvane::ChartFile, QString> OpenChartFile(const QString& path);
// The same for a path given as the system's bytes (a command-line argument),
// which may not be UTF-8 and is passed to the system as it is.
std::variant<zorvane::ChartFile, QString> OpenLocalChartFile(const std::string& localPath);

// True when nothing is at path any more (a recent chart that has gone).
bool ChartFileHasGone(const QString& path);

// Writes the chart atomically; the reason, naming the file, when it was not.
std::optional<QString> SaveChartFile(const QString& path, const zorvane::ChartFile& chart);

// The reading of a chart as a fresh calculation makes it, with its details
// and dasha; or the refusal of its inputs. The number format is the one the
// boxes are read with.
std::variant<zorvane::BirthRecord, QString> ComputeChart(
    const zorvane::ChartFile& chart, const zorvane::NumberFormat& format,
    zorvane::ValidationScope scope = zorvane::ValidationScope::FullReading);
