#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "core/chart/birth_chart.h"
#include "core/chart/indian_chart_layout.h"
#include "core/reading/birth_record.h"

class Desktop;
namespace Ui {
class ChartPage;
}

// The Chart page of the details window: the rasi (D1) and navamsa (D9)
// drawn side by side in the chosen style, the position table under them,
// and the sentence when the chart's Moon and the reading's disagree. The
// style, ayanamsa and node are kept in the settings; changing one redraws.
class ChartPage : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChartPage)

public:
    explicit ChartPage(QWidget* parent = nullptr);
    ~ChartPage() override;

    // Shows the chart of a record whose details are computed; the choices
    // come from the settings of this application.
    void setBirth(Desktop& desktop, const QString& application, const zorvane::BirthRecord& record);

    const std::optional<zorvane::BirthChart>& chart() const { return chart_; }

signals:
    // The sentence when the chart's Moon and the reading's disagree (empty
    // when they agree), each time the chart is computed anew.
    void moonNoteChanged(const QString& note);

private:
    void Recompute();
    void Redraw();
    void ShowTable();
    void SaveChoices();
    void cmdSaveChartPicture_Click();

    std::unique_ptr<Ui::ChartPage> ui;
    Desktop* desktop_ = nullptr;
    QString application_;
    zorvane::BirthRecord record_;
    std::optional<zorvane::BirthChart> chart_;
};
