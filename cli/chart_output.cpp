#include "cli/chart_output.h"

#include "core/format/chart_text.h"
#include "core/reading/record_chart.h"

namespace zorvane::cli {

ChartOptions ChartOptionsFor(const Options& options, std::optional<Ayanamsa> fileAyanamsa,
                             std::optional<NodeKind> fileNode) {
    ChartOptions chart;
    chart.ayanamsa = options.chartAyanamsa.value_or(fileAyanamsa.value_or(Ayanamsa::Lahiri));
    chart.node = options.chartNode.value_or(fileNode.value_or(NodeKind::Mean));
    return chart;
}

std::optional<BirthChart> ChartFor(const Options& options, const ChartOptions& chartOptions,
                                   const BirthRecord& record, bool refused) {
    if (!options.withChart || refused) return std::nullopt;
    return ChartOfRecord(record, chartOptions);
}

std::string FormatChartText(const BirthRecord& record, const BirthChart& chart, const Wording& wording) {
    return FormatChartSection(chart, record.moonSidereal, wording);
}

nlohmann::ordered_json ChartObject(const BirthRecord& record, const std::optional<BirthChart>& chart) {
    if (!chart) return nullptr;
    nlohmann::ordered_json json = ChartJson(*chart);
    const std::optional<std::string> note = MoonDisagreement(record.moonSidereal, *chart);
    json["moon_note"] = note ? nlohmann::ordered_json(*note) : nlohmann::ordered_json(nullptr);
    return json;
}

}  // namespace zorvane::cli
