#include "gui/desktop/chart_choices.h"

#include <string_view>

#include "gui/desktop/desktop.h"

namespace {

std::string Setting(Desktop& desktop, const QString& application, QLatin1String key) {
    return desktop.readSetting(application, chart_choices::kSection, key).toStdString();
}

QString FromKey(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

void PutChartChoicesInFile(Desktop& desktop, const QString& application, zorvane::ChartFile& chart) {
    using namespace chart_choices;
    chart.ayanamsa = zorvane::AyanamsaFromKey(Setting(desktop, application, kAyanamsaKey))
                         .value_or(zorvane::Ayanamsa::Lahiri);
    chart.node = zorvane::NodeFromKey(Setting(desktop, application, kNodeKey)).value_or(zorvane::NodeKind::Mean);
    chart.style = zorvane::ChartStyleFromKey(Setting(desktop, application, kStyleKey))
                      .value_or(zorvane::ChartStyle::NorthIndian);
}

zorvane::ChartOptions ChartOptionsFromSettings(Desktop& desktop, const QString& application) {
    zorvane::ChartFile chart;
    PutChartChoicesInFile(desktop, application, chart);
    zorvane::ChartOptions options;
    options.ayanamsa = chart.ayanamsa;
    options.node = chart.node;
    return options;
}

void KeepChartChoicesOfFile(Desktop& desktop, const QString& application, const zorvane::ChartFile& chart) {
    using namespace chart_choices;
    desktop.writeSetting(application, kSection, kAyanamsaKey, FromKey(zorvane::AyanamsaKey(chart.ayanamsa)));
    desktop.writeSetting(application, kSection, kNodeKey, FromKey(zorvane::NodeKey(chart.node)));
    desktop.writeSetting(application, kSection, kStyleKey, FromKey(zorvane::ChartStyleKey(chart.style)));
}
