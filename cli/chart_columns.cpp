#include "cli/chart_columns.h"

#include "cli/csv.h"
#include "cli/result_columns.h"
#include "core/panchang/limb_names.h"
#include "core/reading/record_chart.h"

namespace zorvane::cli {

void AppendChartHeader(std::string& out) {
    for (const std::string_view name : kChartColumnNames) out.append(",").append(name);
}

void AppendChartColumns(const BirthRecord& record, const ChartOptions& options, std::string& out) {
    const std::optional<BirthChart> chart = ChartOfRecord(record, options);
    out.push_back(',');
    if (chart && chart->lagna) out.append(kSignNames[static_cast<std::size_t>(chart->lagna->sign)]);
    for (std::size_t i = 0; i < kGrahaCount; ++i) {
        out.push_back(',');
        if (chart) AppendShortestNumber(chart->grahas[i].longitudeDegrees, out);
    }
}

}  // namespace zorvane::cli
