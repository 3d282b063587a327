#include "gui/windows/chart_file_actions.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QStringList>
#include <QWidget>
#include <variant>

#include "core/reading/birth_input.h"
#include "core/reading/compute_reading.h"
#include "core/reading/record_chart.h"
#include "gui/desktop/chart_choices.h"
#include "gui/desktop/chart_files.h"
#include "gui/desktop/desktop.h"
#include "gui/desktop/recent_charts.h"
#include "gui/widgets/utf8_text.h"

namespace zorvane {

ChartFileActions::ChartFileActions(Desktop& desktop, QString applicationName, QMenu& recentMenu,
                                   QWidget& window, Form form)
    : QObject(&window),
      desktop_(desktop),
      applicationName_(std::move(applicationName)),
      recentMenu_(recentMenu),
      window_(window),
      form_(std::move(form)) {}

ChartFile ChartFileActions::FormAsChart() const {
    ChartFile chart;
    const ReadingForm form = form_.read();
    PutFormInChart(form, chart);
    PutChartChoicesInFile(desktop_, applicationName_, chart);
    chart.clock = form_.clock();
    const std::variant<BirthInput, Refusal> input = ParseForm(form, UserNumberFormat());
    if (const auto* parsed = std::get_if<BirthInput>(&input)) {
        const BirthRecord record = ComputeReading(*parsed, ReadingParts::NamesOnly);
        chart.nakshatraName = std::string(NakshatraNameOf(record));
        chart.yogaName = std::string(YogaNameOf(record));
    }
    return chart;
}

void ChartFileActions::SaveAs() {
    const QString path = desktop_.askSaveFileName(
        &window_, {QCoreApplication::translate("frmMain", "Save Chart As"), kChartFileFilter, kChartFileSuffix});
    if (path.isEmpty()) {
        return;
    }
    if (const std::optional<QString> failure = SaveChartFile(path, FormAsChart())) {
        desktop_.showMessage(&window_, *failure, Desktop::Icon::Error);
        return;
    }
    Remember(path);
}

void ChartFileActions::AskAndOpen() {
    const QString path = desktop_.askOpenFileName(
        &window_, {QCoreApplication::translate("frmMain", "Open Chart"), kChartFileFilter, kChartFileSuffix});
    if (!path.isEmpty()) {
        Open(path, false);
    }
}

void ChartFileActions::Open(const QString& path, bool fromRecentList) {
    if (fromRecentList && ChartFileHasGone(path)) {
        QStringList recent = ReadRecentCharts(desktop_, applicationName_);
        recent.removeAll(path);
        WriteRecentCharts(desktop_, applicationName_, recent);
        ShowRecent();
        desktop_.showMessage(&window_,
                             QCoreApplication::translate("frmMain",
                                                         "The chart %1 is no longer there, so it has been "
                                                         "taken off Recent Charts.")
                                 .arg(QDir::toNativeSeparators(path)),
                             Desktop::Icon::Information);
        return;
    }
    // A refused file changes nothing: the form is filled only from a whole chart.
    const std::variant<ChartFile, QString> opened = OpenChartFile(path);
    if (const QString* refusal = std::get_if<QString>(&opened)) {
        desktop_.showMessage(&window_, *refusal, Desktop::Icon::Error);
        return;
    }
    form_.fill(std::get<ChartFile>(opened));
    KeepChartChoicesOfFile(desktop_, applicationName_, std::get<ChartFile>(opened));
    Remember(path);
    // A chart whose boxes the checks refuse is shown in the form, with the
    // box to mend in focus, as a typed one would be.
    form_.calculate();
}

void ChartFileActions::Remember(const QString& path) {
    WriteRecentCharts(desktop_, applicationName_,
                      WithRecentChart(ReadRecentCharts(desktop_, applicationName_), path));
    ShowRecent();
}

void ChartFileActions::ShowRecent() {
    recentMenu_.clear();
    const QStringList recent = ReadRecentCharts(desktop_, applicationName_);
    for (qsizetype i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* item =
            recentMenu_.addAction(RecentChartEntryText(static_cast<int>(i), path, RecentChartLabel(path)));
        item->setToolTip(QDir::toNativeSeparators(path));
        item->setObjectName(QStringLiteral("mnuRecentChart%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, path] { Open(path, true); });
    }
    recentMenu_.setToolTipsVisible(true);
    recentMenu_.setEnabled(!recent.isEmpty());
}

}  // namespace zorvane
