#include "gui/desktop/chart_files.h"

#include <QDir>
#include <QFile>
#include <string>

#include "core/files/chart_clock.h"
#include "gui/widgets/window_language.h"
#include "core/reading/compute_reading.h"
#include "core/files/file_store.h"

namespace {

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

std::variant<zorvane::ChartFile, QString> OpenChartFile(const QString& path) {
    return OpenLocalChartFile(LocalPath(path));
}

std::variant<zorvane::ChartFile, QString> OpenLocalChartFile(const std::string& localPath) {
    const QString path = QFile::decodeName(QByteArray::fromStdString(localPath));
    const zorvane::LoadedFile loaded = zorvane::LoadFile(localPath, zorvane::kMaxChartFileBytes);
    if (!loaded.reason.empty()) {
        return QStringLiteral("The chart could not be read from %1: %2.")
            .arg(Shown(path), QString::fromStdString(loaded.reason));
    }
    if (loaded.fault == zorvane::LoadFault::NotRegularFile) {
        return QStringLiteral("%1 is not a file, so it cannot be a chart.").arg(Shown(path));
    }
    if (loaded.fault != zorvane::LoadFault::None || !loaded.complete) {
        return QStringLiteral("%1 is larger than a chart can be (%2 KiB).")
            .arg(Shown(path))
            .arg(zorvane::kMaxChartFileBytes / 1024);
    }
    auto parsed = zorvane::ParseChartFile(loaded.bytes);
    if (const auto* refusal = std::get_if<zorvane::ChartFileRefusal>(&parsed)) {
        return QStringLiteral("%1 was not opened. %2")
            .arg(Shown(path), QString::fromStdString(refusal->message));
    }
    return std::get<zorvane::ChartFile>(std::move(parsed));
}

bool ChartFileHasGone(const QString& path) {
    return zorvane::InspectFile(LocalPath(path), zorvane::kMaxChartFileBytes) ==
           zorvane::LoadFault::Missing;
}

std::optional<QString> SaveChartFile(const QString& path, const zorvane::ChartFile& chart) {
    if (const std::optional<std::string> reason =
            zorvane::SaveFile(LocalPath(path), zorvane::SerializeChartFile(chart))) {
        return QStringLiteral("The chart could not be saved to %1: %2.")
            .arg(Shown(path), QString::fromStdString(*reason));
    }
    return std::nullopt;
}

std::variant<zorvane::BirthRecord, QString> ComputeChart(const zorvane::ChartFile& chart,
                                                         const zorvane::NumberFormat& format,
                                                         zorvane::ValidationScope scope) {
    const std::variant<zorvane::ChartInput, zorvane::Refusal> input =
        zorvane::InputFromChartWithClock(chart, format, scope, zorvane::WindowWording(zorvane::ShownLanguage()));
    if (const auto* refusal = std::get_if<zorvane::Refusal>(&input)) {
        return QString::fromUtf8(refusal->message.data(), static_cast<qsizetype>(refusal->message.size()));
    }
    const zorvane::ChartInput& chartInput = std::get<zorvane::ChartInput>(input);
    zorvane::BirthRecord record = zorvane::ComputeReading(chartInput.input);
    record.clockNote = chartInput.clockNote;
    return record;
}
